#include "monkey.h"

#include "controlspec.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QWheelEvent>
#include <QWindow>

#include <array>

namespace {

// The close control: the session would end.
constexpr const char *kCloseControl = "Image8";

// The controls a click or a hover aims at, by name, and how often.
struct Target {
    const char *name;
    int weight;
};

// How often a control is aimed at, by what it is: the input fields most,
// then the choices a person makes (the mode's zones, the kinds, the boxes
// and the size list), the materials of the open list, and everything else
// (captions, pictures, the result, the links, the background) now and then.
int Weight(const layout::ControlSpec &spec)
{
    if (std::holds_alternative<layout::Member<ui::Edit>>(spec.control))
        return 8;
    switch (spec.role) {
    case QAccessible::RadioButton:
        return 4;
    case QAccessible::MenuItem:
    case QAccessible::ButtonDropDown:
    case QAccessible::Pane:
        return 3;
    case QAccessible::ListItem:
        return 2;
    default:
        return 1;
    }
}

// Every control of the layout table but the close control and those placed
// outside the window (the field that holds the focus out of sight, the
// material list until it opens). The window's size never changes.
const std::vector<Target> &Targets(const QRect &window)
{
    static const std::vector<Target> targets = [&window] {
        std::vector<Target> all;
        for (const layout::ControlSpec &spec : layout::Table())
            if (spec.name != std::string_view(kCloseControl) && (spec.parent || window.intersects(spec.place)))
                all.push_back({spec.name, Weight(spec)});
        return all;
    }();
    return targets;
}

int TotalWeight(const std::vector<Target> &targets)
{
    int total = 0;
    for (const Target &target : targets)
        total += target.weight;
    return total;
}

// The links of the footer, which ask the desktop to open the seller's site.
bool IsLink(const QWidget *widget)
{
    static const QStringList links = [] {
        QStringList names;
        for (const layout::ControlSpec &spec : layout::Table())
            if (spec.role == QAccessible::Link)
                names.append(QLatin1String(spec.name));
        return names;
    }();
    return widget && links.contains(widget->objectName());
}

// Texts that reach the clipboard: no keyboard types most of them.
const char16_t *const kPastes[] = {
    u"",
    u"0",
    u"00",
    u"0.0",
    u".",
    u"57",
    u"3.5",
    u"99999",
    u"1e400",
    u"1e5",
    u"-5",
    u" 7 ",
    u"3,5",
    u"1.2.3",
    u"\u0661\u0662\u0663",
    u"\u0663.\u0665",
    u"1\u00A0000",
    u"12345678901234567890",
    u"9999999.9",
    u"\U0001F642",
    u"abc",
    u"\t1\n2",
    u"+.e",
};

QString RandomText(QRandomGenerator &random)
{
    static const QString alphabet = QStringLiteral("0123456789.,-+eE xЖ\u0663\u00A0\t\n");
    QString text;
    for (int n = static_cast<int>(random.bounded(40)); n > 0; --n)
        text += alphabet[static_cast<int>(random.bounded(static_cast<int>(alphabet.size())))];
    return text;
}

QString Name(const QWidget *widget) { return widget ? widget->objectName() : QStringLiteral("nothing"); }

QString At(QPoint at) { return QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y()); }

}  // namespace

namespace {

// The offscreen platform cannot raise a context menu or give it the
// keyboard, and says so each time one opens.
QtMessageHandler gPreviousHandler = nullptr;

void QuietAboutOffscreenLimits(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        gPreviousHandler(type, context, text);
}

}  // namespace

Monkey::Monkey(const Calculator &calc, quint32 seed) : calc_(calc), random_(seed)
{
    gPreviousHandler = qInstallMessageHandler(QuietAboutOffscreenLimits);
}

Monkey::~Monkey() { qInstallMessageHandler(gPreviousHandler); }

void Monkey::note(const QString &event)
{
    ++actions_;
    recent_.append(QStringLiteral("#%1 %2").arg(actions_).arg(event));
    if (recent_.size() > 40)
        recent_.removeFirst();
}

void Monkey::act()
{
    if (QApplication::activePopupWidget()) {
        useMenu();
    } else if (calc_.form().isMinimized() && chance(50)) {
        restore();
    } else {
        const int roll = below(100);
        if (roll < 12)
            fill();
        else if (roll < 26)
            click(Qt::LeftButton);
        else if (roll < 34)
            hover();
        else if (roll < 60)
            key();
        else if (roll < 70)
            paste();
        else if (roll < 76)
            click(Qt::RightButton);
        else if (roll < 79)
            click(Qt::MiddleButton);
        else if (roll < 84)
            doubleClick();
        else if (roll < 92)
            drag();
        else
            wheel();
    }
    // What the events posted: repaints, deferred deletions, timers due.
    QCoreApplication::processEvents();
    // The list is a window of its own and the monkey's events are the
    // calculator's: a list that an event showed is closed again.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName() == QLatin1String("OrderWindow")) {
            window->close();
            calc_.form().activateWindow();
        }
}

QWidget *Monkey::someControl()
{
    const std::vector<Target> &targets = Targets(calc_.form().rect());
    for (int attempt = 0; attempt < 4; ++attempt) {
        int roll = below(TotalWeight(targets));
        for (const Target &target : targets) {
            roll -= target.weight;
            if (roll >= 0)
                continue;
            QWidget *control = calc_.find(target.name);
            if (control->isVisibleTo(&calc_.form()))
                return control;
            break;
        }
    }
    return nullptr;
}

bool Monkey::avoided(QPoint at) const
{
    // The close control would end the session.
    const QWidget *under = calc_.form().childAt(at);
    return under && under->objectName() == QLatin1String(kCloseControl);
}

QPoint Monkey::somePoint()
{
    const QRect window = calc_.form().rect();
    QPoint at;
    do
        at = QPoint(below(window.width()), below(window.height()));
    while (avoided(at));
    return at;
}

QPoint Monkey::somePointIn(QWidget *control)
{
    if (!control)
        return somePoint();
    const QRect window = calc_.form().rect();
    for (int attempt = 0; attempt < 4; ++attempt) {
        const QPoint inside(below(std::max(1, control->width())), below(std::max(1, control->height())));
        const QPoint at = control->mapTo(&calc_.form(), inside);
        if (window.contains(at) && !avoided(at))
            return at;
    }
    return somePoint();
}

void Monkey::click(Qt::MouseButton button)
{
    const QPoint at = chance(85) ? somePointIn(someControl()) : somePoint();
    const QWidget *under = calc_.form().childAt(at);
    note(QStringLiteral("%1 click at %2 on %3")
             .arg(button == Qt::LeftButton    ? "left"
                  : button == Qt::RightButton ? "right"
                                              : "middle",
                  At(at), Name(under)));
    if (button == Qt::LeftButton && IsLink(under))
        ++linkClicks_;
    calc_.click(at, button);
}

void Monkey::doubleClick()
{
    const QPoint at = somePointIn(someControl());
    const QWidget *under = calc_.form().childAt(at);
    note(QStringLiteral("double click at %1 on %2").arg(At(at), Name(under)));
    // The second press counts as a press of its own.
    if (IsLink(under))
        linkClicks_ += 2;
    QTest::mouseDClick(calc_.form().windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

void Monkey::fill()
{
    // A click into a shown field, then a short number typed, as a person
    // enters a dimension; sometimes every shown field, top to bottom.
    QList<QWidget *> shown;
    for (int row = 0; row < metal::kRowCount; ++row)
        if (QWidget *field = calc_.row(row); field->isVisibleTo(&calc_.form()))
            shown.append(field);
    if (chance(60)) {
        QWidget *one = shown[below(static_cast<int>(shown.size()))];
        shown = {one};
    }
    for (QWidget *field : std::as_const(shown)) {
        const QPoint at = somePointIn(field);
        note(QStringLiteral("left click at %1 on %2").arg(At(at), Name(calc_.form().childAt(at))));
        calc_.click(at);
        QString number = QString::number(1 + below(chance(50) ? 9 : 999));
        if (chance(30))
            number.insert(below(static_cast<int>(number.size()) + 1), u'.');
        for (const QChar c : std::as_const(number)) {
            QWidget *target = QApplication::focusWidget();
            if (!target)
                return;
            note(QStringLiteral("key %1 into %2").arg(c).arg(Name(target)));
            QTest::sendKeyEvent(QTest::Click, target, c == u'.' ? Qt::Key_Period : static_cast<Qt::Key>(c.unicode()),
                                QString(c), Qt::NoModifier);
        }
    }
}

void Monkey::hover()
{
    const QPoint at = somePointIn(someControl());
    note(QStringLiteral("pointer to %1 over %2").arg(At(at), Name(calc_.form().childAt(at))));
    calc_.pointAt(at);
}

void Monkey::drag()
{
    // From the background most often: that moves the window.
    const QPoint from = chance(50) ? somePointIn(calc_.find("Image1")) : somePointIn(someControl());
    QWidget *pressed = calc_.form().childAt(from);
    QString path = At(from);
    calc_.press(from);
    QPoint to = from;
    for (int moves = 1 + below(4); moves > 0; --moves) {
        to = somePoint();
        path += QStringLiteral(" ") + At(to);
        QTest::mouseMove(calc_.form().windowHandle(), to);
    }
    note(QStringLiteral("drag from %1: %2").arg(Name(pressed), path));
    // A release over the link pressed is a click on it.
    if (IsLink(pressed) && pressed->rect().contains(pressed->mapFrom(&calc_.form(), to)))
        ++linkClicks_;
    calc_.release(to);
}

void Monkey::wheel()
{
    const QPoint at = somePointIn(someControl());
    QWidget *under = calc_.form().childAt(at);
    QWidget *target = under ? under : &calc_.form();
    const QPoint angle(0, chance(50) ? 120 : -120);
    note(QStringLiteral("wheel %1 at %2 on %3").arg(angle.y()).arg(At(at), Name(under)));
    QWheelEvent event(target->mapFrom(&calc_.form(), QPointF(at)), calc_.form().mapToGlobal(QPointF(at)), QPoint(),
                      angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void Monkey::key()
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = &calc_.form();
    if (chance(45)) {
        const int digit = below(10);
        note(QStringLiteral("key %1 into %2").arg(digit).arg(Name(target)));
        QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(Qt::Key_0 + digit), QString::number(digit),
                            Qt::NoModifier);
        return;
    }
    const std::span<const NamedKey> keys = NamedKeys();
    const NamedKey &key = keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))];
    note(QStringLiteral("key %1 into %2").arg(QLatin1String(key.name), Name(target)));
    SendKey(target, key);
}

void Monkey::paste()
{
    const QString text =
        chance(70) ? QString::fromUtf16(kPastes[below(static_cast<int>(std::size(kPastes)))]) : RandomText(random_);
    QGuiApplication::clipboard()->setText(text);
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = &calc_.form();
    note(QStringLiteral("paste \"%1\" into %2").arg(text, Name(target)));
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
}

void Monkey::useMenu()
{
    QWidget *popup = QApplication::activePopupWidget();
    auto *menu = qobject_cast<QMenu *>(popup);
    const int roll = below(100);
    if (menu && roll < 55) {
        QList<QAction *> actions;
        for (QAction *action : menu->actions())
            if (action->isEnabled() && !action->isSeparator())
                actions.append(action);
        if (!actions.isEmpty()) {
            QAction *action = actions[below(static_cast<int>(actions.size()))];
            note(QStringLiteral("context menu: %1").arg(action->text()));
            QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(action).center());
            return;
        }
    }
    if (roll < 80) {
        note(QStringLiteral("Escape into the popup"));
        QTest::keyClick(popup, Qt::Key_Escape);
        return;
    }
    // A click beside the popup closes it; it is not aimed at a link, so the
    // links' count stays exact whether or not the click goes through.
    QPoint at = somePoint();
    while (IsLink(calc_.form().childAt(at)))
        at = somePoint();
    note(QStringLiteral("click beside the popup at %1").arg(At(at)));
    calc_.click(at);
}

void Monkey::restore()
{
    // As the task bar does it.
    note(QStringLiteral("restore from the task bar"));
    calc_.form().showNormal();
    calc_.form().activateWindow();
}
