// Calculations typed into the real window and read off the result label.
// Every worked result, typed as a person types it: start the calculator,
// choose the kind in the menu, the material in the list and the mode on the
// toggle, click into each field, type, read the result. Each row is typed in
// two orders: the quantity last (nothing is computed while it is "0", and it
// brings the result) and the quantity first (the last dimension brings it).
// The label shows the row's text, agrees with the core's rule for the shown
// result computed from the same field texts, and is drawn in black, or in
// red for the error text. Then the rules that decide whether anything is
// computed: a zero quantity, a field that is no number, recalculation off,
// each keystroke in a dimension. This suite runs under C.UTF-8; what the
// locale changes in a result is tst_localeformats'.
#include "choices.h"
#include "windowfixture.h"

#include <QtTest>

#include <array>

namespace {

enum class Order { QuantityLast, QuantityFirst };

const QString kError = QStringLiteral("Ошибка  ");

class Window : public Calculator {
public:
    // Clicks into the field of the row, removes what it holds and types.
    void fill(int r, const QString &text) const { replaceText(row(r), text); }
    // A metre of the 57 × 3.5 pipe, 4.6 kg of carbon steel.
    void typePipeExample() const { typeFields(worked::Example(metal::pkPipe, true).fields); }
};

}  // namespace

Q_DECLARE_METATYPE(Order)

class TypedResultsTest : public QObject {
    Q_OBJECT

private slots:
    void workedResults_data();
    void workedResults();
    void numberAfterANegativeResultIsBlackAgain();
    void zeroQuantityComputesNothing();
    void zeroLikeQuantitiesComputeZero_data();
    void zeroLikeQuantitiesComputeZero();
    void unparsableOrEmptyFieldKeepsTheResult();
    void nothingIsComputedWhileRecalculationIsOff();
    void dimensionChangeRecalculatesAtOnce();
};

void TypedResultsTest::workedResults_data()
{
    QTest::addColumn<int>("row");  // of the worked results
    QTest::addColumn<Order>("order");
    for (std::size_t i = 0; i < std::size(worked::kResults); ++i) {
        QTest::addRow("%s, quantity last", worked::kResults[i].name) << static_cast<int>(i) << Order::QuantityLast;
        QTest::addRow("%s, quantity first", worked::kResults[i].name) << static_cast<int>(i) << Order::QuantityFirst;
    }
}

void TypedResultsTest::workedResults()
{
    QFETCH(int, row);
    QFETCH(Order, order);
    const worked::Result &worked = worked::kResults[static_cast<std::size_t>(row)];

    Calculator calc;
    auto *result = calc.result();
    QCOMPARE(result->caption(), QStringLiteral("0.00 кг  "));

    calc.selectKind(worked.kind);
    // The material: open the list from the box, click the material.
    calc.click(calc.find("Label1"));
    QVERIFY(calc.find("Panel1")->isVisible());
    calc.click(calc.materialItem(worked.material));
    QVERIFY(!calc.find("Panel1")->isVisible());
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(),
             QStringLiteral("  ") + QString::fromUtf8(kMaterialNames[static_cast<std::size_t>(worked.material) - 1]));
    calc.selectMode(worked.massMode);
    const QString unit = worked.massMode                 ? QStringLiteral("кг")
                         : worked.kind == metal::pkSheet ? QStringLiteral("м2")
                                                         : QStringLiteral("м");
    const QString zero = QStringLiteral("0.00 %1  ").arg(unit);
    QCOMPARE(result->caption(), zero);

    // Rows left at "0" are not typed; the quantity is the lowest row typed.
    QStringList texts;
    for (const std::string_view text : worked.fields)
        texts << ToQString(text);
    int quantity = 0;
    for (int r = 0; r < metal::kRowCount; ++r)
        if (texts[r] != QLatin1String("0"))
            quantity = r;

    if (order == Order::QuantityLast) {
        // The dimensions from the top down, each field clicked into and typed
        // (entering a field that holds "0" empties it); the quantity last.
        for (int r = 0; r <= quantity; ++r) {
            if (texts[r] == QLatin1String("0"))
                continue;
            auto *field = calc.row(r);
            QVERIFY2(field->isVisible(), qPrintable(field->objectName()));
            if (r == quantity)  // nothing is computed while the quantity is "0"
                QCOMPARE(result->caption(), zero);
            calc.typeInto(field, texts[r]);
            QCOMPARE(field->text(), texts[r]);
        }
    } else {
        // The quantity first, then the dimensions from the top down, each
        // field's text replaced: the last dimension typed brings the result.
        calc.replaceText(calc.row(quantity), texts[quantity]);
        for (int r = 0; r < quantity; ++r)
            if (texts[r] != QLatin1String("0"))
                calc.replaceText(calc.row(r), texts[r]);
    }

    std::array<QByteArray, metal::kRowCount> utf8;
    metal::FieldTexts onScreen;
    for (std::size_t r = 0; r < utf8.size(); ++r) {
        QCOMPARE(calc.row(static_cast<int>(r))->text(), texts[static_cast<qsizetype>(r)]);
        utf8[r] = calc.row(static_cast<int>(r))->text().toUtf8();
        onScreen[r] = std::string_view(utf8[r].constData(), static_cast<std::size_t>(utf8[r].size()));
    }
    const QString separator = ExpectedGroupSeparator();
    QCOMPARE(result->caption(), ShownCaption(worked, separator));
    const metal::ResultText core = metal::FormatResult(
        metal::CalculateResult(worked.kind, onScreen, metal::Densities[worked.material], worked.massMode),
        separator.toStdString());
    QCOMPARE(result->caption(), QString::fromStdString(metal::ShownResult(core, worked.massMode, worked.kind)));

    const bool error = result->caption() == QStringLiteral("Ошибка  ");
    const QColor colour = error ? QColor(255, 0, 0) : QColor(0, 0, 0);
    QCOMPARE(result->fontColor(), colour);
    const QImage shot = calc.grab();
    QVERIFY2(HasPixel(shot, result->geometry(), colour), "the result is drawn in its colour");
    QVERIFY(!HasPixel(shot, result->geometry(), error ? QColor(0, 0, 0) : QColor(255, 0, 0)));
}

void TypedResultsTest::numberAfterANegativeResultIsBlackAgain()
{
    // A wall thicker than half the diameter gives a negative mass: the error
    // text, red.
    Window calc;
    auto *result = calc.result();
    calc.fill(1, QStringLiteral("2"));
    calc.fill(2, QStringLiteral("3"));
    calc.fill(3, QStringLiteral("1"));
    QCOMPARE(result->caption(), kError);
    QCOMPARE(result->fontColor(), QColor(255, 0, 0));

    // A wall that fits gives a black number with its unit again: 57 mm with
    // a 3 mm wall weighs 3 × 54 × π × 7.9 ÷ 1000 = 4.02 kg a metre.
    calc.fill(1, QStringLiteral("57"));
    QCOMPARE(result->caption(), QStringLiteral("4.0 кг  "));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));
}

void TypedResultsTest::zeroQuantityComputesNothing()
{
    Window calc;
    auto *result = calc.result();
    // The quantity of the pipe, its length, is still "0".
    calc.fill(1, QStringLiteral("57"));
    calc.fill(2, QStringLiteral("3.5"));
    QCOMPARE(calc.row(3)->text(), QStringLiteral("0"));
    QCOMPARE(result->caption(), QStringLiteral("0.00 кг  "));
    calc.fill(1, QStringLiteral("76"));
    QCOMPARE(result->caption(), QStringLiteral("0.00 кг  "));

    // With a result on screen, a quantity put back to "0" leaves it, and so
    // does a later change of a dimension.
    calc.fill(3, QStringLiteral("1"));
    QCOMPARE(result->caption(), QStringLiteral("6.3 кг  "));  // 3.5 × 72.5 × π × 7.9 ÷ 1000 = 6.30
    calc.fill(3, QStringLiteral("0"));
    QCOMPARE(result->caption(), QStringLiteral("6.3 кг  "));
    calc.fill(1, QStringLiteral("57"));
    QCOMPARE(result->caption(), QStringLiteral("6.3 кг  "));
    calc.fill(2, QStringLiteral("3"));
    QCOMPARE(result->caption(), QStringLiteral("6.3 кг  "));
}

void TypedResultsTest::zeroLikeQuantitiesComputeZero_data()
{
    QTest::addColumn<bool>("mass");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("shown");
    for (bool mass : {true, false}) {
        const char *mode = mass ? "mass" : "length";
        const QString zero = mass ? QStringLiteral("0.0 кг  ") : QStringLiteral("0.0 м  ");
        QTest::addRow("%s, 0.0", mode) << mass << "0.0" << zero;
        QTest::addRow("%s, 00", mode) << mass << "00" << zero;
        QTest::addRow("%s, .", mode) << mass << "." << zero;
    }
}

void TypedResultsTest::zeroLikeQuantitiesComputeZero()
{
    QFETCH(bool, mass);
    QFETCH(QString, quantity);
    QFETCH(QString, shown);
    Window calc;
    calc.selectMode(mass);
    calc.fill(1, QStringLiteral("57"));
    calc.fill(2, QStringLiteral("3.5"));
    calc.fill(3, quantity);
    QCOMPARE(calc.row(3)->text(), quantity);
    QCOMPARE(calc.result()->caption(), shown);
}

void TypedResultsTest::unparsableOrEmptyFieldKeepsTheResult()
{
    Window calc;
    auto *result = calc.result();
    calc.typePipeExample();
    QCOMPARE(result->caption(), QStringLiteral("4.6 кг  "));

    // A second point: the wall is no number.
    calc.click(calc.row(2));
    calc.key(Qt::Key_End);
    calc.type(QStringLiteral("."));
    QCOMPARE(calc.row(2)->text(), QStringLiteral("3.5."));
    QCOMPARE(result->caption(), QStringLiteral("4.6 кг  "));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));
    // Nor does a change of another field compute while it is so.
    calc.click(calc.row(3));
    calc.key(Qt::Key_End);
    calc.type(QStringLiteral("2"));
    QCOMPARE(calc.row(3)->text(), QStringLiteral("12"));
    QCOMPARE(result->caption(), QStringLiteral("4.6 кг  "));
    calc.fill(3, QStringLiteral("1"));
    QCOMPARE(result->caption(), QStringLiteral("4.6 кг  "));

    // The diameter emptied at one stroke (selected and deleted): nothing.
    calc.fill(2, QStringLiteral("3"));
    QCOMPARE(result->caption(), QStringLiteral("4.0 кг  "));
    calc.click(calc.row(1));
    calc.key(Qt::Key_End);
    calc.key(Qt::Key_Home, Qt::ShiftModifier);
    calc.key(Qt::Key_Delete);
    QCOMPARE(calc.row(1)->text(), QString());
    QCOMPARE(result->caption(), QStringLiteral("4.0 кг  "));

    // While it is empty, another field's change recalculates: choosing a
    // material re-posts the wall. The empty diameter keeps the result.
    calc.chooseMaterial(metal::mtLead);
    QCOMPARE(calc.focus(), calc.row(1));
    QCOMPARE(calc.row(1)->text(), QString());
    QCOMPARE(result->caption(), QStringLiteral("4.0 кг  "));
    // Once it holds a number again, lead is used: 3 × 54 × π × 11.3415 ÷ 1000.
    calc.type(QStringLiteral("57"));
    QCOMPARE(result->caption(), QStringLiteral("5.8 кг  "));
}

void TypedResultsTest::nothingIsComputedWhileRecalculationIsOff()
{
    Window calc;
    auto *result = calc.result();
    RecalcEnabled = false;
    calc.typePipeExample();
    QCOMPARE(result->caption(), QStringLiteral("0.00 кг  "));
    RecalcEnabled = true;
    // The next change computes from every field as it stands.
    calc.type(QStringLiteral("0"));
    QCOMPARE(calc.row(3)->text(), QStringLiteral("10"));
    QCOMPARE(result->caption(), QStringLiteral("46.5 кг  "));  // ten metres of 4.647 kg
}

void TypedResultsTest::dimensionChangeRecalculatesAtOnce()
{
    Window calc;
    auto *result = calc.result();
    calc.typePipeExample();
    QCOMPARE(result->caption(), QStringLiteral("4.6 кг  "));

    // Each keystroke in a dimension shows its result before the next one,
    // with no event processed in between: "5" (a 5 mm pipe with a 3.5 mm
    // wall: 3.5 × 1.5 × π × 7.9 ÷ 1000 = 0.13 kg) ...
    calc.click(calc.row(1));
    calc.key(Qt::Key_End);
    calc.key(Qt::Key_Backspace);
    QCOMPARE(result->caption(), QStringLiteral("0.1 кг  "));
    // ... "56" (3.5 × 52.5 × π × 7.9 ÷ 1000 = 4.56 kg).
    calc.type(QStringLiteral("6"));
    QCOMPARE(result->caption(), QStringLiteral("4.6 кг  "));
    calc.key(Qt::Key_Backspace);
    calc.type(QStringLiteral("7"));
    // A thinner wall: 3 × 54 × π × 7.9 ÷ 1000 = 4.02 kg.
    calc.fill(2, QStringLiteral("3"));
    QCOMPARE(result->caption(), QStringLiteral("4.0 кг  "));
}

QTEST_MAIN(TypedResultsTest)
#include "tst_typedresults.moc"
