// The five input rows, the mode toggle and the result block.
#include "inputrows.h"

#include "accessibility.h"
#include "design.h"
#include "mainunit.h"
#include "materiallist.h"
#include "picunit.h"

using namespace metal;

namespace {

// The beam's extra row 0 lifts the result block by one row; in the sheet's
// area mode the taller box lowers the result by 20.
int RowStep() { return DesignedPlace(&TForm1::Edit1).top() - DesignedPlace(&TForm1::Edit6).top(); }
constexpr int kAreaResultDrop = 20;
// The sheet's wider words extend the toggle's left segment by 20.
constexpr int kSheetToggleWidening = 20;

void SetTop(QWidget *widget, int top) { widget->move(widget->x(), top); }

bool IsDigitKey(QChar key) { return key >= u'0' && key <= u'9'; }

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
    const int rise = raised ? RowStep() : 0;
    for (QWidget *control : {static_cast<QWidget *>(Form1->Image7), static_cast<QWidget *>(Form1->Label18)})
        SetTop(control, DesignedPlace(control).top() - rise);
    // The result and the list's words and line under it drop together.
    for (QWidget *control : {static_cast<QWidget *>(Form1->Label32), static_cast<QWidget *>(Form1->Label38),
                             static_cast<QWidget *>(Form1->Label39)})
        SetTop(control, DesignedPlace(control).top() - rise + (lowered ? kAreaResultDrop : 0));
}

void ApplySheetTotalStyle(bool area)
{
    ui::Label *total = Form1->Label18;
    Form1->Image7->setPicture(Form2->ResultBox(area).picture());
    if (area) {
        total->setAutoSize(true);
        total->setCaption(QStringLiteral("    Итого\r   площадь:"));
        return;
    }
    total->setAutoSize(false);
    const QRect designed = DesignedPlace(total);
    total->setGeometry(designed.left(), total->y(), designed.width(), total->height());
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
    const bool sheet = kind == pkSheet;
    const QRect designed = DesignedPlace(toggle);
    const int widening = sheet ? kSheetToggleWidening : 0;
    toggle->setGeometry(designed.left() - widening, toggle->y(), designed.width() + widening, toggle->height());
    toggle->setPicture(Form2->ModeToggle(kind, MassMode).picture());
    // Screen readers name the zones by the toggle's words.
    Form1->Label12->setSpokenName(sheet ? design::AreaWord() : design::LengthWord());
}

}  // namespace

void AppendResultUnit()
{
    ui::Label *result = Form1->Label32;
    result->setFontColor(QColor(design::kResultNumber));
    result->setCaption(QString::fromStdString(WithResultUnit(result->caption().toStdString(), MassMode, CurrentKind)));
}

void ResetInputs()
{
    // No calculation may run on a half-reset set of fields.
    RecalcEnabled = false;
    for (int row = 0; row < kRowCount; ++row)
        InputEdit(row)->setText(QStringLiteral("0"));
    RecalcEnabled = true;
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
    Label32->setCaption(design::ZeroResult());
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

// Both zones of the toggle: the left one selects length mode (area mode for
// the sheet), the right one mass mode. A click on the active zone resets too.
void TForm1::SetMassMode(bool mass)
{
    CloseDropDowns();
    MassMode = mass;
    Image5->setPicture(Form2->ModeToggle(CurrentKind, mass).picture());
    if (CurrentKind == pkSheet) {
        PlaceResultBlock(false, !mass);
        ApplySheetTotalStyle(!mass);
    } else {
        Label18->setCaption(QString::fromUtf8(TotalCaption(mass)));
    }
    ClearResult();
    ui::NotifyChoicesChanged(this);
}

void TForm1::Label12Click(ui::Control *) { SetMassMode(false); }

void TForm1::Label13Click(ui::Control *) { SetMassMode(true); }

WindowFieldTexts::WindowFieldTexts()
{
    for (int row = 0; row < kRowCount; ++row) {
        const auto r = static_cast<std::size_t>(row);
        utf8_[r] = InputEdit(row)->text().toUtf8();
        texts_[r] = std::string_view(utf8_[r].constData(), static_cast<std::size_t>(utf8_[r].size()));
    }
}
