// The window from the keyboard: the keys that change the kind, the
// material and the mode wherever the focus is, copying the result and the
// calculation, and the window's menu.
#include "windowfixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QWindow>
#include <QtTest>

using namespace metal;

namespace {

struct Key {
    const char *name;
    QKeyCombination key;
    const char16_t *text;
};

// The keys of the script, by name; anything else is typed as it stands.
constexpr Key kKeys[] = {
    {"Ctrl+PgDn", Qt::CTRL | Qt::Key_PageDown, u""},
    {"Ctrl+PgUp", Qt::CTRL | Qt::Key_PageUp, u""},
    {"Ctrl+Tab", Qt::CTRL | Qt::Key_Tab, u""},
    {"Ctrl+Shift+Tab", Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, u""},
    {"Ctrl+0", Qt::CTRL | Qt::Key_0, u"0"},
    {"Ctrl+3", Qt::CTRL | Qt::Key_3, u"3"},
    {"Ctrl+6", Qt::CTRL | Qt::Key_6, u"6"},
    {"F3", Qt::Key_F3, u""},
    {"Ctrl+5", Qt::CTRL | Qt::Key_5, u"5"},
    {"F4", Qt::Key_F4, u""},
    {"Alt+Down", Qt::ALT | Qt::Key_Down, u""},
    {"Up", Qt::Key_Up, u""},
    {"Down", Qt::Key_Down, u""},
    {"Enter", Qt::Key_Return, u"\r"},
    {"Esc", Qt::Key_Escape, u"\x1b"},
    {"Alt+1", Qt::ALT | Qt::Key_1, u"1"},
    {"Alt+2", Qt::ALT | Qt::Key_2, u"2"},
    {"Tab", Qt::Key_Tab, u"\t"},
    {"Ctrl+C", Qt::CTRL | Qt::Key_C, u"\x03"},
    {"Shift+Home", Qt::SHIFT | Qt::Key_Home, u""},
    {"Alt+Space", Qt::ALT | Qt::Key_Space, u" "},
    {"Shift+F10", Qt::SHIFT | Qt::Key_F10, u""},
};

// Presses the keys of a script ("F4 Down Enter Tab 57") at whatever holds
// the focus, each through the event loop as a person's would go.
void Press(const Calculator &calc, const QString &script)
{
    for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
        const Key *named = nullptr;
        for (const Key &key : kKeys)
            if (word == QLatin1String(key.name))
                named = &key;
        if (!named) {
            calc.type(word);
            continue;
        }
        QTest::sendKeyEvent(QTest::Click, calc.focus(), named->key.key(), QString::fromUtf16(named->text),
                            named->key.keyboardModifiers());
        QCoreApplication::sendPostedEvents();
    }
}

// The kind's title, without the menu item's indent that it takes.
QString Title(const Calculator &calc) { return calc.find<ui::Label>("Label17")->caption().trimmed(); }

}  // namespace

class KeysTest : public QObject {
    Q_OBJECT

private slots:
    void keysChangeTheChoices_data();
    void keysChangeTheChoices();
    void clipboardTexts_data();
    void clipboardTexts();
    void resultMenuIsReachable();
    void windowMenuKeepsTheWindowOnTop();
};

void KeysTest::keysChangeTheChoices_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("material");
    QTest::addColumn<QString>("total");  // the mode, as the result block says it
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("result");
    const QString pipe = QStringLiteral("Труба"), beam = QStringLiteral("Балка");
    const QString carbon = QStringLiteral("  Углеродная сталь"), mass = QStringLiteral("Итого вес:");
    const QString off = QStringLiteral("Edit4"), zero = QStringLiteral("0.00 кг  ");
    QTest::newRow("next kind") << "Ctrl+PgDn"
                               << "Труба\rпрофильная" << carbon << mass << off << zero;
    QTest::newRow("previous kind wraps to the beam") << "Ctrl+PgUp" << beam << carbon << mass << off << zero;
    QTest::newRow("Ctrl+Tab, Ctrl+Shift+Tab") << "Ctrl+Tab Ctrl+Tab Ctrl+Shift+Tab"
                                              << "Труба\rпрофильная" << carbon << mass << off << zero;
    QTest::newRow("the beam wraps to the pipe") << "Ctrl+0 Ctrl+PgDn" << pipe << carbon << mass << off << zero;
    QTest::newRow("a kind by its place") << "Ctrl+5"
                                         << "Уголок" << carbon << mass << off << zero;
    QTest::newRow("material list: down, enter")
        << "F4 Down Enter" << pipe << "  Нержавеющая сталь" << mass << off << zero;
    QTest::newRow("material list: the highlight stops at the top")
        << "Alt+Down Up Up Down Down Enter" << pipe << "  Аллюминий" << mass << off << zero;
    QTest::newRow("material list: Esc changes nothing") << "F4 Down Down Esc" << pipe << carbon << mass << off << zero;
    QTest::newRow("length mode") << "Alt+1" << pipe << carbon << "Итого длина:" << off << "0.00 м  ";
    QTest::newRow("and back") << "Alt+1 Alt+2" << pipe << carbon << mass << off << zero;
    // A whole calculation: the keys work in a field as in the off-window one.
    QTest::newRow("a pipe of stainless steel")
        << "Tab 57 Tab 3.5 Tab 1 F4 Down Enter" << pipe << "  Нержавеющая сталь" << mass << "Edit3"
        << "4.7 кг  ";
    QTest::newRow("a kind change from a field") << "Tab 57 Ctrl+PgDn"
                                                << "Труба\rпрофильная" << carbon << mass << off << zero;
}

void KeysTest::keysChangeTheChoices()
{
    QFETCH(QString, keys);
    QFETCH(QString, title);
    QFETCH(QString, material);
    QFETCH(QString, total);
    QFETCH(QString, focus);
    QFETCH(QString, result);
    Calculator calc;
    Press(calc, keys);
    QCOMPARE(Title(calc), title);
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(), material);
    QCOMPARE(calc.find<ui::Label>("Label18")->caption(), total);
    QCOMPARE(calc.focus()->objectName(), focus);
    QCOMPARE(calc.result()->caption(), result);
    QVERIFY(!calc.find("Panel1")->isVisible());
}

void KeysTest::clipboardTexts_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("copied");       // Ctrl+C in the last field
    QTest::addColumn<QString>("calculation");  // the result menu's second item
    QTest::newRow("pipe")
        << "Tab 57 Tab 3.5 Tab 1"
        << "4.6 кг"
        << "Труба: внешний диаметр 57 мм, толщина стенки 3.5 мм, длина 1 м, углеродная сталь — 4.6 кг";
    QTest::newRow("square in length mode, aluminium") << "Ctrl+3 Alt+1 F4 Down Down Enter Tab 20 Tab 10"
                                                      << "9.3 м"
                                                      << "Квадрат: ширина 20 мм, масса 10 кг, аллюминий — 9.3 м";
    QTest::newRow("sheets by area") << "Ctrl+6 Alt+1 Tab 1000 Tab 2000 Tab 3 Tab 2"
                                    << "4.0 м2"
                                    << "Лист: ширина 1000 мм, длина 2000 мм, толщина 3 мм, количество листов 2 шт, "
                                       "углеродная сталь — 4.0 м2";
    QTest::newRow("beam of a standard size")
        << "Ctrl+0 F3 20Б1 Enter 1"
        << "22.4 кг"
        << "Балка 20Б1, ГОСТ 26020-83: высота 200 мм, ширина 100 мм, перемычка 5.6 мм, стенка 8.5 мм, длина 1 м, "
           "углеродная сталь — 22.4 кг";
}

void KeysTest::clipboardTexts()
{
    QFETCH(QString, keys);
    QFETCH(QString, copied);
    QFETCH(QString, calculation);
    Calculator calc;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    Press(calc, keys);
    Press(calc, QStringLiteral("Ctrl+C"));
    QCOMPARE(clipboard->text(), copied);
    Press(calc, QStringLiteral("Shift+F10"));
    auto *menu = calc.form().findChild<QMenu *>(QStringLiteral("ResultMenu"));
    QVERIFY(menu && menu->isVisible());
    menu->actions().at(1)->trigger();
    menu->hide();
    QCOMPARE(clipboard->text(), calculation);
}

void KeysTest::resultMenuIsReachable()
{
    Calculator calc;
    Press(calc, QStringLiteral("Tab 57 Tab 3.5 Tab 1"));
    // A screen reader opens the result's menu by its action.
    QAccessibleInterface *result = QAccessible::queryAccessibleInterface(calc.result());
    QVERIFY(result->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    result->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    auto *menu = calc.form().findChild<QMenu *>(QStringLiteral("ResultMenu"));
    QVERIFY(menu && menu->isVisible());
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->text());
    QCOMPARE(texts, (QStringList{QStringLiteral("Копировать"), QStringLiteral("Копировать расчёт"),
                                 QStringLiteral("Добавить в список")}));
    menu->actions().at(0)->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("4.6 кг"));
    menu->hide();
    // A right click on the result box opens it too.
    calc.click(calc.centreOf(calc.find("Image7")), Qt::RightButton);
    QVERIFY(menu->isVisible());
    menu->hide();
}

void KeysTest::windowMenuKeepsTheWindowOnTop()
{
    Calculator calc;
    const auto onTop = [&calc] { return calc.form().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); };
    QVERIFY(!onTop());
    // A right click below the title band opens nothing.
    calc.click(kBackground, Qt::RightButton);
    QVERIFY(!calc.form().findChild<QMenu *>(QStringLiteral("WindowMenu")));
    Press(calc, QStringLiteral("Alt+Space"));
    auto *menu = calc.form().findChild<QMenu *>(QStringLiteral("WindowMenu"));
    QVERIFY(menu && menu->isVisible());
    QAction *action = menu->actions().value(0);
    QCOMPARE(action->text(), QStringLiteral("Поверх всех окон"));
    QVERIFY(action->isCheckable() && !action->isChecked());
    action->trigger();
    menu->hide();
    QVERIFY(onTop());
    // On the title band, the menu says it is on.
    calc.click(QPoint(300, 20), Qt::RightButton);
    QVERIFY(menu->isVisible());
    QVERIFY(action->isChecked());
    action->trigger();
    menu->hide();
    QVERIFY(!onTop());
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
