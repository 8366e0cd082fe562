// The profile menu at the left, and the photo preview beside it.
#include "accessibility.h"
#include "design.h"
#include "inputrows.h"
#include "mainunit.h"
#include "materiallist.h"
#include "picunit.h"

using namespace metal;

namespace {

// The preview frame stands 20 px right of the item and 46 px above it; its
// pointer, at the frame's left edge, 56 px below the frame's top.
constexpr int kPreviewGap = 20;
constexpr int kPreviewRise = 46;
constexpr int kPointerDrop = 56;

void SelectMenuItem(ui::Label *item)
{
    TForm1 &form = *Form1;
    for (ui::Label *other : form.MenuItems())
        other->Tag = 0;
    form.setcolorsfont();
    item->Tag = 1;
    item->setTransparent(true);
    item->setFontColor(QColor(design::kSelectedItem));
    form.Label17->setCaption(item->caption());
    ResetInputs();
}

}  // namespace

std::array<ui::Label *, kKindCount> TForm1::MenuItems() const
{
    return {Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11};
}

void TForm1::SetKind(ProfileKind kind)
{
    ui::Label *item = MenuItems()[static_cast<std::size_t>(kind) - 1];
    // The highlight bar steps down by its own height from kind to kind.
    const QRect bar = DesignedPlace(Image4);
    Image4->move(Image4->x(), bar.top() + bar.height() * (kind - 1));
    SelectMenuItem(item);
    // SetEdits reads the new kind.
    CurrentKind = kind;
    if (kind == pkProfilePipe)
        Label17->setCaption(QStringLiteral("Труба\rпрофильная"));
    setLogo(kind);
    SetEdits(kind);
    // Another kind starts from its own formula.
    SetSize({});
    ShowSizeBox(kind);
    // Heard wherever the focus is (a key may have chosen it), before the
    // result it starts from.
    ui::Announce(Label17, Label17->caption().simplified());
    Label32->setCaption(design::ZeroResult());
    AppendResultUnit();
    ui::NotifyChoicesChanged(this);
}

void TForm1::setLogo(int id)
{
    CloseDropDowns();
    if (id < pkPipe || id > pkBeam)
        return;
    Image6->setPicture(Form2->KindDrawing(static_cast<ProfileKind>(id)).picture());
}

void TForm1::Label2Click(ui::Control *) { SetKind(pkPipe); }
void TForm1::Label3Click(ui::Control *) { SetKind(pkProfilePipe); }
void TForm1::Label4Click(ui::Control *) { SetKind(pkSquare); }
void TForm1::Label5Click(ui::Control *) { SetKind(pkRound); }
void TForm1::Label6Click(ui::Control *) { SetKind(pkAngle); }
void TForm1::Label7Click(ui::Control *) { SetKind(pkSheet); }
void TForm1::Label8Click(ui::Control *) { SetKind(pkStrip); }
void TForm1::Label9Click(ui::Control *) { SetKind(pkHexagon); }
void TForm1::Label10Click(ui::Control *) { SetKind(pkChannel); }
void TForm1::Label11Click(ui::Control *) { SetKind(pkBeam); }

void TForm1::LabelMouseEnter(ui::Control *Sender)
{
    auto *item = static_cast<ui::Label *>(Sender);
    if (item->Tag == 0) {
        item->setBackgroundColor(QColor(design::kHoveredItem));
        item->setTransparent(false);
        // A field being edited is left, so its exit rule applies now.
        Edit4->setFocus();
    }
    const int kind = item->Hint.toInt();
    Image12->setPicture(PreviewPhotos[static_cast<std::size_t>(kind) - 1]->picture());
    const QPoint itemAt = item->mapTo(this, QPoint());
    Panel3->move(itemAt.x() + item->width() + kPreviewGap, itemAt.y() - kPreviewRise);
    Image11->move(Panel3->x() - Image11->width(), Panel3->y() + kPointerDrop);
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
