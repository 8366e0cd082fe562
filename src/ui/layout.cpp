// The designed layout of the main window: one row per control, in creation
// order (a later control lies over an earlier one). Per-kind and
// per-material texts come from the catalogue.
#include "controlspec.h"
#include "design.h"
#include "picturelist.h"

using namespace metal;
using namespace layout;
using ui::Label;

namespace {

constexpr Qt::CursorShape kHand = Qt::PointingHandCursor;
// The seller, as the footer of the background shows the name.
const QString kSellerName = QStringLiteral("МеталлДемо");

const Style kPicture{};
const Style kHandPicture{.cursor = kHand};
const Style kMenuItem{.family = "Tahoma", .pixels = 15, .layout = Label::Layout::Center, .cursor = kHand};
const Style kListItem{.family = "Tahoma", .pixels = 12, .bold = true, .color = ui::Bgr(8017250)};
const Style kField{.family = "Tahoma", .pixels = 15, .maxLength = 5};

// A control's member of the window and its name: for a row, and for a
// row factory.
#define CONTROL(n) .control = &TForm1::n, .name = #n
#define MEMBER(n) &TForm1::n, #n

// The item of a kind in the profile menu: its caption, and the kind id as
// its Hint.
ControlSpec MenuItem(Member<Label> item, const char *name, ControlHandler click, ProfileKind kind, int top)
{
    return {.control = item,
            .name = name,
            .parent = &TForm1::Panel2,
            .place = {2, top, 177, 33},
            .text = QString::fromUtf8(Kind(kind).menuCaption),
            .style = &kMenuItem,
            .hint = QString::number(kind),
            .role = QAccessible::MenuItem,
            .current = [](const ui::Control &control) { return control.Tag == 1; },
            .click = click,
            .mouseEnter = &TForm1::LabelMouseEnter,
            .mouseLeave = &TForm1::LabelMouseLeave};
}
#define MENU_ITEM(n) MEMBER(n), &TForm1::n##Click

// The item of a material in the list: its caption, and the id as its Tag.
ControlSpec ListItem(Member<Label> item, const char *name, MaterialId id)
{
    return {.control = item,
            .name = name,
            .parent = &TForm1::Panel1,
            .place = {1, 4 + 16 * (id - 1), 172, 14},
            .text = QString::fromUtf8(Material(id).listCaption),
            .style = &kListItem,
            .tag = id,
            .opaque = id == mtCarbonSteel,
            .background = design::kListHover,
            .role = QAccessible::ListItem,
            .current = [](const ui::Control &control) { return control.Tag == CurrentMaterial; },
            .click = &TForm1::LabelComboClick,
            .mouseEnter = &TForm1::LabelComboMouseEnter,
            .mouseLeave = &TForm1::LabelComboMouseLeave};
}

ControlSpec InputField(Member<ui::Edit> field, const char *name, int top, bool shown)
{
    return {.control = field,
            .name = name,
            .place = {384, top, 97, 26},
            .shown = shown,
            .text = QStringLiteral("0"),
            .style = &kField,
            .change = &TForm1::EditCalcChange,
            .enter = &TForm1::EditEnter,
            .exit = &TForm1::EditExit,
            .keyPress = &TForm1::EditKeyPress};
}

}  // namespace

const std::vector<ControlSpec> &layout::Table()
{
    using J = Label::Justify;
    using L = Label::Layout;
    static const Style boxText{.family = "Arial Black",
                               .pixels = 12,
                               .bold = true,
                               .color = qRgb(255, 255, 255),
                               .layout = L::Center,
                               .cursor = kHand};
    static const Style toggleZone{.cursor = kHand};
    static const Style rowCaption{.family = "Arial", .pixels = 15, .justify = J::Right, .autoSize = true};
    static const Style title{.family = "Arial", .pixels = 21, .bold = true, .justify = J::Center};
    static const Style total{
        .family = "Arial", .pixels = 19, .bold = true, .color = ui::Bgr(2763429), .justify = J::Center};
    static const Style result{.family = "Tahoma", .pixels = 19, .italic = true, .justify = J::Center};
    static const Style year{.family = "Trebuchet MS", .pixels = 13, .color = ui::Bgr(7566195), .autoSize = true};
    static const Style sizeRule{.family = "Tahoma", .pixels = 12, .color = ui::Bgr(7566195), .justify = J::Center};
    // Under the result, in its box: the words that add it to the list, in
    // the colour of the box's caption, and the line that tells of the list.
    static const Style addToList{
        .family = "Tahoma", .pixels = 12, .bold = true, .color = total.color, .justify = J::Center, .cursor = kHand};
    static const Style listState{
        .family = "Tahoma", .pixels = 11, .color = design::kGreyText, .justify = J::Center, .cursor = kHand};
    // The off-window focus field holds what is typed while the focus is
    // parked there, and nobody ever sees or undoes it. Were its undo kept,
    // every keystroke would be kept with it as long as the program runs.
    static const Style focusField{.keepsNoUndo = true};

    const auto row = [](int r) { return QString::fromUtf8(Kind(pkPipe).captions[static_cast<std::size_t>(r)]); };

    static const std::vector<ControlSpec> rows{
        // Pictures and labels on the window, the lowest first.
        {CONTROL(Image1), .place = {0, 0, 708, 591}, .shown = false, .style = &kPicture,
         .picture = pictures::Listed("background.png"), .fillParent = true, .click = &TForm1::Image1Click,
         .mouseDown = &TForm1::Image1MouseDown, .mouseMove = &TForm1::Image1MouseMove,
         .mouseUp = &TForm1::Image1MouseUp},
        {CONTROL(Image2), .place = {112, 64, 177, 35}, .style = &kHandPicture,
         .picture = pictures::Listed("material-box.png"), .role = QAccessible::ButtonDropDown,
         .spokenName = QStringLiteral("Материал"), .click = &TForm1::Image2Click},
        {CONTROL(Label1), .place = {112, 63, 145, 35},
         .text = " " + QString::fromUtf8(Material(mtCarbonSteel).listCaption), .style = &boxText,
         .role = QAccessible::ButtonDropDown, .click = &TForm1::Label1Click},
        {CONTROL(Image5), .place = {568, 62, 123, 36}, .style = &kHandPicture},
        {CONTROL(Label12), .place = {568, 62, 57, 35}, .style = &toggleZone, .role = QAccessible::RadioButton,
         .spokenName = design::LengthWord(), .current = [](const ui::Control &) { return !MassMode; },
         .click = &TForm1::Label12Click},
        {CONTROL(Label13), .place = {631, 62, 60, 35}, .style = &toggleZone, .role = QAccessible::RadioButton,
         .spokenName = design::MassWord(), .current = [](const ui::Control &) { return MassMode; },
         .click = &TForm1::Label13Click},
        {CONTROL(Label14), .place = {215, 380, 151, 17}, .text = row(1), .style = &rowCaption},
        {CONTROL(Label15), .place = {229, 416, 137, 17}, .text = row(2), .style = &rowCaption},
        {CONTROL(Label16), .place = {296, 452, 70, 17}, .text = QStringLiteral("Длина, мм"), .style = &rowCaption},
        {CONTROL(Image6), .place = {296, 154, 209, 199}, .style = &kPicture, .center = true,
         .click = &TForm1::Image6Click},
        {CONTROL(Label17), .place = {520, 175, 180, 79}, .text = QStringLiteral("Труба"), .style = &title,
         .click = &TForm1::Label17Click},
        {CONTROL(Image7), .place = {511, 378, 174, 151}, .style = &kPicture, .click = &TForm1::Image7Click},
        {CONTROL(Label18), .place = {532, 399, 130, 22}, .text = QString::fromUtf8(TotalCaption(true)),
         .style = &total},
        {CONTROL(Label19), .place = {296, 488, 70, 17}, .shown = false, .text = QStringLiteral("Длина, мм"),
         .style = &rowCaption},
        {CONTROL(Label20), .place = {215, 344, 151, 17}, .shown = false, .text = row(1), .style = &rowCaption},
        {CONTROL(Image8), .place = {680, 6, 25, 25}, .style = &kHandPicture, .toolTip = "Закрыть",
         .role = QAccessible::PushButton, .click = &TForm1::Image8Click, .mouseEnter = &TForm1::Image8MouseEnter,
         .mouseLeave = &TForm1::Image8MouseLeave},
        {CONTROL(Image9), .place = {110, 548, 83, 17}, .style = &kHandPicture, .role = QAccessible::Link,
         .spokenName = kSellerName, .click = &TForm1::Image9Click},
        {CONTROL(Image10), .place = {660, 8, 20, 25}, .style = &kHandPicture, .center = true, .toolTip = "Свернуть",
         .role = QAccessible::PushButton, .click = &TForm1::Image10Click, .mouseEnter = &TForm1::Image10MouseEnter,
         .mouseLeave = &TForm1::Image10MouseLeave},
        {CONTROL(Label32), .place = {536, 430, 129, 23}, .text = design::ZeroResult(), .style = &result},
        {CONTROL(Image11), .place = {531, 121, 8, 14}, .shown = false, .style = &kPicture,
         .picture = pictures::Listed("preview-pointer.png")},
        {CONTROL(Image13), .place = {568, 535, 112, 35}, .style = &kHandPicture, .role = QAccessible::Link,
         .spokenName = kSellerName, .click = &TForm1::Image9Click},
        {CONTROL(Label34), .place = {44, 546, 61, 18}, .text = QStringLiteral("2009-2013"), .style = &year},
        // The size box under the kind's title, in the material box's look;
        // the pipe, the kind at start, has standard sizes.
        {CONTROL(Image14), .place = {509, 262, 177, 35}, .style = &kHandPicture,
         .picture = pictures::Listed("material-box.png"), .role = QAccessible::ButtonDropDown,
         .spokenName = design::SizeWord(), .click = &TForm1::SizeBoxClick},
        {CONTROL(Label35), .place = {509, 261, 145, 35}, .text = "  " + design::NoSizeText(), .style = &boxText,
         .role = QAccessible::ButtonDropDown, .click = &TForm1::SizeBoxClick},
        {CONTROL(Label36), .place = {501, 301, 193, 16}, .shown = false, .style = &sizeRule},
        // The order: shown in the result's box under the result; the line
        // only once the list was used.
        {CONTROL(Label38), .place = {521, 462, 154, 17}, .text = QStringLiteral("Добавить в список"),
         .style = &addToList, .role = QAccessible::PushButton, .click = &TForm1::Label38Click},
        {CONTROL(Label39), .place = {513, 481, 170, 28}, .shown = false, .style = &listState,
         .role = QAccessible::PushButton, .click = &TForm1::Label39Click},

        // Panels and edit fields lie over all of them.
        {CONTROL(Panel1), .place = {-240, 96, 177, 182}, .shown = false, .role = QAccessible::List},
        {CONTROL(Image3), .parent = &TForm1::Panel1, .place = {0, 0, 177, 182}, .style = &kPicture,
         .picture = pictures::Listed("material-list.png"), .fillParent = true},
        ListItem(MEMBER(Label21), mtCarbonSteel),
        ListItem(MEMBER(Label22), mtStainlessSteel),
        ListItem(MEMBER(Label23), mtAluminium),
        ListItem(MEMBER(Label24), mtTitanium),
        ListItem(MEMBER(Label25), mtCopper),
        ListItem(MEMBER(Label26), mtNickel),
        ListItem(MEMBER(Label27), mtCastIron),
        ListItem(MEMBER(Label28), mtNichrome),
        ListItem(MEMBER(Label29), mtBrass),
        // Lead is created before bronze but shown below it.
        ListItem(MEMBER(Label30), mtLead),
        ListItem(MEMBER(Label31), mtBronze),

        {CONTROL(Panel2), .place = {16, 154, 193, 353}, .role = QAccessible::MenuBar, .click = &TForm1::Panel2Click},
        {CONTROL(Image4), .parent = &TForm1::Panel2, .place = {0, 0, 193, 33}, .style = &kPicture,
         .picture = pictures::Listed("menu-highlight.png")},
        // The pipe is the item selected as designed.
        MenuItem(MENU_ITEM(Label2), pkPipe, 0).withTag(1),
        MenuItem(MENU_ITEM(Label3), pkProfilePipe, 34),
        MenuItem(MENU_ITEM(Label4), pkSquare, 67),
        MenuItem(MENU_ITEM(Label5), pkRound, 100),
        MenuItem(MENU_ITEM(Label6), pkAngle, 133),
        MenuItem(MENU_ITEM(Label7), pkSheet, 166),
        MenuItem(MENU_ITEM(Label8), pkStrip, 199),
        MenuItem(MENU_ITEM(Label9), pkHexagon, 232),
        MenuItem(MENU_ITEM(Label10), pkChannel, 265),
        MenuItem(MENU_ITEM(Label11), pkBeam, 298),

        // Creation order is the tab order: rows 1 to 4, then row 0.
        InputField(MEMBER(Edit1), 378, true),
        InputField(MEMBER(Edit2), 412, true),
        InputField(MEMBER(Edit3), 450, true),
        InputField(MEMBER(Edit5), 484, false),
        InputField(MEMBER(Edit6), 344, false),
        {CONTROL(Edit4), .place = {800, 287, 49, 21}, .text = QStringLiteral("Edit4"), .style = &focusField},

        {CONTROL(Panel3), .place = {264, 136, 120, 120}, .shown = false, .background = qRgb(255, 255, 255)},
        {CONTROL(Image12), .parent = &TForm1::Panel3, .place = {0, 0, 120, 120}, .style = &kPicture, .center = true,
         .fillParent = true},

        // The size list hangs from the size box, over everything; its list
        // of sizes is made when it first opens (sizepicker.cpp).
        {CONTROL(Panel4), .place = {436, 297, 250, 232}, .shown = false, .background = design::kSizeList,
         .role = QAccessible::Pane},
        {CONTROL(Label37), .parent = &TForm1::Panel4, .place = {6, 4, 238, 18}, .style = &kListItem},
    };
    return rows;
}

#undef MENU_ITEM
#undef MEMBER
#undef CONTROL

template <class T> QRect DesignedPlace(T *TForm1::*control)
{
    for (const ControlSpec &spec : Table())
        if (const auto *member = std::get_if<Member<T>>(&spec.control); member && *member == control)
            return spec.place;
    qFatal("a control that is not in the layout");
}
template QRect DesignedPlace(ui::Image *TForm1::*);
template QRect DesignedPlace(ui::Label *TForm1::*);
template QRect DesignedPlace(ui::Edit *TForm1::*);
template QRect DesignedPlace(ui::Panel *TForm1::*);

QRect DesignedPlace(const QWidget *control)
{
    const auto *form = static_cast<const TForm1 *>(control->window());
    for (const ControlSpec &spec : Table())
        if (std::visit([form, control](auto member) { return form->*member == control; }, spec.control))
            return spec.place;
    qFatal("%s is not in the layout", qPrintable(control->objectName()));
}
