// The five input fields as a person uses them: focus moved by clicks and by
// Tab, keys typed into the focused field, text arriving from the clipboard.
#include "choices.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QtTest>

namespace {

ui::Edit *Field(const Calculator &calc, const char *name) { return calc.find<ui::Edit>(name); }
QString Result(const Calculator &calc) { return calc.result()->caption(); }

// The pipe of 57 × 3.5, 1 m long, in carbon steel: 4.6 kg.
const worked::Result &kPipe = worked::Example(metal::pkPipe, true);

}  // namespace

class FieldEditingTest : public QObject {
    Q_OBJECT

private slots:
    void enteringAndLeaving_data();
    void enteringAndLeaving();
    void typedKeys_data();
    void typedKeys();
    void clipboardKeysDoNothing_data();
    void clipboardKeysDoNothing();
    void commaGivesTheRightResult_data();
    void commaGivesTheRightResult();
    void textFromElsewhereIsNotFiltered_data();
    void textFromElsewhereIsNotFiltered();
    void emptyingAFieldComputesNothing_data();
    void emptyingAFieldComputesNothing();
    void tabOrder_data();
    void tabOrder();
};

void FieldEditingTest::enteringAndLeaving_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("previous");  // the field before it in the tab order
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("byTab");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("left");
    struct Case {
        const char *name, *text, *entered, *left;
    };
    const Case cases[] = {
        {"a zero is emptied", "0", "", "0"}, {"0.0 stays", "0.0", "0.0", "0.0"}, {"00 stays", "00", "00", "00"},
        {"0. stays", "0.", "0.", "0."},      {"a point stays", ".", ".", "."},   {"a number stays", "5", "5", "5"},
        {"10 stays", "10", "10", "10"},
    };
    // Edit2 is a dimension of the pipe, Edit3 its length.
    for (const auto &[field, previous] : {std::pair{"Edit2", "Edit1"}, std::pair{"Edit3", "Edit2"}})
        for (const Case &c : cases)
            for (bool byTab : {false, true})
                QTest::addRow("%s, %s, entered by %s", field, c.name, byTab ? "Tab" : "a click")
                    << QString::fromLatin1(field) << QString::fromLatin1(previous) << QString::fromLatin1(c.text)
                    << byTab << QString::fromLatin1(c.entered) << QString::fromLatin1(c.left);
}

void FieldEditingTest::enteringAndLeaving()
{
    QFETCH(QString, field);
    QFETCH(QString, previous);
    QFETCH(QString, text);
    QFETCH(bool, byTab);
    QFETCH(QString, entered);
    QFETCH(QString, left);
    Calculator calc;
    auto *edit = Field(calc, qPrintable(field));
    auto *before = Field(calc, qPrintable(previous));
    calc.typeInto(edit, QString());
    QCOMPARE(edit->text(), QString());
    calc.typeScript(text);
    calc.click(before);
    QCOMPARE(edit->text(), text);

    if (byTab)
        calc.typeScript(QStringLiteral("{Tab}"));
    else
        calc.click(edit);
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), entered);

    // Leave it the other way.
    if (byTab)
        calc.click(before);
    else
        QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), left);
}

void FieldEditingTest::typedKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    struct Case {
        const char *name, *keys, *text;
    };
    const Case cases[] = {
        {"digits pass", "90817", "90817"},
        {"a point passes", "1.5", "1.5"},
        {"a second point is accepted", "1.2.3", "1.2.3"},
        {"points alone", "..", ".."},
        {"latin letters are dropped", "a1b2C", "12"},
        {"cyrillic letters are dropped", "д1Ж", "1"},
        {"a minus is dropped", "-5", "5"},
        {"a plus is dropped", "+5", "5"},
        {"a space is dropped", "1 2", "12"},
        {"an exponent is dropped", "1e5E", "15"},
        {"other signs are dropped", "1/2*3=;", "123"},
        {"a comma enters a point", "3,5", "3.5"},
        {"every comma enters a point", "1,2,3", "1.2.3"},
        {"the keypad's decimal key enters a point", "3{KeypadDecimal}5", "3.5"},
        {"a sixth character is refused", "123456", "12345"},
        {"a sixth character is refused inside", "12345{Home}9", "12345"},
        {"a sixth comma is refused", "12345,", "12345"},
        {"backspace", "123{Backspace}", "12"},
        {"backspace to empty", "12{Backspace}{Backspace}", ""},
        {"backspace inside", "123{Left}{Backspace}", "13"},
        {"Home and Delete", "123{Home}{Delete}", "23"},
        {"Left and Delete", "123{Left}{Delete}", "12"},
        {"Left twice then a digit", "123{Left}{Left}9", "1923"},
        {"Home, Right then a digit", "123{Home}{Right}4", "1423"},
        {"End after Home", "123{Home}{End}4", "1234"},
        {"Delete makes room for a fifth character", "12345{Home}{Delete}6", "62345"},
        {"a digit replaces the selection", "123{Shift+Home}7", "7"},
        {"a letter leaves the selection", "123{Shift+Left}x", "123"},
        {"Ctrl+A selects nothing", "123{Ctrl+A}7", "1237"},
        {"Ctrl+Z undoes nothing", "12{Ctrl+Z}", "12"},
        {"Ctrl+Backspace deletes nothing", "12.5{Ctrl+Backspace}", "12.5"},
        // Ctrl+H types the backspace character itself.
        {"Ctrl+H is a backspace", "12{Ctrl+H}", "1"},
        {"Alt with a digit types nothing", "1{Alt+2}", "1"},
        {"Return and Escape type nothing", "1{Return}{Escape}2", "12"},
    };
    for (const Case &c : cases)
        QTest::newRow(c.name) << QString::fromUtf8(c.keys) << QString::fromUtf8(c.text);
}

void FieldEditingTest::typedKeys()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    Calculator calc;
    auto *field = Field(calc, "Edit1");
    calc.typeInto(field, QString());
    calc.typeScript(keys);
    QVERIFY(field->hasFocus());
    QCOMPARE(field->text(), text);
    // The other fields got nothing.
    QCOMPARE(Field(calc, "Edit2")->text(), QStringLiteral("0"));
    QCOMPARE(Field(calc, "Edit4")->text(), QStringLiteral("Edit4"));
}

void FieldEditingTest::clipboardKeysDoNothing_data()
{
    QTest::addColumn<QString>("keys");
    QTest::newRow("Ctrl+V pastes nothing") << QStringLiteral("{Ctrl+V}");
    QTest::newRow("Ctrl+V over a selection pastes nothing") << QStringLiteral("{Shift+Home}{Ctrl+V}");
    QTest::newRow("Ctrl+C copies nothing") << QStringLiteral("{Shift+Home}{Ctrl+C}");
    QTest::newRow("Ctrl+X cuts nothing") << QStringLiteral("{Shift+Home}{Ctrl+X}");
}

void FieldEditingTest::clipboardKeysDoNothing()
{
    QFETCH(QString, keys);
    Calculator calc;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("77"));
    auto *field = Field(calc, "Edit2");
    calc.typeInto(field, QStringLiteral("12"));
    calc.typeScript(keys);
    QCOMPARE(field->text(), QStringLiteral("12"));
    QCOMPARE(clipboard->text(), QStringLiteral("77"));
}

void FieldEditingTest::commaGivesTheRightResult_data()
{
    QTest::addColumn<QString>("wall");
    QTest::newRow("comma key") << QStringLiteral("3,5");
    QTest::newRow("keypad decimal key") << QStringLiteral("3{KeypadDecimal}5");
}

void FieldEditingTest::commaGivesTheRightResult()
{
    // The pipe of 57 × 3.5, 1 m long, weighs 4.6 kg; a wall read as 35 mm
    // would give about ten times as much.
    QFETCH(QString, wall);
    Calculator calc;
    calc.typeInto(Field(calc, "Edit1"), QStringLiteral("57"));
    calc.typeInto(Field(calc, "Edit2"), QString());
    calc.typeScript(wall);
    QCOMPARE(Field(calc, "Edit2")->text(), QStringLiteral("3.5"));
    calc.typeInto(Field(calc, "Edit3"), QStringLiteral("1"));
    QCOMPARE(Result(calc), QStringLiteral("4.6 кг  "));
}

void FieldEditingTest::textFromElsewhereIsNotFiltered_data()
{
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    struct Case {
        const char *name, *field, *inserted, *text, *result;
    };
    // The pipe of 57 × 3.5 weighs 4.647279 kg per metre (3.5 × 53.5 × π ×
    // 7.9 ÷ 1000); an outer diameter of 10000 gives 868.346 kg per metre.
    const Case cases[] = {
        {"letters reach the field, nothing is computed", "Edit3", "abc", "abc", "4.6 кг  "},
        {"two points reach the field, nothing is computed", "Edit3", "1..5", "1..5", "4.6 кг  "},
        {"a comma stays a comma, nothing is computed", "Edit3", "2,5", "2,5", "4.6 кг  "},
        {"a number is computed", "Edit3", "2", "2", "9.3 кг  "},
        // A negative length gives a negative mass, which is no answer.
        {"a minus reaches the calculation", "Edit3", "-1", "-1", "Ошибка  "},
        {"the limit holds", "Edit1", "1000000", "10000", "868.3 кг  "},
        {"the limit holds for letters", "Edit1", "abcdefg", "abcde", "4.6 кг  "},
    };
    for (bool paste : {false, true})
        for (const Case &c : cases)
            QTest::addRow("%s, %s", paste ? "pasted" : "inserted", c.name)
                << paste << QString::fromLatin1(c.field) << QString::fromUtf8(c.inserted) << QString::fromUtf8(c.text)
                << QString::fromUtf8(c.result);
}

void FieldEditingTest::textFromElsewhereIsNotFiltered()
{
    QFETCH(bool, paste);
    QFETCH(QString, field);
    QFETCH(QString, inserted);
    QFETCH(QString, text);
    QFETCH(QString, result);
    Calculator calc;
    calc.typeFields(kPipe.fields);
    QCOMPARE(Result(calc), QString::fromUtf8(kPipe.shown));
    auto *edit = Field(calc, qPrintable(field));
    calc.click(edit);
    calc.typeScript(QStringLiteral("{End}{Shift+Home}"));
    QCOMPARE(edit->selectedText(), edit->text());
    // The context menu's Paste and a program inserting text take the
    // same road into the field.
    if (paste) {
        QGuiApplication::clipboard()->setText(inserted);
        edit->paste();
    } else {
        edit->insert(inserted);
    }
    QCOMPARE(edit->text(), text);
    QCOMPARE(Result(calc), result);
    QCOMPARE(calc.find<ui::Label>("Label32")->fontColor(),
             result == QStringLiteral("Ошибка  ") ? QColor(255, 0, 0) : QColor(0, 0, 0));
    // Leaving the field changes nothing more.
    calc.click(Field(calc, field == QLatin1String("Edit1") ? "Edit2" : "Edit1"));
    QCOMPARE(edit->text(), text);
    QCOMPARE(Result(calc), result);
}

void FieldEditingTest::emptyingAFieldComputesNothing_data()
{
    QTest::addColumn<int>("kind");  // its worked example in mass mode is typed
    QTest::addColumn<int>("emptied");
    QTest::addColumn<bool>("quantity");
    QTest::newRow("the pipe's length") << 1 << 3 << true;
    QTest::newRow("the pipe's diameter") << 1 << 1 << false;
    QTest::newRow("the square's length") << 3 << 2 << true;
    QTest::newRow("the number of sheets") << 6 << 4 << true;
    QTest::newRow("the beam's height") << 10 << 0 << false;
}

void FieldEditingTest::emptyingAFieldComputesNothing()
{
    QFETCH(int, kind);
    QFETCH(int, emptied);
    QFETCH(bool, quantity);
    const worked::Result &example = worked::Example(static_cast<metal::ProfileKind>(kind), true);
    const QString shown = QString::fromUtf8(example.shown);
    Calculator calc;
    calc.selectKind(kind);
    calc.typeFields(example.fields);
    QCOMPARE(Result(calc), shown);

    auto *field = calc.row(emptied);
    calc.click(field);
    QCOMPARE(field->text(), ToQString(example.fields[static_cast<std::size_t>(emptied)]));
    // One backspace over the whole text: a shorter number on the way would
    // compute.
    calc.typeScript(QStringLiteral("{End}{Shift+Home}{Backspace}"));
    QCOMPARE(field->text(), QString());
    QCOMPARE(Result(calc), shown);
    // Leaving writes "0": a quantity of "0" computes nothing either, and a
    // zero dimension would show another result.
    calc.typeScript(QStringLiteral("{Tab}"));
    QCOMPARE(field->text(), QStringLiteral("0"));
    if (quantity)
        QCOMPARE(Result(calc), shown);
    else
        QVERIFY(Result(calc) != shown);
}

void FieldEditingTest::tabOrder_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("order");
    // The shown fields in tab order, then the off-window field.
    const QStringList two{"Edit1", "Edit2", "Edit4"};
    const QStringList three{"Edit1", "Edit2", "Edit3", "Edit4"};
    const QStringList four{"Edit1", "Edit2", "Edit3", "Edit5", "Edit4"};
    const QStringList orders[] = {three, four, two, two, four, four, three, two, four,
                                  // Row 0 comes after row 4.
                                  QStringList{"Edit1", "Edit2", "Edit3", "Edit5", "Edit6", "Edit4"}};
    for (int kind = 1; kind <= 10; ++kind)
        QTest::newRow(KindShownAs(kind).name) << kind << orders[kind - 1];
}

void FieldEditingTest::tabOrder()
{
    QFETCH(int, kind);
    QFETCH(QStringList, order);
    Calculator calc;
    calc.selectKind(kind);
    QCOMPARE(calc.focus(), calc.find("Edit4"));
    // The off-window field lies right of the window: its caret is never seen.
    QVERIFY(calc.find("Edit4")->x() >= calc.form().width());

    QString previous;
    for (const QString &name : order) {
        calc.typeScript(QStringLiteral("{Tab}"));
        QCOMPARE(calc.focus()->objectName(), name);
        if (name != QLatin1String("Edit4"))
            QCOMPARE(Field(calc, qPrintable(name))->text(), QString());
        if (!previous.isEmpty())
            QCOMPARE(Field(calc, qPrintable(previous))->text(), QStringLiteral("0"));
        previous = name;
    }
    // And round again.
    calc.typeScript(QStringLiteral("{Tab}"));
    QCOMPARE(calc.focus()->objectName(), order.first());
}

QTEST_MAIN(FieldEditingTest)
#include "tst_fieldediting.moc"
