// The main window of the calculator.
//
// How a keystroke becomes a result: a key typed into one of the five input
// fields passes EditKeyPress, which lets only digits, '.' and backspace
// through. The field's text changes and its change notification runs
// EditCalcChange at once (nothing while RecalcEnabled is false). If the
// user's edit changed a field that the chosen size wrote, the size is left
// first (EditLeavesSize, SetSize with none). Then Calculate hands the four
// choices (CurrentChoices: the kind, the material, the mode and the chosen
// size) and the field texts to the core's one rule, ShownResultOf
// (result.h): nothing while the quantity, the lowest row of the kind, is
// empty or "0"; otherwise the standard's mass of a chosen size (not the
// sheet's, whose standard gives only the thickness) or the kind's formula,
// formatted with its unit, or the error text. The text goes into the result
// label Label32, which screen readers hear as it changes. A failure (a field
// that does not parse, a division by zero) gives nothing, and the label
// keeps what it showed.
//
// How a size becomes a result: the size list (sizepicker.cpp) closes, the
// focus goes to the quantity, and SetSize keeps the size as CurrentSize,
// writes its dimensions into the kind's fields with RecalcEnabled false,
// names it in the box and the line under it, and runs Calculate. A choice
// of the kind leaves the size; the material and the mode keep it.
//
// The window's controls are built from one table (layout.cpp). Behaviour is
// grouped by the controls it belongs to, each group with its own header for
// what the others use of it: the input rows, toggle and result block
// (inputrows.cpp), the material list (materiallist.cpp), the profile menu
// and preview (profilemenu.cpp), the standard sizes (sizepicker.cpp), the
// frame controls and the window's place (frame.cpp), the keys (keys.cpp),
// the context menus (menus.cpp) and the order's list (orderlink.cpp).
#pragma once

#include "catalogue.h"
#include "controls.h"
#include "result.h"

#include <array>
#include <bitset>
#include <string>

class TForm2;
namespace ui {
class OrderList;
}

class TForm1 : public QWidget {
public:
    TForm1();
    ~TForm1() override;

    // Controls, each named as its objectName. Labels and pictures lie over
    // those created before them; panels and fields over all of those.
    ui::Image *Image1 = nullptr;   // background picture; drags the window
    ui::Image *Image2 = nullptr;   // material box
    ui::Label *Label1 = nullptr;   // material box text
    ui::Image *Image5 = nullptr;   // mode toggle picture
    ui::Label *Label12 = nullptr;  // toggle zone: length (area) mode
    ui::Label *Label13 = nullptr;  // toggle zone: mass mode
    ui::Label *Label14 = nullptr;  // captions of rows 1, 2, 3
    ui::Label *Label15 = nullptr;
    ui::Label *Label16 = nullptr;
    ui::Image *Image6 = nullptr;   // drawing of the kind
    ui::Label *Label17 = nullptr;  // title of the kind
    ui::Image *Image7 = nullptr;   // result box
    ui::Label *Label18 = nullptr;  // total caption
    ui::Label *Label19 = nullptr;  // caption of row 4
    ui::Label *Label20 = nullptr;  // caption of row 0
    ui::Image *Image8 = nullptr;   // close
    ui::Image *Image9 = nullptr;   // web link over the seller's name
    ui::Image *Image10 = nullptr;  // minimise
    ui::Label *Label32 = nullptr;  // result
    ui::Image *Image11 = nullptr;  // preview pointer
    ui::Image *Image13 = nullptr;  // web link over the seller's logo
    ui::Label *Label34 = nullptr;  // footer year

    ui::Panel *Panel1 = nullptr;  // material list
    ui::Image *Image3 = nullptr;
    ui::Label *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr,
              *Label26 = nullptr, *Label27 = nullptr, *Label28 = nullptr, *Label29 = nullptr, *Label30 = nullptr,
              *Label31 = nullptr;

    ui::Panel *Panel2 = nullptr;  // profile menu
    ui::Image *Image4 = nullptr;  // highlight bar
    ui::Label *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr,
              *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr;

    ui::Edit *Edit1 = nullptr;  // rows 1, 2, 3, 4, 0
    ui::Edit *Edit2 = nullptr;
    ui::Edit *Edit3 = nullptr;
    ui::Edit *Edit5 = nullptr;
    ui::Edit *Edit6 = nullptr;
    ui::Edit *Edit4 = nullptr;     // off-window field that holds the focus when no row should
    ui::Panel *Panel3 = nullptr;   // preview frame
    ui::Image *Image12 = nullptr;  // preview photo

    // The standard sizes of the kind (sizepicker.cpp): the size box, the
    // line that names the rule of the result, and the drop-down list, with
    // the search typed so far above its list of sizes.
    ui::Image *Image14 = nullptr;  // size box
    ui::Label *Label35 = nullptr;  // size box text: the chosen designation
    ui::Label *Label36 = nullptr;  // the standard and its mass per metre
    ui::Panel *Panel4 = nullptr;   // size list
    ui::Label *Label37 = nullptr;  // the search typed into the list

    // The order (orderlink.cpp): the words under the result that add the
    // calculation to the list, and the line under them that tells what the
    // list holds (or why nothing was added) and opens it.
    ui::Label *Label38 = nullptr;
    ui::Label *Label39 = nullptr;

    // Start-up.
    void FormCreate();
    void FormShow();
    void setcolorsfont();
    // Shown the first time, the window is placed on its screen first
    // (PlaceOnScreen).
    void setVisible(bool visible) override;

    // The calculation.
    void EditCalcChange(ui::Edit *Sender);
    // Shows the result of the choices and the fields, if they make one.
    void Calculate();

    // Frame controls.
    void Image1MouseDown(ui::Control *Sender, Qt::MouseButton Button, QPoint pos);
    void Image1MouseMove(ui::Control *Sender, QPoint pos);
    void Image1MouseUp(ui::Control *Sender, Qt::MouseButton Button, QPoint pos);
    void Image8Click(ui::Control *Sender);
    void Image8MouseEnter(ui::Control *Sender);
    void Image8MouseLeave(ui::Control *Sender);
    void Image10Click(ui::Control *Sender);
    void Image10MouseEnter(ui::Control *Sender);
    void Image10MouseLeave(ui::Control *Sender);
    void Image9Click(ui::Control *Sender);

    // The four choices, each changed only here: the setter changes it,
    // lays out again what depends on it and tells screen readers. The
    // menu, the lists, the toggle and the keys all call them. A chosen
    // size writes its dimensions into the kind's fields and computes; an
    // empty one leaves the fields as they are (sizepicker.cpp).
    void SetKind(metal::ProfileKind kind);
    void SetMaterial(metal::MaterialId material);
    void SetMassMode(bool mass);
    void SetSize(metal::ChosenSize size);
    // The four as they stand.
    metal::Choices CurrentChoices() const;

    // Profile menu and preview. The menu's items from the top, the item of
    // kind k at k - 1.
    std::array<ui::Label *, metal::kKindCount> MenuItems() const;
    void setLogo(int id);
    void Label2Click(ui::Control *Sender);
    void Label3Click(ui::Control *Sender);
    void Label4Click(ui::Control *Sender);
    void Label5Click(ui::Control *Sender);
    void Label6Click(ui::Control *Sender);
    void Label7Click(ui::Control *Sender);
    void Label8Click(ui::Control *Sender);
    void Label9Click(ui::Control *Sender);
    void Label10Click(ui::Control *Sender);
    void Label11Click(ui::Control *Sender);
    void LabelMouseEnter(ui::Control *Sender);
    void LabelMouseLeave(ui::Control *Sender);

    // Material list.
    void Image1Click(ui::Control *Sender);
    void Image2Click(ui::Control *Sender);
    void Label1Click(ui::Control *Sender);
    void Image6Click(ui::Control *Sender);
    void Image7Click(ui::Control *Sender);
    void Label17Click(ui::Control *Sender);
    void Panel2Click(ui::Control *Sender);
    void LabelComboClick(ui::Control *Sender);
    void LabelComboMouseEnter(ui::Control *Sender);
    void LabelComboMouseLeave(ui::Control *Sender);
    // The list's items on its hover colour, by material id: the one under
    // the pointer, the keys' one, and carbon steel's from the start until
    // the pointer has been on it. The keys go from here, and the items show
    // it while the list is open.
    std::bitset<metal::kMaterialCount + 1> ListHighlight{1U << metal::mtCarbonSteel};

    // Input rows, mode toggle and result block.
    void SetEdits(metal::ProfileKind id);
    void ClearResult();
    void EditEnter(ui::Edit *Sender);
    void EditExit(ui::Edit *Sender);
    void EditKeyPress(ui::Edit *Sender, QChar &Key);
    void Label12Click(ui::Control *Sender);
    void Label13Click(ui::Control *Sender);

    // The keys (keys.cpp) and the context menus (menus.cpp).
    void InstallKeys();
    void ResultMenuRequested(QPoint globalPos);
    void WindowMenuRequested(QPoint globalPos);

    // Standard sizes.
    void SizeBoxClick(ui::Control *Sender);
    void ShowSizeBox(metal::ProfileKind id);

    // The order. AddToList adds the calculation shown to the list, or says
    // why it adds nothing (an error or a zero result); OpenList shows the
    // list with the focus in it. The list window is made the first time
    // either needs it. MayClose asks, when the list has unsaved changes,
    // whether to save them (Сохранить / Не сохранять / Отмена).
    void AddToList();
    void OpenList();
    bool MayClose();
    // The list window, made the first time it is asked for; none when its
    // module is missing.
    ui::OrderList *List();
    void Label38Click(ui::Control *Sender);
    void Label39Click(ui::Control *Sender);

protected:
    void showEvent(QShowEvent *event) override;
    // Closing the window asks first when the list holds positions, and
    // closes the list with it.
    void closeEvent(QCloseEvent *event) override;

private:
    // Makes every control of the layout table (layout.cpp).
    void BuildControls();

    // The window drag.
    bool Dragging = false;
    int OldLeft = 0;
    int OldTop = 0;

    std::string groupSeparator_;  // of the user's locale, read once at start-up
    bool shown_ = false;

    // The line under the result that tells of the list, or of what was
    // refused and why.
    void ShowListState(const QString &refusal = {}, const QString &what = QStringLiteral("Не добавлено"));
    ui::OrderList *orderList_ = nullptr;  // made when first needed
};

// Global references, set before each window's FormCreate runs.
extern TForm1 *Form1;
extern TForm2 *Form2;

// The input rows from top to bottom (edits 0..4), then their captions (5..9):
// entry r + 5 is the caption of entry r.
extern std::array<QWidget *, 10> InputSlots;
ui::Edit *InputEdit(int row);
ui::Label *InputCaption(int row);

// The state of the whole run: the four choices, and whether a change of a
// field computes.
extern metal::ProfileKind CurrentKind;     // written only by SetKind
extern metal::MaterialId CurrentMaterial;  // written only by SetMaterial
extern bool MassMode;                      // written only by SetMassMode
extern metal::ChosenSize CurrentSize;      // written only by SetSize; empty: the kind's formula
// False only while the window itself rewrites the fields (ResetInputs, and
// SetSize writing a size's dimensions): their changes compute nothing.
extern bool RecalcEnabled;
