// Builds the main window from its layout table: each control is made,
// placed, configured by its type and wired to its handlers.
#include "controlspec.h"
#include "fonts.h"

using namespace layout;

namespace {

void ApplyFont(QWidget *control, const Style *style)
{
    if (!style || !style->family)
        return;
    QFont font = control->font();
    font.setFamily(ui::FontFamily(style->family));
    font.setPixelSize(style->pixels);
    font.setBold(style->bold);
    font.setItalic(style->italic);
    control->setFont(font);
}

// What every label, picture and panel has.
void Configure(ui::Control *control, const ControlSpec &spec)
{
    if (spec.style && spec.style->cursor != Qt::ArrowCursor)
        control->setCursor(spec.style->cursor);
    if (spec.toolTip)
        control->setToolTip(QString::fromUtf8(spec.toolTip));
    control->Tag = spec.tag;
    control->Hint = spec.hint;
    if (spec.role != QAccessible::NoRole)
        control->setAccessibleRole(spec.role);
    if (!spec.spokenName.isEmpty())
        control->setSpokenName(spec.spokenName);
    if (spec.current)
        control->setCurrentWhen([control, current = spec.current] { return current(*control); });
}

void Configure(ui::Label *label, const ControlSpec &spec)
{
    Configure(static_cast<ui::Control *>(label), spec);
    if (const Style *style = spec.style) {
        label->setFontColor(QColor(style->color));
        label->setJustify(style->justify);
        label->setLayout(style->layout);
        label->setAutoSize(style->autoSize);
    }
    label->setTransparent(!spec.opaque);
    label->setBackgroundColor(QColor(spec.background));
    label->setCaption(spec.text);
}

void Configure(ui::Image *image, const ControlSpec &spec)
{
    Configure(static_cast<ui::Control *>(image), spec);
    if (spec.picture)
        image->setPictureName(QString::fromLatin1(spec.picture));
    image->setCenter(spec.center);
    image->setFillParent(spec.fillParent);
}

void Configure(ui::Panel *panel, const ControlSpec &spec)
{
    Configure(static_cast<ui::Control *>(panel), spec);
    panel->setColor(QColor(spec.background));
}

void Configure(ui::Edit *edit, const ControlSpec &spec)
{
    if (spec.style && spec.style->maxLength)
        edit->setMaxLength(spec.style->maxLength);
    edit->setText(spec.text);
    // Setting the text a field holds empties its undo; once the edit that
    // changed it is over.
    if (spec.style && spec.style->keepsNoUndo)
        QObject::connect(
            edit, &QLineEdit::textChanged, edit, [edit] { edit->setText(edit->text()); }, Qt::QueuedConnection);
}

// Connects the control's notifications to the window's handlers.
void Wire(TForm1 *form, ui::Control *control, const ControlSpec &spec)
{
    using C = ui::Control;
    const auto on = [form, control](auto signal, ControlHandler handler) {
        if (handler)
            QObject::connect(control, signal, form, [form, control, handler] { (form->*handler)(control); });
    };
    on(&C::clicked, spec.click);
    on(&C::mouseEntered, spec.mouseEnter);
    on(&C::mouseLeft, spec.mouseLeave);
    if (const ButtonHandler down = spec.mouseDown)
        QObject::connect(control, &C::mousePressed, form,
                         [form, control, down](Qt::MouseButton b, QPoint p) { (form->*down)(control, b, p); });
    if (const MoveHandler move = spec.mouseMove)
        QObject::connect(control, &C::mouseMoved, form, [form, control, move](QPoint p) { (form->*move)(control, p); });
    if (const ButtonHandler up = spec.mouseUp)
        QObject::connect(control, &C::mouseReleased, form,
                         [form, control, up](Qt::MouseButton b, QPoint p) { (form->*up)(control, b, p); });
}

void Wire(TForm1 *form, ui::Edit *edit, const ControlSpec &spec)
{
    const auto on = [form, edit](auto signal, EditHandler handler) {
        if (handler)
            QObject::connect(edit, signal, form, [form, edit, handler] { (form->*handler)(edit); });
    };
    on(&ui::Edit::changed, spec.change);
    on(&ui::Edit::entered, spec.enter);
    on(&ui::Edit::exited, spec.exit);
    if (const KeyHandler key = spec.keyPress)
        QObject::connect(edit, &ui::Edit::keyPress, form,
                         [form, edit, key](QChar &typed) { (form->*key)(edit, typed); });
}

}  // namespace

void TForm1::BuildControls()
{
    for (const ControlSpec &spec : layout::Table()) {
        QWidget *parent = spec.parent ? static_cast<QWidget *>(this->*spec.parent) : this;
        std::visit(
            [&](auto member) {
                using T = std::remove_pointer_t<std::remove_reference_t<decltype(this->*member)>>;
                auto *control = new T(parent);
                this->*member = control;
                control->setObjectName(QLatin1String(spec.name));
                control->setGeometry(spec.place);
                ApplyFont(control, spec.style);
                Configure(control, spec);
                Wire(this, control, spec);
                control->setHidden(!spec.shown);
            },
            spec.control);
    }
}
