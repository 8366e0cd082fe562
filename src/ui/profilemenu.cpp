// The profile menu at the left, and the photo preview beside it.
#include "accessibility.h"
#include "mainunit.h"
#include "picunit.h"

using namespace metal;

namespace {
constexpr QRgb kSelectedItem = qRgb(255, 255, 255);
constexpr QRgb kHoveredItem = ui::Bgr(14013909);
}  // namespace

void SelectMenuItem(ui::Label *item)
{
    TForm1 &form = *Form1;
    for (ui::Label *other : {form.Label2, form.Label3, form.Label4, form.Label5, form.Label6, form.Label7, form.Label8,
                             form.Label9, form.Label10, form.Label11})
        other->Tag = 0;
    form.setcolorsfont();
    item->Tag = 1;
    item->setTransparent(true);
    item->setFontColor(QColor(kSelectedItem));
    form.Label17->setCaption(item->caption());
    ResetInputs();
    ui::NotifyChoicesChanged(&form);
}

void TForm1::SelectKind(ProfileKind kind, ui::Label *item)
{
    Image4->move(Image4->x(), 33 * (kind - 1));
    SelectMenuItem(item);
    // SetEdits reads the new kind.
    CurrentKind = kind;
    if (kind == pkProfilePipe)
        Label17->setCaption(QStringLiteral("Труба\rпрофильная"));
    setLogo(kind);
    SetEdits(kind);
    Label32->setCaption(QStringLiteral("0.00"));
    AppendResultUnit();
}

void TForm1::setLogo(int id)
{
    CloseMaterialList();
    if (id < pkPipe || id > pkBeam)
        return;
    // The drawings are the store's pictures 3 .. 12.
    Image6->setPicture(Form2->images()[static_cast<std::size_t>(id) + 1]->picture());
}

void TForm1::Label2Click(ui::Control *) { SelectKind(pkPipe, Label2); }
void TForm1::Label3Click(ui::Control *) { SelectKind(pkProfilePipe, Label3); }
void TForm1::Label4Click(ui::Control *) { SelectKind(pkSquare, Label4); }
void TForm1::Label5Click(ui::Control *) { SelectKind(pkRound, Label5); }
void TForm1::Label6Click(ui::Control *) { SelectKind(pkAngle, Label6); }
void TForm1::Label7Click(ui::Control *) { SelectKind(pkSheet, Label7); }
void TForm1::Label8Click(ui::Control *) { SelectKind(pkStrip, Label8); }
void TForm1::Label9Click(ui::Control *) { SelectKind(pkHexagon, Label9); }
void TForm1::Label10Click(ui::Control *) { SelectKind(pkChannel, Label10); }
void TForm1::Label11Click(ui::Control *) { SelectKind(pkBeam, Label11); }

void TForm1::LabelMouseEnter(ui::Control *Sender)
{
    auto *item = static_cast<ui::Label *>(Sender);
    if (item->Tag == 0) {
        item->setBackgroundColor(QColor(kHoveredItem));
        item->setTransparent(false);
        // A field being edited is left, so its exit rule applies now.
        Edit4->setFocus();
    }
    const int kind = item->Hint.toInt();
    Image12->setPicture(PreviewPhotos[static_cast<std::size_t>(kind) - 1]->picture());
    // The item's place in the menu panel, used as a place in the window: the
    // frame stands 20 px right of the menu and 46 px above the item.
    Panel3->move(item->x() + item->width() + 36, item->y() + 108);
    Image11->move(Panel3->x() - 8, Panel3->y() + 56);
    Panel3->show();
    Image11->show();
}

void TForm1::LabelMouseLeave(ui::Control *Sender)
{
    auto *item = static_cast<ui::Label *>(Sender);
    item->setBackgroundColor(QColor(ui::kButtonFace));
    item->setTransparent(true);
    Image11->hide();
    Panel3->hide();
}
