// Calculations typed into the real window and read off the result label:
// the worked results, which the label shows as the core's rule for the shown
// result says, the range limit, the error text and back, the rule that
// decides whether anything is computed, and the result's grouping under the
// locale the test runs in (this test runs under several).
#include "windowfixture.h"

#include <QtTest>

#include <array>

namespace {

const QString kError = QStringLiteral("Ошибка  ");

class Window : public Calculator {
public:
    // Clicks into the field of the row, removes what it holds and types.
    void fill(int r, const QString &text) const { replaceText(row(r), text); }
    // A metre of the 57 × 3.5 pipe, 4.6 kg of carbon steel.
    void typePipeExample() const { typeFields(worked::Example(metal::pkPipe, true).fields); }
    // Whether the result is drawn in that colour on screen.
    bool resultDrawnIn(QRgb colour) const { return HasPixel(grab(), result()->geometry(), colour); }
};

}  // namespace

class CalculateTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void workedResults_data();
    void workedResults();
    void rangeLimit();
    void numberAfterANegativeResultIsBlackAgain();
    void zeroQuantityComputesNothing();
    void zeroLikeQuantitiesComputeZero_data();
    void zeroLikeQuantitiesComputeZero();
    void unparsableOrEmptyFieldKeepsTheResult();
    void nothingIsComputedWhileRecalculationIsOff();
    void dimensionChangeRecalculatesAtOnce();
    void groupedResultsUseTheLocaleSeparator();
    void pointIsTheDecimalSeparatorInEveryLocale();

private:
    // The groups of a number joined by the locale's separator.
    QString grouped(const QStringList &groups) const { return groups.join(separator_); }

    QString separator_;
};

void CalculateTest::initTestCase()
{
    separator_ = ExpectedGroupSeparator();
    QVERIFY2(!separator_.isEmpty(), ("run under a locale this test knows, not " + qgetenv("LC_ALL")).constData());
    // The locale the window reads is the one the run was registered with.
    QCOMPARE(QLocale::system().groupSeparator(), separator_);
}

void CalculateTest::workedResults_data()
{
    QTest::addColumn<int>("row");  // of the worked results
    for (std::size_t i = 0; i < std::size(worked::kResults); ++i)
        QTest::newRow(worked::kResults[i].name) << static_cast<int>(i);
}

// Each worked result typed into the window: the label shows it, in red for
// the error text and in black otherwise, and agrees with the core's rule for
// the shown result computed from the same field texts.
void CalculateTest::workedResults()
{
    QFETCH(int, row);
    const worked::Result &worked = worked::kResults[static_cast<std::size_t>(row)];

    Window calc;
    calc.selectKind(worked.kind);
    if (worked.material != metal::mtCarbonSteel)
        calc.chooseMaterial(worked.material);
    calc.selectMode(worked.massMode);

    // The quantity (the lowest row of the kind) first, then the dimensions
    // from the top down: the last dimension typed brings the result. Rows
    // left at "0" are not typed.
    QStringList texts;
    for (const std::string_view text : worked.fields)
        texts << ToQString(text);
    int quantity = 0;
    for (int r = 0; r < metal::kRowCount; ++r)
        if (texts[r] != QLatin1String("0"))
            quantity = r;
    calc.fill(quantity, texts[quantity]);
    for (int r = 0; r < quantity; ++r)
        if (texts[r] != QLatin1String("0"))
            calc.fill(r, texts[r]);

    std::array<QByteArray, metal::kRowCount> utf8;
    metal::FieldTexts onScreen;
    for (std::size_t r = 0; r < utf8.size(); ++r) {
        QCOMPARE(calc.row(static_cast<int>(r))->text(), texts[static_cast<qsizetype>(r)]);
        utf8[r] = calc.row(static_cast<int>(r))->text().toUtf8();
        onScreen[r] = std::string_view(utf8[r].constData(), static_cast<std::size_t>(utf8[r].size()));
    }
    QCOMPARE(calc.result()->caption(), ShownCaption(worked, separator_));
    const metal::ResultText core = metal::FormatResult(
        metal::CalculateResult(worked.kind, onScreen, metal::Densities[worked.material], worked.massMode),
        separator_.toStdString());
    QCOMPARE(calc.result()->caption(), QString::fromStdString(metal::ShownResult(core, worked.massMode, worked.kind)));

    const bool error = calc.result()->caption() == kError;
    const QColor colour = error ? QColor(255, 0, 0) : QColor(0, 0, 0);
    QCOMPARE(calc.result()->fontColor(), colour);
    QVERIFY(calc.resultDrawnIn(colour.rgb()));
    QVERIFY(!calc.resultDrawnIn(error ? qRgb(0, 0, 0) : qRgb(255, 0, 0)));
}

void CalculateTest::rangeLimit()
{
    Window calc;
    auto *result = calc.result();
    calc.selectKind(6);
    calc.selectMode(false);
    // 99999 × 99999 mm is 9999.800001 m² a sheet.
    calc.fill(1, QStringLiteral("99999"));
    calc.fill(2, QStringLiteral("99999"));

    // A thousand sheets stay below the limit.
    calc.fill(4, QStringLiteral("1000"));
    QCOMPARE(result->caption(), grouped({"9", "999", "800.0 м2  "}));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));

    // One more sheet is 10009799.8 m²: the error text, red, no unit.
    calc.key(Qt::Key_Backspace);
    calc.type(QStringLiteral("1"));
    QCOMPARE(calc.row(4)->text(), QStringLiteral("1001"));
    QCOMPARE(result->caption(), kError);
    QCOMPARE(result->fontColor(), QColor(255, 0, 0));
    QVERIFY(calc.resultDrawnIn(qRgb(255, 0, 0)));
    QVERIFY(!calc.resultDrawnIn(qRgb(0, 0, 0)));

    // Far beyond it as well.
    calc.fill(4, QStringLiteral("99999"));
    QCOMPARE(result->caption(), kError);
    QCOMPARE(result->fontColor(), QColor(255, 0, 0));

    // The next result in range is black again, with its unit.
    calc.fill(4, QStringLiteral("2"));
    QCOMPARE(result->caption(), grouped({"19", "999.6 м2  "}));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));
    QVERIFY(calc.resultDrawnIn(qRgb(0, 0, 0)));
    QVERIFY(!calc.resultDrawnIn(qRgb(255, 0, 0)));
}

void CalculateTest::numberAfterANegativeResultIsBlackAgain()
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

void CalculateTest::zeroQuantityComputesNothing()
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

void CalculateTest::zeroLikeQuantitiesComputeZero_data()
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

void CalculateTest::zeroLikeQuantitiesComputeZero()
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

void CalculateTest::unparsableOrEmptyFieldKeepsTheResult()
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

void CalculateTest::nothingIsComputedWhileRecalculationIsOff()
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

void CalculateTest::dimensionChangeRecalculatesAtOnce()
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

void CalculateTest::groupedResultsUseTheLocaleSeparator()
{
    Window calc;
    auto *result = calc.result();
    // 225 sheets of 1000 × 2000 × 2 mm: 4 dm³ of steel each, 31.6 kg.
    calc.selectKind(6);
    calc.fill(1, QStringLiteral("1000"));
    calc.fill(2, QStringLiteral("2000"));
    calc.fill(3, QStringLiteral("2"));
    calc.fill(4, QStringLiteral("225"));
    QCOMPARE(result->caption(), grouped({"7", "110.0 кг  "}));

    // Below a thousand no separator is shown.
    calc.fill(4, QStringLiteral("31"));
    QCOMPARE(result->caption(), QStringLiteral("979.6 кг  "));

    // Two separators: 200 sheets of 99999 × 99999 mm are 1999960.0002 m².
    calc.selectMode(false);
    calc.fill(1, QStringLiteral("99999"));
    calc.fill(2, QStringLiteral("99999"));
    calc.fill(4, QStringLiteral("200"));
    QCOMPARE(result->caption(), grouped({"1", "999", "960.0 м2  "}));
}

void CalculateTest::pointIsTheDecimalSeparatorInEveryLocale()
{
    // Under ru_RU and de_DE the locale's own decimal separator is a comma.
    const QByteArray locale = qgetenv("LC_ALL");
    if (locale.startsWith("ru_RU") || locale.startsWith("de_DE"))
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));

    Window calc;
    auto *result = calc.result();
    calc.fill(1, QStringLiteral("57"));
    calc.fill(2, QStringLiteral("3.5"));
    calc.fill(3, QStringLiteral("1.5"));
    QCOMPARE(calc.row(2)->text(), QStringLiteral("3.5"));
    // One and a half metres of 4.647 kg.
    QCOMPARE(result->caption(), QStringLiteral("7.0 кг  "));
    // The decimal key of such a keyboard types ',', which enters the point.
    calc.fill(3, QStringLiteral("2,5"));
    QCOMPARE(calc.row(3)->text(), QStringLiteral("2.5"));
    QCOMPARE(result->caption(), QStringLiteral("11.6 кг  "));
}

QTEST_MAIN(CalculateTest)
#include "tst_calculate.moc"
