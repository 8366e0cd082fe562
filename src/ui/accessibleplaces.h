// What the accessible interfaces of the window's controls share: places in
// the screen's own pixels, and the relation to a control's caption.
#pragma once

#include <QAccessible>
#include <QRect>

class QWidget;

namespace ui {

class Edit;
class Label;

// A place in a widget, and a point on the screen, in the screen's own
// pixels, as assistive technology takes them.
QRect ToScreen(const QWidget *widget, const QRect &local);
QPoint FromScreen(const QWidget *widget, QPoint point);
// Where a control lies on the screen; nothing while it is hidden.
QRect ScreenPlace(const QWidget *widget);

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;
// Labelled by the caption, when there is one and the relation is asked for.
Relations CaptionRelation(Label *caption, QAccessible::Relation match);

// The interface of an input field (fieldaccessibility.cpp).
QAccessibleInterface *NewFieldInterface(Edit *edit);

}  // namespace ui
