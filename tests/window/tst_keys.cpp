// The window from the keyboard: the keys that change the kind, the
// material and the mode wherever the focus is, copying the result and the
// calculation, and the window's menu; the key that screen readers hear for
// a control does what its click does; the README lists the window's keys.
#include "keys.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QWindow>
#include <QtTest>

using namespace metal;

namespace {

// The kind's title, without the menu item's indent that it takes.
QString Title(const Calculator &calc) { return calc.find<ui::Label>("Label17")->caption().trimmed(); }

// What a key or a click may change, as a person sees it: the kind, the
// material, the mode, the result, and which list or list window is open.
QStringList Seen(const Calculator &calc)
{
    QStringList seen{Title(calc), calc.find<ui::Label>("Label1")->caption(), calc.find<ui::Label>("Label18")->caption(),
                     calc.result()->caption()};
    seen.append(calc.find("Panel1")->isVisible() ? QStringLiteral("material list") : QString());
    seen.append(calc.sizeList()->isVisible() ? QStringLiteral("size list") : QString());
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("OrderWindow") && window->isVisible())
            seen.append(QStringLiteral("list window"));
    return seen;
}

// A key as the README names it: as Qt writes it, with the names that the
// keys themselves bear for PgDn and Insert, and Backtab as the Shift+Tab that
// it is.
QString ReadmeName(QKeyCombination key)
{
    if (key.key() == Qt::Key_Backtab)
        key = QKeyCombination(key.keyboardModifiers() | Qt::ShiftModifier, Qt::Key_Tab);
    QStringList parts = QKeySequence(key).toString(QKeySequence::PortableText).split(u'+');
    if (parts.last() == QLatin1String("PgDown"))
        parts.last() = QStringLiteral("PgDn");
    else if (parts.last() == QLatin1String("Ins"))
        parts.last() = QStringLiteral("Insert");
    return parts.join(u'+');
}

// The first cells of the table under the README's heading "## Keys".
QStringList ReadmeKeys()
{
    QFile file(QStringLiteral(README_FILE));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", README_FILE);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    QStringList cells;
    qsizetype i = lines.indexOf(QStringLiteral("## Keys"));
    if (i < 0)
        return cells;
    while (++i < lines.size() && !lines[i].startsWith(u'|'))
        ;
    for (i += 2; i < lines.size() && lines[i].startsWith(u'|'); ++i)  // after the heading and its rule
        cells.append(lines[i].section(u'|', 1, 1).trimmed());
    return cells;
}

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
    void heardKeyDoesTheClick_data();
    void heardKeyDoesTheClick();
    void readmeListsTheKeys();
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
    QTest::newRow("next kind") << "{Ctrl+PgDn}"
                               << "Труба\rпрофильная" << carbon << mass << off << zero;
    QTest::newRow("previous kind wraps to the beam") << "{Ctrl+PgUp}" << beam << carbon << mass << off << zero;
    QTest::newRow("Ctrl+Tab, Ctrl+Shift+Tab") << "{Ctrl+Tab}{Ctrl+Tab}{Ctrl+Shift+Tab}"
                                              << "Труба\rпрофильная" << carbon << mass << off << zero;
    QTest::newRow("the beam wraps to the pipe") << "{Ctrl+0}{Ctrl+PgDn}" << pipe << carbon << mass << off << zero;
    QTest::newRow("a kind by its place") << "{Ctrl+5}"
                                         << "Уголок" << carbon << mass << off << zero;
    QTest::newRow("material list: down, enter")
        << "{F4}{Down}{Return}" << pipe << "  Нержавеющая сталь" << mass << off << zero;
    QTest::newRow("material list: the highlight stops at the top")
        << "{Alt+Down}{Up}{Up}{Down}{Down}{Return}" << pipe << "  Аллюминий" << mass << off << zero;
    QTest::newRow("material list: Esc changes nothing")
        << "{F4}{Down}{Down}{Escape}" << pipe << carbon << mass << off << zero;
    QTest::newRow("length mode") << "{Alt+1}" << pipe << carbon << "Итого длина:" << off << "0.00 м  ";
    QTest::newRow("and back") << "{Alt+1}{Alt+2}" << pipe << carbon << mass << off << zero;
    // A whole calculation: the keys work in a field as in the off-window one.
    QTest::newRow("a pipe of stainless steel")
        << "{Tab}57{Tab}3.5{Tab}1{F4}{Down}{Return}" << pipe << "  Нержавеющая сталь" << mass << "Edit3"
        << "4.7 кг  ";
    QTest::newRow("a kind change from a field") << "{Tab}57{Ctrl+PgDn}"
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
    calc.typeScript(keys);
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
        << "{Tab}57{Tab}3.5{Tab}1"
        << "4.6 кг"
        << "Труба: внешний диаметр 57 мм, толщина стенки 3.5 мм, длина 1 м, углеродная сталь — 4.6 кг";
    QTest::newRow("square in length mode, aluminium") << "{Ctrl+3}{Alt+1}{F4}{Down}{Down}{Return}{Tab}20{Tab}10"
                                                      << "9.3 м"
                                                      << "Квадрат: ширина 20 мм, масса 10 кг, аллюминий — 9.3 м";
    QTest::newRow("sheets by area") << "{Ctrl+6}{Alt+1}{Tab}1000{Tab}2000{Tab}3{Tab}2"
                                    << "4.0 м2"
                                    << "Лист: ширина 1000 мм, длина 2000 мм, толщина 3 мм, количество листов 2 шт, "
                                       "углеродная сталь — 4.0 м2";
    QTest::newRow("beam of a standard size")
        << "{Ctrl+0}{F3}20Б1{Return}1"
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
    calc.typeScript(keys);
    calc.typeScript(QStringLiteral("{Ctrl+C}"));
    QCOMPARE(clipboard->text(), copied);
    calc.typeScript(QStringLiteral("{Shift+F10}"));
    auto *menu = calc.form().findChild<QMenu *>(QStringLiteral("ResultMenu"));
    QVERIFY(menu && menu->isVisible());
    menu->actions().at(1)->trigger();
    menu->hide();
    QCOMPARE(clipboard->text(), calculation);
}

void KeysTest::resultMenuIsReachable()
{
    Calculator calc;
    calc.typeScript(QStringLiteral("{Tab}57{Tab}3.5{Tab}1"));
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
    calc.typeScript(QStringLiteral("{Alt+Space}"));
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

void KeysTest::heardKeyDoesTheClick_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");  // as a screen reader says it
    // The controls that a screen reader finds at start: the shown ones.
    Calculator calc;
    for (ui::Control *control : calc.form().findChildren<ui::Control *>()) {
        if (!control->isVisible())
            continue;
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(control);
        QAccessibleActionInterface *actions = heard ? heard->actionInterface() : nullptr;
        if (!actions)
            continue;
        const QStringList keys = actions->keyBindingsForAction(QAccessibleActionInterface::pressAction());
        if (!keys.isEmpty())
            QTest::newRow(qPrintable(control->objectName())) << control->objectName() << keys.join(u' ');
    }
}

void KeysTest::heardKeyDoesTheClick()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::NativeText);
    QCOMPARE(sequence.count(), 1);
    // From another kind, mode and material than the window starts with, so
    // that a key that does another control's click shows.
    const auto away = [](const Calculator &calc) {
        calc.selectKind(metal::pkAngle);
        calc.selectMode(false);
        calc.chooseMaterial(metal::mtCopper);
    };
    QStringList byKey, byScreenReader;
    {
        Calculator calc;
        away(calc);
        calc.key(sequence[0].key(), sequence[0].keyboardModifiers());
        byKey = Seen(calc);
    }
    {
        Calculator calc;
        away(calc);
        QAccessible::queryAccessibleInterface(calc.find(qPrintable(name)))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        byScreenReader = Seen(calc);
    }
    QCOMPARE(byKey, byScreenReader);
}

void KeysTest::readmeListsTheKeys()
{
    // Each row of the key table is a line of the README's table, in its
    // order; a run of more than three keys is written by its first and its
    // last two.
    QStringList lines;
    for (const keys::KeySpec &row : keys::Table()) {
        QStringList names;
        for (QKeyCombination key : row.keys)
            if (!names.contains(ReadmeName(key)))
                names.append(ReadmeName(key));
        if (names.size() > 3)
            names = {names.first() + QStringLiteral(" … ") + names.at(names.size() - 2), names.last()};
        lines.append(names.join(QStringLiteral(", ")));
    }
    QCOMPARE(ReadmeKeys(), lines);
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
