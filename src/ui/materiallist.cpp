// The material box and its drop-down list of the eleven materials.
#include "materiallist.h"

#include "accessibility.h"
#include "design.h"
#include "mainunit.h"
#include "sizepicker.h"

#include <algorithm>

using namespace metal;

namespace {

// The list hangs from the box, over everything else, until a click closes it.
void OpenMaterialList()
{
    CloseSizeList();
    ui::Panel *list = Form1->Panel1;
    list->show();
    list->move(DesignedPlace(Form1->Image2).left(), list->y());
    list->raise();
}

}  // namespace

void OpenMaterialListByKey()
{
    OpenMaterialList();
    // The highlight starts on the material in the box.
    MoveMaterialHighlight(0);
}

void MoveMaterialHighlight(int step)
{
    TForm1 &form = *Form1;
    const QList<ui::Label *> items = form.Panel1->findChildren<ui::Label *>();
    // The items lie from the top in id order. A step goes from the item on
    // the hover colour, the pointer's or the keys' last; no step, from the
    // material in the box.
    int highlighted = CurrentMaterial;
    if (step != 0)
        for (const ui::Label *item : items)
            if (!item->isTransparent() && item->backgroundColor() == QColor(design::kListHover))
                highlighted = item->Tag;
    const int from = highlighted;
    highlighted = std::clamp(highlighted + step, 1, kMaterialCount);
    for (ui::Label *item : items) {
        if (item->Tag == highlighted) {
            form.LabelComboMouseEnter(item);
            // Heard where it lands, not again at either end of the list.
            if (step == 0 || highlighted != from)
                ui::Announce(form.Label1, item->shownText().simplified());
        } else {
            form.LabelComboMouseLeave(item);
        }
    }
}

void ChooseHighlightedMaterial()
{
    for (const ui::Label *item : Form1->Panel1->findChildren<ui::Label *>())
        if (!item->isTransparent())
            return Form1->SetMaterial(static_cast<MaterialId>(item->Tag));
    CloseDropDowns();
}

void CloseDropDowns()
{
    Form1->Panel1->hide();
    CloseSizeList();
}

void TForm1::Label1Click(ui::Control *) { OpenMaterialList(); }

void TForm1::Image2Click(ui::Control *) { OpenMaterialList(); }

void TForm1::Image1Click(ui::Control *) { CloseDropDowns(); }

void TForm1::Image6Click(ui::Control *) { CloseDropDowns(); }

void TForm1::Image7Click(ui::Control *) { CloseDropDowns(); }

void TForm1::Label17Click(ui::Control *) { CloseDropDowns(); }

void TForm1::Panel2Click(ui::Control *) { CloseDropDowns(); }

void TForm1::LabelComboMouseEnter(ui::Control *Sender)
{
    auto *item = static_cast<ui::Label *>(Sender);
    item->setTransparent(false);
    item->setBackgroundColor(QColor(design::kListHover));
}

void TForm1::LabelComboMouseLeave(ui::Control *Sender) { static_cast<ui::Label *>(Sender)->setTransparent(true); }

void TForm1::LabelComboClick(ui::Control *Sender) { SetMaterial(static_cast<MaterialId>(Sender->Tag)); }

void TForm1::SetMaterial(MaterialId material)
{
    CurrentMaterial = material;
    CloseDropDowns();
    Label1->setCaption(QLatin1Char(' ') + QString::fromUtf8(Material(material).listCaption));
    // A standard size keeps its mass per metre, in the new material.
    ShowSizeRule();
    // Re-posting the text of Edit2 raises its change notification, which
    // recomputes the result with the new density under the usual rule.
    const QString text = Edit2->text();
    Edit2->clear();
    Edit2->setText(text);
    ui::NotifyChoicesChanged(this);
}
