// The designed layout of the main window: one row per control, in creation
// order (a later control lies over an earlier one), and the loop that builds
// them. Per-kind and per-material texts come from the catalogue.
#include "fonts.h"
#include "mainunit.h"
#include "pictures.h"

using namespace metal;
using ui::Label;

struct TForm1::Style {
    const char *family = nullptr;  // nullptr: the window's font
    int pixels = 0;
    bool bold = false;
    bool italic = false;
    QRgb color = ui::kWindowText;
    Label::Justify justify = Label::Justify::Left;
    Label::Layout layout = Label::Layout::Top;
    bool autoSize = false;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    int maxLength = 0;         // edit fields; 0 for no limit
    bool takesNoText = false;  // edit fields
};

template <class T> using Member = T *TForm1::*;

struct TForm1::ControlSpec {
    std::variant<Member<ui::Image>, Member<ui::Label>, Member<ui::Edit>, Member<ui::Panel>> control{};
    const char *name = nullptr;
    Member<ui::Panel> parent = nullptr;  // nullptr: the window
    QRect place{};
    bool shown = true;
    QString text{};
    const Style *style = nullptr;
    // The item of a kind in the profile menu: its caption, and the kind id
    // as its Hint.
    ProfileKind menuKind{};
    // The item of a material in the list: its caption, and the id as its Tag.
    MaterialId listMaterial{};
    // Pictures.
    const char *picture = nullptr;  // a fixed picture of the window
    bool center = false;
    bool fillParent = false;
    // Labels: opaque in this colour; panels: their colour.
    bool opaque = false;
    QRgb background = ui::kButtonFace;
    const char *toolTip = nullptr;
    // Notifications.
    ControlHandler click = nullptr;
    ControlHandler mouseEnter = nullptr;
    ControlHandler mouseLeave = nullptr;
    ButtonHandler mouseDown = nullptr;
    MoveHandler mouseMove = nullptr;
    ButtonHandler mouseUp = nullptr;
    EditHandler change = nullptr;
    EditHandler enter = nullptr;
    EditHandler exit = nullptr;
    KeyHandler keyPress = nullptr;
};

namespace {
constexpr Qt::CursorShape kHand = Qt::PointingHandCursor;
}  // namespace

#define CONTROL(n) .control = &TForm1::n, .name = #n

const std::vector<TForm1::ControlSpec> &TForm1::Layout()
{
    using J = Label::Justify;
    using L = Label::Layout;
    static const Style picture{};
    static const Style handPicture{.cursor = kHand};
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
    static const Style menuItem{.family = "Tahoma", .pixels = 15, .layout = L::Center, .cursor = kHand};
    static const Style listItem{.family = "Tahoma", .pixels = 12, .bold = true, .color = ui::Bgr(8017250)};
    static const Style field{.family = "Tahoma", .pixels = 15, .maxLength = 5};
    // What is typed while the focus is parked off the window is never seen.
    // A field that took it would keep every keystroke for its undo as long
    // as the program runs: the memory of long use would grow without end.
    static const Style focusField{.takesNoText = true};

    constexpr QRgb listHover = ui::Bgr(14657103);
    const auto row = [](int r) { return QString::fromUtf8(Kind(pkPipe).captions[static_cast<std::size_t>(r)]); };

    static const std::vector<ControlSpec> layout{
        // Pictures and labels on the window, the lowest first.
        {CONTROL(Image1), .place = {0, 0, 708, 591}, .shown = false, .style = &picture, .picture = "background.png",
         .fillParent = true, .click = &TForm1::Image1Click, .mouseDown = &TForm1::Image1MouseDown,
         .mouseMove = &TForm1::Image1MouseMove, .mouseUp = &TForm1::Image1MouseUp},
        {CONTROL(Image2), .place = {112, 64, 177, 35}, .style = &handPicture, .picture = "material-box.png",
         .click = &TForm1::Image2Click},
        {CONTROL(Label1), .place = {112, 63, 145, 35},
         .text = " " + QString::fromUtf8(Material(mtCarbonSteel).listCaption), .style = &boxText,
         .click = &TForm1::Label1Click},
        {CONTROL(Image5), .place = {568, 62, 123, 36}, .style = &handPicture},
        {CONTROL(Label12), .place = {568, 62, 57, 35}, .style = &toggleZone, .click = &TForm1::Label12Click},
        {CONTROL(Label13), .place = {631, 62, 60, 35}, .style = &toggleZone, .click = &TForm1::Label13Click},
        {CONTROL(Label14), .place = {215, 380, 151, 17}, .text = row(1), .style = &rowCaption},
        {CONTROL(Label15), .place = {229, 416, 137, 17}, .text = row(2), .style = &rowCaption},
        {CONTROL(Label16), .place = {296, 452, 70, 17}, .text = QStringLiteral("Длина, мм"), .style = &rowCaption},
        {CONTROL(Image6), .place = {296, 154, 209, 199}, .style = &picture, .center = true,
         .click = &TForm1::Image6Click},
        {CONTROL(Label17), .place = {520, 175, 180, 79}, .text = QStringLiteral("Труба"), .style = &title,
         .click = &TForm1::Label17Click},
        {CONTROL(Image7), .place = {511, 378, 174, 151}, .style = &picture, .click = &TForm1::Image7Click},
        {CONTROL(Label18), .place = {532, 399, 130, 22}, .text = QString::fromUtf8(TotalCaption(true)),
         .style = &total},
        {CONTROL(Label19), .place = {296, 488, 70, 17}, .shown = false, .text = QStringLiteral("Длина, мм"),
         .style = &rowCaption},
        {CONTROL(Label20), .place = {215, 344, 151, 17}, .shown = false, .text = row(1), .style = &rowCaption},
        {CONTROL(Image8), .place = {680, 6, 25, 25}, .style = &handPicture, .toolTip = "Закрыть",
         .click = &TForm1::Image8Click, .mouseEnter = &TForm1::Image8MouseEnter,
         .mouseLeave = &TForm1::Image8MouseLeave},
        {CONTROL(Image9), .place = {110, 548, 83, 17}, .style = &handPicture, .click = &TForm1::Image9Click},
        {CONTROL(Image10), .place = {660, 8, 20, 25}, .style = &handPicture, .center = true, .toolTip = "Свернуть",
         .click = &TForm1::Image10Click, .mouseEnter = &TForm1::Image10MouseEnter,
         .mouseLeave = &TForm1::Image10MouseLeave},
        {CONTROL(Label32), .place = {536, 430, 129, 23}, .text = QStringLiteral("0.00"), .style = &result},
        {CONTROL(Image11), .place = {531, 121, 8, 14}, .shown = false, .style = &picture,
         .picture = "preview-pointer.png"},
        {CONTROL(Image13), .place = {568, 535, 112, 35}, .style = &handPicture, .click = &TForm1::Image9Click},
        {CONTROL(Label34), .place = {44, 546, 61, 18}, .text = QStringLiteral("2009-2013"), .style = &year},

        // Panels and edit fields lie over all of them.
        {CONTROL(Panel1), .place = {-240, 96, 177, 182}, .shown = false},
        {CONTROL(Image3), .parent = &TForm1::Panel1, .place = {0, 0, 177, 182}, .style = &picture,
         .picture = "material-list.png", .fillParent = true},
#define LIST_ITEM(n, id)                                                                                               \
    {CONTROL(n),                                                                                                       \
     .parent = &TForm1::Panel1,                                                                                        \
     .place = {1, 4 + 16 * (id - 1), 172, 14},                                                                         \
     .style = &listItem,                                                                                               \
     .listMaterial = id,                                                                                               \
     .opaque = id == mtCarbonSteel,                                                                                    \
     .background = listHover,                                                                                          \
     .click = &TForm1::LabelComboClick,                                                                                \
     .mouseEnter = &TForm1::LabelComboMouseEnter,                                                                      \
     .mouseLeave = &TForm1::LabelComboMouseLeave}
        LIST_ITEM(Label21, mtCarbonSteel),
        LIST_ITEM(Label22, mtStainlessSteel),
        LIST_ITEM(Label23, mtAluminium),
        LIST_ITEM(Label24, mtTitanium),
        LIST_ITEM(Label25, mtCopper),
        LIST_ITEM(Label26, mtNickel),
        LIST_ITEM(Label27, mtCastIron),
        LIST_ITEM(Label28, mtNichrome),
        LIST_ITEM(Label29, mtBrass),
        // Lead is created before bronze but shown below it.
        LIST_ITEM(Label30, mtLead),
        LIST_ITEM(Label31, mtBronze),
#undef LIST_ITEM

        {CONTROL(Panel2), .place = {16, 154, 193, 353}, .click = &TForm1::Panel2Click},
        {CONTROL(Image4), .parent = &TForm1::Panel2, .place = {0, 0, 193, 33}, .style = &picture,
         .picture = "menu-highlight.png"},
#define MENU_ITEM(n, kind, top)                                                                                        \
    {CONTROL(n),                                                                                                       \
     .parent = &TForm1::Panel2,                                                                                        \
     .place = {2, top, 177, 33},                                                                                       \
     .style = &menuItem,                                                                                               \
     .menuKind = kind,                                                                                                 \
     .click = &TForm1::n##Click,                                                                                       \
     .mouseEnter = &TForm1::LabelMouseEnter,                                                                           \
     .mouseLeave = &TForm1::LabelMouseLeave}
        MENU_ITEM(Label2, pkPipe, 0),
        MENU_ITEM(Label3, pkProfilePipe, 34),
        MENU_ITEM(Label4, pkSquare, 67),
        MENU_ITEM(Label5, pkRound, 100),
        MENU_ITEM(Label6, pkAngle, 133),
        MENU_ITEM(Label7, pkSheet, 166),
        MENU_ITEM(Label8, pkStrip, 199),
        MENU_ITEM(Label9, pkHexagon, 232),
        MENU_ITEM(Label10, pkChannel, 265),
        MENU_ITEM(Label11, pkBeam, 298),
#undef MENU_ITEM

#define INPUT_FIELD(n, top, visible)                                                                                   \
    {CONTROL(n),                                                                                                       \
     .place = {384, top, 97, 26},                                                                                      \
     .shown = visible,                                                                                                 \
     .text = QStringLiteral("0"),                                                                                      \
     .style = &field,                                                                                                  \
     .change = &TForm1::EditCalcChange,                                                                                \
     .enter = &TForm1::EditEnter,                                                                                      \
     .exit = &TForm1::EditExit,                                                                                        \
     .keyPress = &TForm1::EditKeyPress}
        // Creation order is the tab order: rows 1 to 4, then row 0.
        INPUT_FIELD(Edit1, 378, true),
        INPUT_FIELD(Edit2, 412, true),
        INPUT_FIELD(Edit3, 450, true),
        INPUT_FIELD(Edit5, 484, false),
        INPUT_FIELD(Edit6, 344, false),
#undef INPUT_FIELD
        {CONTROL(Edit4), .place = {800, 287, 49, 21}, .text = QStringLiteral("Edit4"), .style = &focusField},

        {CONTROL(Panel3), .place = {264, 136, 120, 120}, .shown = false, .background = qRgb(255, 255, 255)},
        {CONTROL(Image12), .parent = &TForm1::Panel3, .place = {0, 0, 120, 120}, .style = &picture, .center = true,
         .fillParent = true},
    };
    return layout;
}

#undef CONTROL

void TForm1::BuildControls()
{
    const auto connectControl = [this](ui::Control *control, const ControlSpec &spec) {
        using C = ui::Control;
        const auto on = [this, control](auto signal, ControlHandler handler) {
            if (handler)
                connect(control, signal, this, [this, control, handler] { (this->*handler)(control); });
        };
        on(&C::clicked, spec.click);
        on(&C::mouseEntered, spec.mouseEnter);
        on(&C::mouseLeft, spec.mouseLeave);
        if (spec.mouseDown)
            connect(control, &C::mousePressed, this,
                    [this, control, h = spec.mouseDown](Qt::MouseButton b, QPoint p) { (this->*h)(control, b, p); });
        if (spec.mouseMove)
            connect(control, &C::mouseMoved, this,
                    [this, control, h = spec.mouseMove](QPoint p) { (this->*h)(control, p); });
        if (spec.mouseUp)
            connect(control, &C::mouseReleased, this,
                    [this, control, h = spec.mouseUp](Qt::MouseButton b, QPoint p) { (this->*h)(control, b, p); });
    };
    const auto connectEdit = [this](ui::Edit *edit, const ControlSpec &spec) {
        const auto on = [this, edit](auto signal, EditHandler handler) {
            if (handler)
                connect(edit, signal, this, [this, edit, handler] { (this->*handler)(edit); });
        };
        on(&ui::Edit::changed, spec.change);
        on(&ui::Edit::entered, spec.enter);
        on(&ui::Edit::exited, spec.exit);
        if (spec.keyPress)
            connect(edit, &ui::Edit::keyPress, this,
                    [this, edit, h = spec.keyPress](QChar &key) { (this->*h)(edit, key); });
    };

    for (const ControlSpec &spec : Layout()) {
        QWidget *parent = spec.parent ? static_cast<QWidget *>(this->*spec.parent) : this;
        const Style *style = spec.style;
        QWidget *widget = std::visit(
            [&](auto member) -> QWidget * {
                using T = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
                auto *control = new T(parent);
                this->*member = control;
                control->setObjectName(QLatin1String(spec.name));
                control->setGeometry(spec.place);
                if (style && style->family) {
                    QFont font = control->font();
                    font.setFamily(ui::FontFamily(style->family));
                    font.setPixelSize(style->pixels);
                    font.setBold(style->bold);
                    font.setItalic(style->italic);
                    control->setFont(font);
                }
                if constexpr (std::is_same_v<T, ui::Edit>) {
                    if (style && style->maxLength)
                        control->setMaxLength(style->maxLength);
                    if (style && style->takesNoText) {
                        control->setReadOnly(true);
                        control->setCursor(Qt::IBeamCursor);  // as any field; read-only would take it away
                    }
                    control->setText(spec.text);
                    connectEdit(control, spec);
                } else {
                    if (style && style->cursor != Qt::ArrowCursor)
                        control->setCursor(style->cursor);
                    if (spec.toolTip)
                        control->setToolTip(QString::fromUtf8(spec.toolTip));
                    connectControl(control, spec);
                }
                if constexpr (std::is_same_v<T, ui::Label>) {
                    if (style) {
                        control->setFontColor(QColor(style->color));
                        control->setJustify(style->justify);
                        control->setLayout(style->layout);
                        control->setAutoSize(style->autoSize);
                    }
                    control->setTransparent(!spec.opaque);
                    control->setBackgroundColor(QColor(spec.background));
                    if (spec.menuKind) {
                        control->setCaption(QString::fromUtf8(Kind(spec.menuKind).menuCaption));
                        control->Hint = QString::number(spec.menuKind);
                        // The pipe is the item selected as designed.
                        control->Tag = spec.menuKind == pkPipe ? 1 : 0;
                    } else if (spec.listMaterial) {
                        control->setCaption(QString::fromUtf8(Material(spec.listMaterial).listCaption));
                        control->Tag = spec.listMaterial;
                    } else {
                        control->setCaption(spec.text);
                    }
                }
                if constexpr (std::is_same_v<T, ui::Image>) {
                    if (spec.picture)
                        control->setPictureName(QString::fromLatin1(spec.picture));
                    control->setCenter(spec.center);
                    control->setFillParent(spec.fillParent);
                }
                if constexpr (std::is_same_v<T, ui::Panel>)
                    control->setColor(QColor(spec.background));
                return control;
            },
            spec.control);
        widget->setHidden(!spec.shown);
    }
}
