// What a screen reader finds in the window: the names, roles and states of
// the controls, the actions that stand in for clicks, the fields named by
// their captions, the announcements of the result, and the places it
// reports for each control.
#include "controlspec.h"
#include "listening.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QTimer>
#include <QtTest>

namespace {

QAccessibleInterface *Accessible(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    if (!iface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return iface;
}

QString Name(QObject *object) { return Accessible(object)->text(QAccessible::Name); }

// The interfaces a screen reader reaches by walking down from the window.
QList<QAccessibleInterface *> Tree(QAccessibleInterface *from)
{
    QList<QAccessibleInterface *> all{from};
    for (int i = 0; i < from->childCount(); ++i)
        all += Tree(from->child(i));
    return all;
}

// What the window shows and holds after a click or an action, to compare
// the two.
struct Outcome {
    QImage shot;
    QString focus;
    bool minimised;
    QList<QUrl> opened;
    bool operator==(const Outcome &) const = default;
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void init() { catcher_.urls.clear(); }

    void controlsAreNamedByWhatTheyShow_data();
    void controlsAreNamedByWhatTheyShow();
    void decorationsAreLeftOut();
    void hiddenListItemsAreNotShowing();
    void currentChoicesAreStated();
    void actionDoesWhatTheClickDoes_data();
    void actionDoesWhatTheClickDoes();
    void closeActionEndsTheProgram();
    void fieldsFollowTheirCaptions();
    void offWindowFieldStandsForTheWindow();
    void changesAreAnnounced();
    void focusIsToldBeforeTheFieldEmpties();
    void placesMatchTheScreen();

private:
    Outcome outcome(const Calculator &calc) const
    {
        return {calc.grab(), calc.focus() ? calc.focus()->objectName() : QString(), calc.form().isMinimized(),
                catcher_.urls};
    }

    UrlCatcher catcher_;  // no browser is started by these tests
};

void AccessibilityTest::controlsAreNamedByWhatTheyShow_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pressable");

    const auto row = [](const char *control, QAccessible::Role role, const char *name, bool pressable) {
        QTest::addRow("%s", control) << QString::fromLatin1(control) << int(role) << QString::fromUtf8(name)
                                     << pressable;
    };
    row("Label17", QAccessible::StaticText, "Труба", false);
    row("Label14", QAccessible::StaticText, "Внешний диаметр, мм", false);
    row("Label16", QAccessible::StaticText, "Длина, м", false);
    row("Label18", QAccessible::StaticText, "Итого вес:", false);
    row("Label32", QAccessible::StaticText, "0.00 кг  ", false);
    row("Label34", QAccessible::StaticText, "2009-", false);  // the year follows
    row("Label1", QAccessible::ButtonDropDown, "  Углеродная сталь", true);
    row("Image2", QAccessible::ButtonDropDown, "Материал", true);
    row("Label12", QAccessible::RadioButton, "Длина", true);
    row("Label13", QAccessible::RadioButton, "Масса", true);
    row("Image8", QAccessible::PushButton, "Закрыть", true);
    row("Image10", QAccessible::PushButton, "Свернуть", true);
    row("Image9", QAccessible::Link, "МеталлДемо", true);
    row("Image13", QAccessible::Link, "МеталлДемо", true);
    row("Panel2", QAccessible::MenuBar, "", false);
    row("Label2", QAccessible::MenuItem, "    Труба", true);
    row("Label11", QAccessible::MenuItem, "    Балка", true);
    row("Image14", QAccessible::ButtonDropDown, "Типоразмер", true);
    row("Label35", QAccessible::ButtonDropDown, "  по размерам", true);
    row("Label38", QAccessible::PushButton, "Добавить в список", true);
    row("Panel1", QAccessible::List, "", false);
    row("Label21", QAccessible::ListItem, " Углеродная сталь", true);
    row("Label30", QAccessible::ListItem, " Свинец", true);
    row("Edit1", QAccessible::EditableText, "Внешний диаметр, мм", false);
    row("Edit3", QAccessible::EditableText, "Длина, м", false);
}

void AccessibilityTest::controlsAreNamedByWhatTheyShow()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(bool, pressable);
    Calculator calc;
    QWidget *widget = calc.find(control.toLatin1().constData());
    QAccessibleInterface *iface = Accessible(widget);
    QCOMPARE(int(iface->role()), role);
    if (control == QLatin1String("Label34"))
        QVERIFY(iface->text(QAccessible::Name).startsWith(name));
    else
        QCOMPARE(iface->text(QAccessible::Name), name);
    // Reachable from the window, where a screen reader starts.
    QVERIFY(Tree(Accessible(&calc.form())).contains(iface));
    QAccessibleActionInterface *actions = iface->actionInterface();
    const QStringList names = actions ? actions->actionNames() : QStringList();
    if (pressable)
        QCOMPARE(names, QStringList{QAccessibleActionInterface::pressAction()});
    else
        QVERIFY(!names.contains(QAccessibleActionInterface::pressAction()));
    // Labels and pictures still never take the focus.
    if (!widget->inherits("QLineEdit"))
        QVERIFY(!iface->state().focusable);
}

void AccessibilityTest::decorationsAreLeftOut()
{
    Calculator calc;
    QAccessibleInterface *window = Accessible(&calc.form());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Калькулятор металлопроката"));
    const QList<QAccessibleInterface *> tree = Tree(window);
    // The pictures and panels that the layout table gives no role only
    // decorate: the background, the pictures inside the menu and the list,
    // the toggle's picture, the drawing, the result's box, the preview.
    int decorations = 0;
    for (const layout::ControlSpec &spec : layout::Table())
        if (spec.role == QAccessible::NoRole && (std::holds_alternative<layout::Member<ui::Image>>(spec.control) ||
                                                 std::holds_alternative<layout::Member<ui::Panel>>(spec.control))) {
            QVERIFY2(!tree.contains(Accessible(calc.find(spec.name))), spec.name);
            ++decorations;
        }
    QCOMPARE(decorations, 9);
    // Every other control is there, each once.
    for (QWidget *control : calc.form().findChildren<QWidget *>())
        if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control); tree.contains(iface))
            QCOMPARE(tree.count(iface), 1);
    // What lies uppermost at a point is what a screen reader finds there.
    const QPoint text = calc.form().mapToGlobal(calc.centreOf(calc.find("Label1")));
    QCOMPARE(window->childAt(text.x(), text.y()), Accessible(calc.find("Label1")));
}

void AccessibilityTest::hiddenListItemsAreNotShowing()
{
    Calculator calc;
    auto *item = calc.find<ui::Label>("Label25");
    QVERIFY(Accessible(item)->state().invisible);
    // Pressing an item that nobody could click does nothing.
    Accessible(item)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(), QStringLiteral("  Углеродная сталь"));
    calc.click(calc.find("Label1"));
    QVERIFY(!Accessible(item)->state().invisible);
}

void AccessibilityTest::currentChoicesAreStated()
{
    Calculator calc;
    const auto checked = [&calc](const char *name) {
        const QAccessible::State state = Accessible(calc.find(name))->state();
        if (!state.checkable)
            qFatal("%s is no choice", name);
        return bool(state.checked);
    };
    QVERIFY(checked("Label2"));
    QVERIFY(!checked("Label7"));
    QVERIFY(checked("Label13"));
    QVERIFY(!checked("Label12"));
    QVERIFY(Accessible(calc.find("Label21"))->state().selected);

    calc.click(calc.find("Label7"));  // the sheet
    for (const char *item :
         {"Label2", "Label3", "Label4", "Label5", "Label6", "Label8", "Label9", "Label10", "Label11"})
        QVERIFY2(!checked(item), item);
    QVERIFY(checked("Label7"));
    QCOMPARE(Name(calc.find("Label12")), QStringLiteral("Площадь"));

    calc.click(calc.find("Label12"));  // area mode
    QVERIFY(checked("Label12"));
    QVERIFY(!checked("Label13"));

    calc.click(calc.find("Label1"));
    calc.click(calc.find("Label26"));  // nickel
    QVERIFY(Accessible(calc.find("Label26"))->state().selected);
    QVERIFY(!Accessible(calc.find("Label21"))->state().selected);
}

void AccessibilityTest::actionDoesWhatTheClickDoes_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("before");  // clicked first, by both
    for (const char *control : {"Label1", "Image2", "Label12", "Label13", "Label3", "Label7", "Label11", "Image10",
                                "Image9", "Image13", "Image14", "Label35"})
        QTest::addRow("%s", control) << QString::fromLatin1(control) << QString();
    QTest::addRow("list item") << QStringLiteral("Label30") << QStringLiteral("Label1");
    QTest::addRow("area mode") << QStringLiteral("Label12") << QStringLiteral("Label7");
}

void AccessibilityTest::actionDoesWhatTheClickDoes()
{
    QFETCH(QString, control);
    QFETCH(QString, before);
    // Something for each action to change: a pipe with a result, typed.
    const auto prepare = [&before](const Calculator &calc) {
        calc.typeInto(calc.find<ui::Edit>("Edit1"), QStringLiteral("57"));
        calc.typeInto(calc.find<ui::Edit>("Edit3"), QStringLiteral("2"));
        calc.find("Edit4")->setFocus();  // no field being edited
        if (!before.isEmpty())
            calc.click(calc.find(before.toLatin1().constData()));
        calc.enterWindow();
    };

    Outcome clicked;
    {
        Calculator calc;
        prepare(calc);
        calc.click(calc.find(control.toLatin1().constData()));
        calc.pointAt(kBackground);  // the pointer leaves what it clicked
        clicked = outcome(calc);
    }
    catcher_.urls.clear();
    Outcome pressed;
    {
        Calculator calc;
        prepare(calc);
        Accessible(calc.find(control.toLatin1().constData()))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        pressed = outcome(calc);
    }
    QCOMPARE(pressed.focus, clicked.focus);
    QCOMPARE(pressed.minimised, clicked.minimised);
    QCOMPARE(pressed.opened, clicked.opened);
    QVERIFY(pressed.shot == clicked.shot);
    // Each changed something.
    catcher_.urls.clear();
    Calculator untouched;
    prepare(untouched);
    QVERIFY(outcome(untouched) != clicked);
}

void AccessibilityTest::closeActionEndsTheProgram()
{
    Calculator calc;
    QTimer::singleShot(0, &calc.form(), [&calc] {
        Accessible(calc.find("Image8"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

void AccessibilityTest::fieldsFollowTheirCaptions()
{
    Calculator calc;
    auto *quantity = calc.find<ui::Edit>("Edit3");
    const auto captionOf = [](QWidget *field) {
        const auto relations = Accessible(field)->relations(QAccessible::Label);
        return relations.size() == 1 ? relations.first().first->object() : nullptr;
    };
    QCOMPARE(captionOf(quantity), calc.find("Label16"));
    calc.click(calc.find("Label12"));  // length mode: the quantity is a mass
    QCOMPARE(Name(quantity), QStringLiteral("Масса, кг"));
    calc.click(calc.find("Label11"));  // the beam: five rows, the top one its height
    QCOMPARE(Name(calc.find("Edit6")), QStringLiteral("Высота, мм"));
    QCOMPARE(captionOf(calc.find("Edit6")), calc.find("Label20"));
    QCOMPARE(Name(calc.find("Edit5")), QStringLiteral("Масса, кг"));
    calc.click(calc.find("Label3"));  // the profile pipe: a title on two lines
    QCOMPARE(Name(calc.find("Label17")), QStringLiteral("Труба\nпрофильная"));
}

void AccessibilityTest::offWindowFieldStandsForTheWindow()
{
    Calculator calc;
    auto *focusField = calc.find<ui::Edit>("Edit4");
    QCOMPARE(calc.focus(), focusField);
    QAccessibleInterface *iface = Accessible(focusField);
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QVERIFY(iface->state().focused);
    QCOMPARE(iface->text(QAccessible::Name), calc.form().windowTitle());
    calc.type(QStringLiteral("12"));
    // It holds what was typed, and shows none of it.
    QCOMPARE(focusField->text(), QStringLiteral("Edit412"));
    QCOMPARE(iface->text(QAccessible::Value), QString());
    QCOMPARE(iface->textInterface()->characterCount(), 0);
    // A field in the window reads as it shows.
    calc.typeInto(calc.find<ui::Edit>("Edit1"), QStringLiteral("57"));
    QCOMPARE(Accessible(calc.find("Edit1"))->textInterface()->text(0, 2), QStringLiteral("57"));
}

void AccessibilityTest::changesAreAnnounced()
{
    Calculator calc;
    const auto listening = Listen();

    calc.typeFields(worked::Example(metal::pkPipe, true).fields);
    QVERIFY(g_events.contains(std::pair{QAccessible::NameChanged, QStringLiteral("4.6 кг  ")}));
    // Once the result is complete, it is announced with its caption, once.
    const std::pair announced{QAccessible::ObjectShow, QStringLiteral("Итого вес: 4.6 кг")};
    QTRY_VERIFY(g_events.contains(announced));
    QCOMPARE(g_events.count(announced), 1);
    QVERIFY(!g_events.contains(std::pair{QAccessible::ObjectShow, QStringLiteral("Итого вес: 4.6")}));

    // A caption changes its field's name; a choice reports its new state.
    g_events.clear();
    calc.click(calc.find("Label12"));
    QVERIFY(g_events.contains(std::pair{QAccessible::NameChanged, QStringLiteral("Масса, кг")}));
    QVERIFY(g_events.contains(std::pair{QAccessible::StateChanged, QStringLiteral("Длина")}));
    QTRY_VERIFY(g_events.contains(std::pair{QAccessible::ObjectShow, QStringLiteral("Итого длина: 0.00 м")}));

    // The material list's highlight is heard where the keys move it, though
    // the focus stays in its field, and a material as it is chosen.
    g_events.clear();
    const auto heard = [](const char *text) {
        return int(g_events.count(std::pair{QAccessible::ObjectShow, QString::fromUtf8(text)}));
    };
    calc.key(Qt::Key_F4);
    QTRY_COMPARE(heard("Углеродная сталь"), 1);
    calc.key(Qt::Key_Up);  // already the first: nothing new to hear
    calc.key(Qt::Key_Down);
    QTRY_COMPARE(heard("Нержавеющая сталь"), 1);
    calc.key(Qt::Key_Return);
    QTRY_COMPARE(heard("Нержавеющая сталь"), 2);
    calc.chooseMaterial(metal::mtAluminium);
    QTRY_COMPARE(heard("Аллюминий"), 1);
    QCOMPARE(heard("Углеродная сталь"), 1);

    // A kind and a standard size are heard as they are chosen, though the
    // focus is in a field.
    calc.selectKind(metal::pkProfilePipe);
    QTRY_COMPARE(heard("Труба профильная"), 1);
    calc.typeScript(QStringLiteral("{F3}60x40x3{Return}"));
    QTRY_COMPARE(heard("60×40×3, ГОСТ 30245-2003"), 1);
}

void AccessibilityTest::focusIsToldBeforeTheFieldEmpties()
{
    Calculator calc;
    const auto listening = Listen();
    // Into each field of the pipe, forward and back: the field is named by
    // the focus before its "0" is removed.
    for (const char *key : {"Tab", "Tab", "Shift+Tab"}) {
        g_events.clear();
        SendKey(calc.focus(), NamedKeyCalled(QString::fromLatin1(key)));
        const QString name = Name(calc.focus());
        const auto focus = g_events.indexOf(std::pair{QAccessible::Focus, name});
        QVERIFY2(focus >= 0, qPrintable(name));
        // The changes of its text (Qt's field selects it on entry by Tab,
        // before, which changes nothing said).
        for (const QAccessible::Event change : {QAccessible::TextRemoved, QAccessible::TextUpdated,
                                                QAccessible::TextInserted, QAccessible::ValueChanged}) {
            const auto changed = g_events.indexOf(std::pair{change, name});
            QVERIFY2(changed < 0 || changed > focus, qPrintable(name));
        }
        QCOMPARE(calc.focus()->property("text").toString(), QString());
    }
}

void AccessibilityTest::placesMatchTheScreen()
{
    Calculator calc;
    const auto check = [&calc] {
        for (const char *name : {"Label17", "Label32", "Image8", "Label5", "Edit2"}) {
            QWidget *control = calc.find(name);
            const QRect onScreen(control->mapToGlobal(QPoint()), control->size());
            QCOMPARE(Accessible(control)->rect(), onScreen);
            QCOMPARE(onScreen.topLeft(), calc.form().pos() + control->mapTo(&calc.form(), QPoint()));
        }
    };
    check();
    calc.form().move(calc.form().pos() + QPoint(-37, 55));
    QTRY_COMPARE(calc.form().windowHandle()->position(), calc.form().pos());
    check();
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
