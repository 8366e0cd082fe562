#include "accessibility.h"

#include "controls.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QFontMetrics>

namespace ui {

namespace {

// Whether assistive technology listens: the notifications below cost
// nothing while none does.
bool g_listening = false;

class Listening : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override { g_listening = active; }
};

// A label's announcement: a notification that is never shown, whose
// "showing" event makes screen readers speak it. Orca speaks a notification
// as it appears, wherever the focus is; it ignores the name changes of
// anything but the focused control, and of labels altogether.
class Announcement : public QObject {
public:
    explicit Announcement(Label *label) : QObject(label) {}
    Label *label() const { return static_cast<Label *>(parent()); }

    // What a sighted person reads there: the caption of the label, if it
    // has one, and the label's text, on one line.
    QString text() const
    {
        QString text = label()->shownText().simplified();
        if (const Label *caption = label()->labelledBy())
            text.prepend(caption->shownText().simplified() + u' ');
        return text;
    }

    void schedule()
    {
        // A result is written in steps (the number, then its unit): one
        // announcement when they are done, and none when nothing changed.
        if (pending_)
            return;
        pending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                pending_ = false;
                const QString now = text();
                if (now == spoken)
                    return;
                spoken = now;
                QAccessibleEvent event(this, QAccessible::ObjectShow);
                QAccessible::updateAccessibility(&event);
            },
            Qt::QueuedConnection);
    }

    QString spoken;  // what the last announcement said

private:
    bool pending_ = false;
};

Announcement *AnnouncementOf(const QObject *label)
{
    return label->findChild<Announcement *>(QString(), Qt::FindDirectChildrenOnly);
}

// The roles of the controls that a click does something with.
bool Pressable(QAccessible::Role role)
{
    using A = QAccessible;
    return role == A::PushButton || role == A::ButtonDropDown || role == A::MenuItem || role == A::ListItem ||
           role == A::RadioButton || role == A::Link;
}

using Relations = QList<QPair<QAccessibleInterface *, QAccessible::Relation>>;

Relations CaptionRelation(Label *caption, QAccessible::Relation match)
{
    if (!caption || !(match & QAccessible::Label))
        return {};
    return {{QAccessible::queryAccessibleInterface(caption), QAccessible::Label}};
}

// What a screen reader meets inside a window, a panel or a label, in the
// order they lie, the lowest first: decorations are left out.
QObjectList PresentedChildren(const QObject *parent)
{
    QObjectList presented;
    for (QObject *child : parent->children()) {
        if (child->isWidgetType()) {
            const auto *widget = static_cast<QWidget *>(child);
            const auto *control = qobject_cast<const Control *>(widget);
            if (widget->isWindow() || (control && control->accessibleRole() == QAccessible::NoRole))
                continue;
        } else if (!dynamic_cast<Announcement *>(child)) {
            continue;
        }
        presented.append(child);
    }
    return presented;
}

// A window, a panel or a control: the children a screen reader meets.
class Presenting : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(PresentedChildren(object()).size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QObjectList children = PresentedChildren(object());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(PresentedChildren(object()).indexOf(child->object())) : -1;
    }

    // The uppermost child there, as the pointer would find it.
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QObjectList children = PresentedChildren(object());
        for (auto child = children.rbegin(); child != children.rend(); ++child)
            if (QAccessibleInterface *candidate = QAccessible::queryAccessibleInterface(*child);
                candidate && candidate->rect().contains(x, y))
                return candidate;
        return nullptr;
    }
};

class ControlInterface : public Presenting {
public:
    explicit ControlInterface(Control *control) : Presenting(control, control->accessibleRole()) {}
    Control *control() const { return static_cast<Control *>(object()); }

    QAccessible::Role role() const override { return control()->accessibleRole(); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            if (const auto *label = qobject_cast<const Label *>(control()); label && !label->shownText().isEmpty())
                return label->shownText();
            return control()->spokenName();
        case QAccessible::Description:  // the tool tip is the name already
            return {};
        default:
            return Presenting::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = Presenting::state();
        if (control()->isChoice()) {
            const bool current = control()->isCurrent();
            if (role() == QAccessible::ListItem) {
                state.selectable = true;
                state.selected = current;
            } else {
                state.checkable = true;
                state.checked = current;
            }
        }
        return state;
    }

    Relations relations(QAccessible::Relation match) const override
    {
        return CaptionRelation(control()->labelledBy(), match);
    }

    QStringList actionNames() const override { return Pressable(role()) ? QStringList{pressAction()} : QStringList{}; }

    void doAction(const QString &action) override
    {
        // Only what a pointer could click: a shown control.
        if (action == pressAction() && Pressable(role()) && control()->isVisible())
            control()->click();
    }
};

// An input field, named by the caption of its row. The field that holds the
// focus outside the window, when no row should, shows nothing: it stands for
// the window itself and takes its title. Offers no way to write into the
// field other than typing, which passes the field's key filter.
class FieldInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FieldInterface(Edit *edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}
    Edit *edit() const { return static_cast<Edit *>(object()); }

    bool outsideWindow() const
    {
        const QWidget *window = edit()->window();
        return !window->rect().intersects(QRect(edit()->mapTo(window, QPoint()), edit()->size()));
    }
    QString shown() const { return outsideWindow() ? QString() : edit()->text(); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        if (t == QAccessible::Name && edit()->labelledBy())
            return edit()->labelledBy()->shownText();
        if (t == QAccessible::Name && outsideWindow())
            return edit()->window()->windowTitle();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    Relations relations(QAccessible::Relation match) const override
    {
        return CaptionRelation(edit()->labelledBy(), match);
    }

    // The text, as the field shows it.
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return {};
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    int cursorPosition() const override { return outsideWindow() ? 0 : edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() && !outsideWindow() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || selectionCount() == 0)
            return;
        *startOffset = edit()->selectionStart();
        *endOffset = *startOffset + int(edit()->selectedText().size());
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { edit()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }
    // The fields hold five characters at most, left aligned: they never
    // scroll.
    QRect characterRect(int offset) const override
    {
        const QString ch = text(offset, offset + 1);
        if (ch.isEmpty())
            return {};
        const QFontMetrics metrics(edit()->font());
        const QRect inside = edit()->contentsRect().marginsRemoved(edit()->textMargins());
        const QRect box(inside.left() + 2 + metrics.horizontalAdvance(shown().left(offset)),
                        inside.top() + (inside.height() - metrics.height()) / 2, metrics.horizontalAdvance(ch),
                        metrics.height());
        return box.translated(edit()->mapToGlobal(QPoint()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return outsideWindow() ? -1 : edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int, int) override {}
};

class AnnouncementInterface : public QAccessibleObject {
public:
    explicit AnnouncementInterface(Announcement *announcement) : QAccessibleObject(announcement) {}
    Announcement *announcement() const { return static_cast<Announcement *>(object()); }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(announcement()->label());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? announcement()->spoken : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ui::Edit"))
        return new FieldInterface(static_cast<Edit *>(object));
    if (className == QLatin1String("ui::Label") || className == QLatin1String("ui::Image") ||
        className == QLatin1String("ui::Panel"))
        return new ControlInterface(static_cast<Control *>(object));
    if (className == QLatin1String("QWidget") && object->isWidgetType() && static_cast<QWidget *>(object)->isWindow())
        return new Presenting(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("QObject"))
        if (auto *announcement = dynamic_cast<Announcement *>(object))
            return new AnnouncementInterface(announcement);
    return nullptr;
}

void Notify(QObject *object, QAccessible::Event type)
{
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Factory);
    static Listening listening;
    QAccessible::installActivationObserver(&listening);
    g_listening = QAccessible::isActive();
}

void MakeAnnounced(Label *label)
{
    if (!AnnouncementOf(label))
        new Announcement(label);
}

void NotifyNameChanged(QWidget *control)
{
    if (g_listening)
        Notify(control, QAccessible::NameChanged);
}

void NotifyCaptionChanged(Label *label)
{
    if (!g_listening)
        return;
    Notify(label, QAccessible::NameChanged);
    if (auto *field = qobject_cast<Edit *>(label->buddy()))
        Notify(field, QAccessible::NameChanged);
    if (Announcement *announcement = AnnouncementOf(label))
        announcement->schedule();
}

void NotifyChoicesChanged(QWidget *window)
{
    if (!g_listening)
        return;
    for (Control *control : window->findChildren<Control *>()) {
        if (!control->isChoice())
            continue;
        if (control->accessibleRole() == QAccessible::ListItem) {
            Notify(control, control->isCurrent() ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
        } else {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(control, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}

}  // namespace ui
