// The five input rows, the mode toggle and the result block.
#include "accessibility.h"
#include "mainunit.h"
#include "picunit.h"

using namespace metal;

namespace {

struct Placement {
    int box, total, result;  // tops of Image7, Label18, Label32
};
constexpr Placement kNormal{378, 399, 430};
constexpr Placement kLowered{378, 399, 450};  // the sheet's area mode: a taller box
constexpr Placement kRaised{344, 365, 396};   // the beam's five rows

void SetTop(QWidget *widget, int top) { widget->move(widget->x(), top); }

bool IsDigitKey(QChar key) { return key >= u'0' && key <= u'9'; }

// Both zones of the toggle: the left one selects length mode (area mode for
// the sheet), the right one mass mode. A click on the active zone resets too.
void SwitchMode(bool mass)
{
    TForm1 &form = *Form1;
    CloseMaterialList();
    MassMode = mass;
    if (CurrentKind == pkSheet) {
        form.Image5->setPicture((mass ? Form2->Image15 : Form2->Image16).picture());
        PlaceResultBlock(false, !mass);
        ApplySheetTotalStyle(!mass);
    } else {
        form.Image5->setPicture((mass ? Form2->Image2 : Form2->Image1).picture());
        form.Label18->setCaption(QString::fromUtf8(TotalCaption(mass)));
    }
    form.ClearResult();
    ui::NotifyChoicesChanged(&form);
}

}  // namespace

void ResetInputs()
{
    // No calculation may run on a half-reset set of fields.
    RecalcEnabled = false;
    for (int row = 0; row < kRowCount; ++row)
        InputEdit(row)->setText(QStringLiteral("0"));
    RecalcEnabled = true;
}

void ShowInputRows(int count)
{
    for (QWidget *control : InputSlots)
        control->hide();
    // Two to four rows start at row 1; only five use row 0.
    int first = 1;
    if (count == 5)
        first = 0;
    else if (count < 2 || count > 4)
        return;
    for (int row = first; row < first + count; ++row) {
        InputEdit(row)->show();
        InputCaption(row)->show();
    }
}

void PlaceResultBlock(bool raised, bool lowered)
{
    const Placement &at = raised ? kRaised : lowered ? kLowered : kNormal;
    SetTop(Form1->Image7, at.box);
    SetTop(Form1->Label18, at.total);
    SetTop(Form1->Label32, at.result);
}

void ApplySheetTotalStyle(bool area)
{
    ui::Label *total = Form1->Label18;
    if (area) {
        total->setAutoSize(true);
        Form1->Image7->setPicture(Form2->Image14.picture());
        total->setCaption(QStringLiteral("    Итого\r   площадь:"));
        return;
    }
    total->setAutoSize(false);
    total->setGeometry(532, total->y(), 130, total->height());
    Form1->Image7->setPicture(Form2->Image13.picture());
    if (CurrentKind == pkSheet)
        total->setCaption(QString::fromUtf8(TotalCaption(true)));
}

void ApplyFieldCaptions(ProfileKind kind)
{
    Form1->Label18->setCaption(QString::fromUtf8(TotalCaption(MassMode)));
    ApplySheetTotalStyle(false);
    const KindInfo &info = Kind(kind);
    for (int row = info.firstRow; row <= info.quantityRow; ++row)
        InputCaption(row)->setCaption(QString::fromUtf8(FieldCaption(info, row, MassMode)));
    if (kind == pkSheet && !MassMode)
        ApplySheetTotalStyle(true);
}

void ApplyModeToggleImage(ProfileKind kind)
{
    ui::Image *toggle = Form1->Image5;
    // The sheet's wider words extend the left segment by 20 px.
    const bool sheet = kind == pkSheet;
    toggle->setGeometry(sheet ? 548 : 568, toggle->y(), sheet ? 143 : 123, toggle->height());
    if (sheet)
        toggle->setPicture((MassMode ? Form2->Image15 : Form2->Image16).picture());
    else
        toggle->setPicture((MassMode ? Form2->Image2 : Form2->Image1).picture());
    NameModeZones(kind);
}

void NameModeZones(ProfileKind kind)
{
    Form1->Label12->setSpokenName(kind == pkSheet ? QStringLiteral("Площадь") : QStringLiteral("Длина"));
    Form1->Label13->setSpokenName(QStringLiteral("Масса"));
}

void TForm1::SetEdits(ProfileKind id)
{
    PlaceResultBlock(false, false);
    ShowInputRows(Kind(id).rowCount());
    if (id == pkSheet)
        PlaceResultBlock(false, !MassMode);
    else if (id == pkBeam)
        PlaceResultBlock(true, false);
    ApplyFieldCaptions(id);
    ApplyModeToggleImage(id);
}

void TForm1::ClearResult()
{
    Label32->setCaption(QStringLiteral("0.00"));
    AppendResultUnit();
    const int row = Kind(CurrentKind).quantityRow;
    ui::Edit *quantity = InputEdit(row);
    // Typing goes on in a focused quantity field.
    quantity->setText(quantity->Focused() ? QString() : QStringLiteral("0"));
    if (CurrentKind != pkSheet)
        InputCaption(row)->setCaption(QString::fromUtf8(QuantityCaption(MassMode)));
}

void TForm1::EditEnter(ui::Edit *Sender)
{
    if (Sender->text() == QLatin1String("0"))
        Sender->clear();
}

void TForm1::EditExit(ui::Edit *Sender)
{
    if (Sender->text().isEmpty())
        Sender->setText(QStringLiteral("0"));
}

void TForm1::EditKeyPress(ui::Edit *, QChar &Key)
{
    // The decimal key of a Russian keyboard types ',': it means the point.
    if (Key == u',')
        Key = u'.';
    if (Key != QChar(8) && Key != u'.' && !IsDigitKey(Key))
        Key = QChar();
}

void TForm1::Label12Click(ui::Control *) { SwitchMode(false); }

void TForm1::Label13Click(ui::Control *) { SwitchMode(true); }
