// Choosing a material in the list, as a person does with the box and the
// list: the box names it, and the result is computed afresh for it from the
// fields as they stand, or not at all where they make no result.
#include "windowfixture.h"

#include <QtTest>

namespace {

// A 57 × 3.5 mm pipe, 1 m long: 4.6 kg in carbon steel.
const worked::Result &kPipe = worked::Example(metal::pkPipe, true);

}  // namespace

class MaterialChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void choosingRecomputesTheResult();
    void choosingAfterAResetComputesNothing();
    void choosingWithTheWallEmptiedComputesNothing();
    void choosingTheSameMaterialAgain();
};

void MaterialChoiceTest::choosingRecomputesTheResult()
{
    Calculator calc;
    calc.typeFields(kPipe.fields);
    QCOMPARE(calc.result()->caption(), QString::fromUtf8(kPipe.shown));
    calc.chooseMaterial(metal::mtLead);
    QVERIFY(!calc.find("Panel1")->isVisible());
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(), QStringLiteral("  Свинец"));
    // 3.5 × 53.5 × π × 11.3415 ÷ 1000 = 6.67 kg a metre.
    QCOMPARE(calc.result()->caption(), QStringLiteral("6.7 кг  "));
    QCOMPARE(calc.result()->fontColor(), QColor(0, 0, 0));
    QCOMPARE(calc.row(2)->text(), QStringLiteral("3.5"));
    // The focus stays in the field typed in last.
    QCOMPARE(calc.focus(), calc.row(3));
}

void MaterialChoiceTest::choosingAfterAResetComputesNothing()
{
    Calculator calc;
    calc.typeFields(kPipe.fields);
    // Selecting the pipe again puts every field back to "0".
    calc.selectKind(metal::pkPipe);
    QCOMPARE(calc.result()->caption(), QStringLiteral("0.00 кг  "));
    calc.chooseMaterial(metal::mtLead);
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(), QStringLiteral("  Свинец"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("0.00 кг  "));
    QCOMPARE(calc.row(2)->text(), QStringLiteral("0"));
    // The material is kept for what is typed next.
    calc.typeFields(kPipe.fields);
    QCOMPARE(calc.result()->caption(), QStringLiteral("6.7 кг  "));
}

void MaterialChoiceTest::choosingWithTheWallEmptiedComputesNothing()
{
    Calculator calc;
    calc.typeFields(kPipe.fields);
    // Empty the wall at one stroke: nothing is computed.
    calc.click(calc.row(2));
    calc.key(Qt::Key_End);
    calc.key(Qt::Key_Home, Qt::ShiftModifier);
    calc.key(Qt::Key_Delete);
    QCOMPARE(calc.row(2)->text(), QString());
    QCOMPARE(calc.result()->caption(), QString::fromUtf8(kPipe.shown));

    calc.chooseMaterial(metal::mtLead);
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(), QStringLiteral("  Свинец"));
    // The result keeps the steel value; the field stays empty and focused.
    QCOMPARE(calc.result()->caption(), QString::fromUtf8(kPipe.shown));
    QCOMPARE(calc.row(2)->text(), QString());
    QCOMPARE(calc.focus(), calc.row(2));
    // Typing the wall again computes with lead.
    calc.type(QStringLiteral("3.5"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("6.7 кг  "));
}

void MaterialChoiceTest::choosingTheSameMaterialAgain()
{
    Calculator calc;
    calc.typeFields(kPipe.fields);
    calc.chooseMaterial(metal::mtCarbonSteel);
    QVERIFY(!calc.find("Panel1")->isVisible());
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(), QStringLiteral("  Углеродная сталь"));
    QCOMPARE(calc.result()->caption(), QString::fromUtf8(kPipe.shown));
    QCOMPARE(calc.row(2)->text(), QStringLiteral("3.5"));

    calc.chooseMaterial(metal::mtLead);
    QCOMPARE(calc.result()->caption(), QStringLiteral("6.7 кг  "));
    calc.chooseMaterial(metal::mtLead);
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(), QStringLiteral("  Свинец"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("6.7 кг  "));
    QCOMPARE(calc.result()->fontColor(), QColor(0, 0, 0));

    // It is computed afresh, not left alone: a length typed while nothing
    // was computed shows once the same material is chosen again (two metres
    // of 6.67 kg).
    RecalcEnabled = false;
    calc.click(calc.row(3));
    calc.key(Qt::Key_End);
    calc.key(Qt::Key_Backspace);
    calc.type(QStringLiteral("2"));
    RecalcEnabled = true;
    QCOMPARE(calc.row(3)->text(), QStringLiteral("2"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("6.7 кг  "));
    calc.chooseMaterial(metal::mtLead);
    QCOMPARE(calc.result()->caption(), QStringLiteral("13.3 кг  "));
}

QTEST_MAIN(MaterialChoiceTest)
#include "tst_materialchoice.moc"
