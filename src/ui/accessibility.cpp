#include "accessibility.h"

#include "accessibleplaces.h"
#include "controls.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QScreen>

namespace ui {

namespace {

// Whether assistive technology listens: the notifications below cost
// nothing while none does.
bool Listening() { return QAccessible::isActive(); }

// An announcement: a notification that is never shown, whose "showing"
// event makes screen readers speak it. Orca speaks a notification as it
// appears, wherever the focus is; it ignores the name changes of anything
// but the focused control, and of labels altogether. A label's says its
// text as it changes; any control's says what it is told.
class Announcement : public QObject {
public:
    explicit Announcement(QObject *owner) : QObject(owner) {}
    // The label whose text it says, if it belongs to one of the window's.
    Label *label() const { return qobject_cast<Label *>(parent()); }

    // What a sighted person reads there: the caption of the label, if it
    // has one, and the label's text, on one line.
    QString text() const
    {
        if (!label())
            return {};
        QString text = label()->shownText().simplified();
        if (const Label *caption = label()->labelledBy())
            text.prepend(caption->shownText().simplified() + u' ');
        return text;
    }

    // The label's own text, once it changed.
    void schedule()
    {
        changed_ = true;
        post();
    }
    // Another text, said from the control: what changes beside it, what
    // an action did.
    void tell(const QString &text)
    {
        told_ = text;
        post();
    }

    QString said;  // what the last announcement said

private:
    void post()
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
                QString now;
                if (changed_ && text() != spoken_)
                    now = spoken_ = text();
                if (now.isEmpty())
                    now = told_;
                changed_ = false;
                told_.clear();
                if (now.isEmpty())
                    return;
                said = now;
                QAccessibleEvent event(this, QAccessible::ObjectShow);
                QAccessible::updateAccessibility(&event);
            },
            Qt::QueuedConnection);
    }

    QString spoken_;  // the label's own text, as last announced
    QString told_;
    bool changed_ = false;
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

    QRect rect() const override { return ScreenPlace(widget()); }

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
            return control()->spokenDescription();
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

    QStringList actionNames() const override
    {
        QStringList names;
        if (Pressable(role()))
            names.append(pressAction());
        if (control()->hasMenu())
            names.append(showMenuAction());
        return names;
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == pressAction() && !control()->keyBinding().isEmpty())
            return {control()->keyBinding()};
        return {};
    }

    void doAction(const QString &action) override
    {
        // Only what a pointer could click: a shown control.
        if (action == pressAction() && Pressable(role()) && control()->isVisible())
            control()->click();
        else if (action == showMenuAction() && control()->hasMenu() && control()->isVisible())
            control()->askForMenu(control()->mapToGlobal(control()->rect().center()));
    }
};

class AnnouncementInterface : public QAccessibleObject {
public:
    explicit AnnouncementInterface(Announcement *announcement) : QAccessibleObject(announcement) {}
    Announcement *announcement() const { return static_cast<Announcement *>(object()); }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(announcement()->parent());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? announcement()->said : QString();
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
        return NewFieldInterface(static_cast<Edit *>(object));
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

// Screen readers take places in the screen's own pixels. Qt 6.4 hands them
// its scaled ones, which on a scaled X11 desktop (QT_SCALE_FACTOR, or a
// high Xft.dpi) are off by the scale: a place is scaled about the origin of
// its screen, as Qt scales it. Elsewhere (Wayland) there are no screen
// coordinates to be true to.
qreal ScreenScale(const QWidget *widget)
{
    static const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    return x11 ? widget->devicePixelRatioF() : 1;
}

}  // namespace

QRect ToScreen(const QWidget *widget, const QRect &local)
{
    const QRect scaled(widget->mapToGlobal(local.topLeft()), local.size());
    const qreal scale = ScreenScale(widget);
    if (scale == 1 || !widget->screen())
        return scaled;
    const QPoint origin = widget->screen()->geometry().topLeft();
    return QRect(origin + (scaled.topLeft() - origin) * scale, scaled.size() * scale);
}

QPoint FromScreen(const QWidget *widget, QPoint point)
{
    const qreal scale = ScreenScale(widget);
    if (scale != 1 && widget->screen()) {
        const QPoint origin = widget->screen()->geometry().topLeft();
        point = origin + (point - origin) / scale;
    }
    return widget->mapFromGlobal(point);
}

QRect ScreenPlace(const QWidget *widget) { return widget->isVisible() ? ToScreen(widget, widget->rect()) : QRect(); }

Relations CaptionRelation(Label *caption, QAccessible::Relation match)
{
    if (!caption || !(match & QAccessible::Label))
        return {};
    return {{QAccessible::queryAccessibleInterface(caption), QAccessible::Label}};
}

void InstallAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Factory);
}

void MakeAnnounced(Label *label)
{
    if (!AnnouncementOf(label))
        new Announcement(label);
}

void Announce(QObject *owner, const QString &text)
{
    if (!Listening())
        return;
    Announcement *announcement = AnnouncementOf(owner);
    (announcement ? announcement : new Announcement(owner))->tell(text);
}

void NotifyNameChanged(QWidget *control)
{
    if (Listening())
        Notify(control, QAccessible::NameChanged);
}

void NotifyDescriptionChanged(QWidget *control)
{
    if (Listening())
        Notify(control, QAccessible::DescriptionChanged);
}

void NotifyCaptionChanged(Label *label)
{
    if (!Listening())
        return;
    Notify(label, QAccessible::NameChanged);
    if (auto *field = qobject_cast<Edit *>(label->buddy()))
        Notify(field, QAccessible::NameChanged);
    if (Announcement *announcement = AnnouncementOf(label))
        announcement->schedule();
}

void NotifyChoicesChanged(QWidget *window)
{
    if (!Listening())
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
