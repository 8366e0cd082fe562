// A monkey at the real window: random events, as a careless person and a
// cat on the keyboard would make them, drawn from a seeded generator so that
// the same seed replays the same events. Clicks and hovers lean toward the
// controls of the window's layout table; keys go to whatever holds the focus;
// pastes bring texts no keyboard types; context menus, drags, wheels and the
// minimise control are used too. The close control never is: the session
// would end.
#pragma once

#include <QPoint>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

class Calculator;
class QWidget;

class Monkey {
public:
    Monkey(const Calculator &calc, quint32 seed);
    ~Monkey();
    Monkey(const Monkey &) = delete;
    Monkey &operator=(const Monkey &) = delete;

    // One gesture (a click, a key, a paste, a drag, a click into a field and
    // a few keys...) and what it set off.
    void act();
    // The events made so far: clicks, keys, drags, pastes...
    int actions() const { return actions_; }
    // Left clicks on the footer's links, which ask the desktop to open the
    // seller's web site.
    int linkClicks() const { return linkClicks_; }
    // The latest events, oldest first, to tell what led to a failure.
    QString recent() const { return recent_.join(QLatin1Char('\n')); }

private:
    void note(const QString &event);
    int below(int bound) { return static_cast<int>(random_.bounded(bound)); }
    bool chance(int percent) { return below(100) < percent; }

    QWidget *someControl();
    QPoint somePointIn(QWidget *control);
    QPoint somePoint();
    bool avoided(QPoint at) const;

    void fill();
    void click(Qt::MouseButton button);
    void doubleClick();
    void hover();
    void drag();
    void wheel();
    void key();
    void paste();
    void useMenu();
    void restore();

    const Calculator &calc_;
    QRandomGenerator random_;
    int actions_ = 0;
    int linkClicks_ = 0;
    QStringList recent_;
};
