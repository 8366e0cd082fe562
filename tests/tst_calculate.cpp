// Calculations typed into the real window and read off the result label:
// the worked results, rounding, the range limit, the negative results, the
// rule that decides whether anything is computed, and the result's grouping
// under the locale the test runs in (this test runs under several).
#include "windowfixture.h"

#include <QtTest>

#include <array>

namespace {

constexpr std::array<const char *, 10> kMenuItems{"Label2", "Label3", "Label4", "Label5",  "Label6",
                                                  "Label7", "Label8", "Label9", "Label10", "Label11"};
// The fields of rows 0 .. 4, top to bottom.
constexpr std::array<const char *, 5> kRows{"Edit6", "Edit1", "Edit2", "Edit3", "Edit5"};

const QString kError = QStringLiteral("Ошибка  ");

class Window : public Calculator {
public:
    ui::Edit *row(int r) const { return find<ui::Edit>(kRows[static_cast<std::size_t>(r)]); }
    ui::Label *result() const { return find<ui::Label>("Label32"); }

    // The kind, by a click on its item in the menu.
    void selectKind(int kind) const { click(find(kMenuItems[static_cast<std::size_t>(kind) - 1])); }
    // The left zone of the toggle is length (for the sheet, area) mode, the
    // right one mass mode.
    void selectMode(bool mass) const { click(find(mass ? "Label13" : "Label12")); }
    void chooseMaterial(const char *item) const
    {
        click(find("Label1"));
        click(find(item));
    }

    // Clicks into the field, removes what it holds and types the text.
    void fill(int r, const QString &text) const
    {
        ui::Edit *field = row(r);
        click(field);
        if (!field->hasFocus())
            qFatal("%s took no focus", kRows[static_cast<std::size_t>(r)]);
        key(Qt::Key_End);
        while (!field->text().isEmpty())
            key(Qt::Key_Backspace);
        type(text);
    }

    // Whether the result is drawn in that colour on screen.
    bool resultDrawnIn(QRgb colour) const
    {
        const QImage shot = grab();
        const QRect area = result()->geometry();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if ((shot.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                    return true;
        return false;
    }
};

// The thousands separator this run expects, from the locale it was started
// under: a run under a locale this table does not know is a wrong
// registration, not a pass.
QString ExpectedGroupSeparator()
{
    const QByteArray locale = qgetenv("LC_ALL");
    if (locale == "ru_RU.UTF-8")
        return QString(QChar(0x00A0));
    if (locale == "en_US.UTF-8")
        return QStringLiteral(",");
    if (locale == "de_DE.UTF-8")
        return QStringLiteral(".");
    if (locale == "C.UTF-8")  // Qt's C locale groups with ','
        return QStringLiteral(",");
    return {};
}

}  // namespace

class CalculateTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void workedResults_data();
    void workedResults();
    void tiesGoToTheEvenTenth_data();
    void tiesGoToTheEvenTenth();
    void rangeLimit();
    void negativeResultsAreErrors_data();
    void negativeResultsAreErrors();
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
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("mass");
    QTest::addColumn<bool>("lead");         // chosen in the list; carbon steel otherwise
    QTest::addColumn<QStringList>("rows");  // rows 0 .. 4; empty: left at "0"
    QTest::addColumn<QString>("shown");

    QTest::newRow("pipe") << 1 << true << false << QStringList{"", "57", "3.5", "1", ""} << "4.6 кг  ";
    QTest::newRow("profile pipe") << 2 << true << false << QStringList{"", "40", "20", "2", "1"} << "1.8 кг  ";
    QTest::newRow("square") << 3 << true << false << QStringList{"", "10", "2", "", ""} << "1.6 кг  ";
    QTest::newRow("round bar") << 4 << true << false << QStringList{"", "20", "1", "", ""} << "2.5 кг  ";
    QTest::newRow("angle") << 5 << true << false << QStringList{"", "50", "50", "5", "1"} << "3.8 кг  ";
    QTest::newRow("sheet") << 6 << true << false << QStringList{"", "1000", "2000", "2", "3"} << "94.8 кг  ";
    QTest::newRow("sheet, area") << 6 << false << false << QStringList{"", "1000", "2000", "", "3"} << "6.0 м2  ";
    QTest::newRow("strip") << 7 << true << false << QStringList{"", "20", "2", "10", ""} << "3.2 кг  ";
    QTest::newRow("strip, length") << 7 << false << false << QStringList{"", "20", "2", "3.16", ""} << "10.0 м  ";
    QTest::newRow("hexagon") << 8 << true << false << QStringList{"", "10", "1", "", ""} << "0.7 кг  ";
    QTest::newRow("channel") << 9 << true << false << QStringList{"", "50", "100", "5", "1"} << "7.5 кг  ";
    QTest::newRow("beam") << 10 << true << false << QStringList{"200", "100", "5.2", "8.4", "1"} << "20.8 кг  ";
    QTest::newRow("square, length") << 3 << false << false << QStringList{"", "10", "1.58", "", ""} << "2.0 м  ";
    QTest::newRow("square, lead") << 3 << true << true << QStringList{"", "10", "1", "", ""} << "1.1 кг  ";
}

void CalculateTest::workedResults()
{
    QFETCH(int, kind);
    QFETCH(bool, mass);
    QFETCH(bool, lead);
    QFETCH(QStringList, rows);
    QFETCH(QString, shown);

    Window calc;
    calc.selectKind(kind);
    if (lead)
        calc.chooseMaterial("Label30");
    calc.selectMode(mass);

    // The quantity (the lowest row of the kind) first, then the dimensions
    // from the top down: the last dimension typed brings the result.
    int quantity = 0;
    for (int r = 0; r < 5; ++r)
        if (!rows[r].isEmpty())
            quantity = r;
    calc.fill(quantity, rows[quantity]);
    for (int r = 0; r < quantity; ++r)
        if (!rows[r].isEmpty())
            calc.fill(r, rows[r]);

    for (int r = 0; r < 5; ++r)
        QCOMPARE(calc.row(r)->text(), rows[r].isEmpty() ? QStringLiteral("0") : rows[r]);
    QCOMPARE(calc.result()->caption(), shown);
    QCOMPARE(calc.result()->fontColor(), QColor(0, 0, 0));
    QVERIFY(calc.resultDrawnIn(qRgb(0, 0, 0)));
    QVERIFY(!calc.resultDrawnIn(qRgb(255, 0, 0)));
}

void CalculateTest::tiesGoToTheEvenTenth_data()
{
    // Sheet areas in square metres: width × length ÷ 1000000 for one sheet.
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0.25 rounds down to 0.2") << "500"
                                             << "500"
                                             << "0.2 м2  ";
    QTest::newRow("0.75 rounds up to 0.8") << "750"
                                           << "1000"
                                           << "0.8 м2  ";
    // 0.35 is held just below 0.35, so it is no tie.
    QTest::newRow("0.35 rounds down to 0.3") << "350"
                                             << "1000"
                                             << "0.3 м2  ";
    QTest::newRow("0.45, held just above, rounds up to 0.5") << "450"
                                                             << "1000"
                                                             << "0.5 м2  ";
}

void CalculateTest::tiesGoToTheEvenTenth()
{
    QFETCH(QString, width);
    QFETCH(QString, length);
    QFETCH(QString, shown);
    Window calc;
    calc.selectKind(6);
    calc.selectMode(false);
    calc.fill(4, QStringLiteral("1"));
    calc.fill(1, width);
    calc.fill(2, length);
    QCOMPARE(calc.result()->caption(), shown);
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

void CalculateTest::negativeResultsAreErrors_data()
{
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("wall");
    // A wall thicker than half the diameter gives a negative mass.
    QTest::newRow("about -0.1 kg") << "2"
                                   << "3";
    QTest::newRow("about -0.0074 kg") << "2.9"
                                      << "3";
}

void CalculateTest::negativeResultsAreErrors()
{
    QFETCH(QString, diameter);
    QFETCH(QString, wall);
    Window calc;
    auto *result = calc.result();
    calc.fill(1, diameter);
    calc.fill(2, wall);
    calc.fill(3, QStringLiteral("1"));
    QCOMPARE(result->caption(), kError);
    QCOMPARE(result->fontColor(), QColor(255, 0, 0));
    QVERIFY(calc.resultDrawnIn(qRgb(255, 0, 0)));

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
    calc.fill(1, QStringLiteral("57"));
    calc.fill(2, QStringLiteral("3.5"));
    calc.fill(3, QStringLiteral("1"));
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
    calc.chooseMaterial("Label30");
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
    calc.fill(1, QStringLiteral("57"));
    calc.fill(2, QStringLiteral("3.5"));
    calc.fill(3, QStringLiteral("1"));
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
    calc.fill(1, QStringLiteral("57"));
    calc.fill(2, QStringLiteral("3.5"));
    calc.fill(3, QStringLiteral("1"));
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
