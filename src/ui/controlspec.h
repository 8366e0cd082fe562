// A row of the window's layout table: which control, where, with what text,
// style, role and handlers. The table is in layout.cpp; the loop that builds
// the window from it in buildcontrols.cpp.
#pragma once

#include "controls.h"
#include "mainunit.h"

#include <QAccessible>
#include <QRect>
#include <QString>

#include <variant>
#include <vector>

namespace layout {

struct Style {
    const char *family = nullptr;  // nullptr: the window's font
    int pixels = 0;
    bool bold = false;
    bool italic = false;
    QRgb color = ui::kWindowText;
    ui::Label::Justify justify = ui::Label::Justify::Left;
    ui::Label::Layout layout = ui::Label::Layout::Top;
    bool autoSize = false;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    int maxLength = 0;         // edit fields; 0 for no limit
    bool keepsNoUndo = false;  // edit fields
};

template <class T> using Member = T *TForm1::*;
using ControlHandler = void (TForm1::*)(ui::Control *);
using EditHandler = void (TForm1::*)(ui::Edit *);
using KeyHandler = void (TForm1::*)(ui::Edit *, QChar &);
using ButtonHandler = void (TForm1::*)(ui::Control *, Qt::MouseButton, QPoint);
using MoveHandler = void (TForm1::*)(ui::Control *, QPoint);

struct ControlSpec {
    std::variant<Member<ui::Image>, Member<ui::Label>, Member<ui::Edit>, Member<ui::Panel>> control{};
    const char *name = nullptr;
    Member<ui::Panel> parent = nullptr;  // nullptr: the window
    QRect place{};
    bool shown = true;
    QString text{};
    const Style *style = nullptr;
    int tag = 0;
    QString hint{};
    // Pictures.
    const char *picture = nullptr;  // a fixed picture of the window
    bool center = false;
    bool fillParent = false;
    // Labels: opaque in this colour; panels: their colour.
    bool opaque = false;
    QRgb background = ui::kButtonFace;
    const char *toolTip = nullptr;
    // For screen readers: what the control is (labels are read by their
    // text unless they say otherwise; a picture without a role only
    // decorates), the name of one that shows no text and has no tool tip,
    // and for a choice, when it is the current one.
    QAccessible::Role role = QAccessible::NoRole;
    QString spokenName{};
    bool (*current)(const ui::Control &) = nullptr;
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

    ControlSpec withTag(int value) const
    {
        ControlSpec spec = *this;
        spec.tag = value;
        return spec;
    }
};

// The rows in creation order: a later control lies over an earlier one.
const std::vector<ControlSpec> &Table();

}  // namespace layout
