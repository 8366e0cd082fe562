// Whole runs as a person makes them: start the calculator, choose the kind
// in the menu, the material in the list and the mode on the toggle, click
// into each field and type the dimensions, read the result.
#include "windowfixture.h"

#include <QtTest>

namespace {

// The menu items by kind, the list items by material, the fields by row.
constexpr std::array<const char *, 10> kItems{"Label2", "Label3", "Label4", "Label5",  "Label6",
                                              "Label7", "Label8", "Label9", "Label10", "Label11"};
constexpr std::array<const char *, 5> kFields{"Edit6", "Edit1", "Edit2", "Edit3", "Edit5"};

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void workedResults_data();
    void workedResults();
};

void EndToEndTest::workedResults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("material");  // the item in the list
    QTest::addColumn<QString>("materialName");
    QTest::addColumn<bool>("mass");
    QTest::addColumn<QStringList>("fields");  // rows 0 .. 4; empty: left at "0"
    QTest::addColumn<QString>("shown");

    const QString steel = QStringLiteral("Label21");
    const QString steelName = QStringLiteral("  Углеродная сталь");
    // The worked results: carbon steel and mass mode unless named.
    QTest::newRow("pipe") << 1 << steel << steelName << true << QStringList{"", "57", "3.5", "1", ""}
                          << QStringLiteral("4.6 кг  ");
    QTest::newRow("profile pipe") << 2 << steel << steelName << true << QStringList{"", "40", "20", "2", "1"}
                                  << QStringLiteral("1.8 кг  ");
    QTest::newRow("square") << 3 << steel << steelName << true << QStringList{"", "10", "2", "", ""}
                            << QStringLiteral("1.6 кг  ");
    QTest::newRow("round") << 4 << steel << steelName << true << QStringList{"", "20", "1", "", ""}
                           << QStringLiteral("2.5 кг  ");
    QTest::newRow("angle") << 5 << steel << steelName << true << QStringList{"", "50", "50", "5", "1"}
                           << QStringLiteral("3.8 кг  ");
    QTest::newRow("sheet") << 6 << steel << steelName << true << QStringList{"", "1000", "2000", "2", "3"}
                           << QStringLiteral("94.8 кг  ");
    QTest::newRow("sheet, area mode") << 6 << steel << steelName << false << QStringList{"", "1000", "2000", "", "3"}
                                      << QStringLiteral("6.0 м2  ");
    QTest::newRow("strip") << 7 << steel << steelName << true << QStringList{"", "20", "2", "10", ""}
                           << QStringLiteral("3.2 кг  ");
    QTest::newRow("strip, length mode") << 7 << steel << steelName << false << QStringList{"", "20", "2", "3.16", ""}
                                        << QStringLiteral("10.0 м  ");
    QTest::newRow("hexagon") << 8 << steel << steelName << true << QStringList{"", "10", "1", "", ""}
                             << QStringLiteral("0.7 кг  ");
    QTest::newRow("channel") << 9 << steel << steelName << true << QStringList{"", "50", "100", "5", "1"}
                             << QStringLiteral("7.5 кг  ");
    QTest::newRow("beam") << 10 << steel << steelName << true << QStringList{"200", "100", "5.2", "8.4", "1"}
                          << QStringLiteral("20.8 кг  ");
    QTest::newRow("square, length mode") << 3 << steel << steelName << false << QStringList{"", "10", "1.58", "", ""}
                                         << QStringLiteral("2.0 м  ");
    QTest::newRow("square, lead") << 3 << QStringLiteral("Label30") << QStringLiteral("  Свинец") << true
                                  << QStringList{"", "10", "1", "", ""} << QStringLiteral("1.1 кг  ");
}

void EndToEndTest::workedResults()
{
    QFETCH(int, kind);
    QFETCH(QString, material);
    QFETCH(QString, materialName);
    QFETCH(bool, mass);
    QFETCH(QStringList, fields);
    QFETCH(QString, shown);

    Calculator calc;
    auto *result = calc.find<ui::Label>("Label32");
    QCOMPARE(result->caption(), QStringLiteral("0.00 кг  "));

    // The kind, by its item in the menu.
    calc.click(calc.find(kItems[static_cast<std::size_t>(kind) - 1]));
    // The material: open the list from the box, click the material.
    calc.click(calc.find("Label1"));
    QVERIFY(calc.find("Panel1")->isVisible());
    calc.click(calc.find(qPrintable(material)));
    QVERIFY(!calc.find("Panel1")->isVisible());
    QCOMPARE(calc.find<ui::Label>("Label1")->caption(), materialName);
    // The mode: the left zone of the toggle is length (area), the right one mass.
    calc.click(calc.find(mass ? "Label13" : "Label12"));
    const QString unit = mass ? QStringLiteral("кг") : kind == 6 ? QStringLiteral("м2") : QStringLiteral("м");
    QCOMPARE(result->caption(), QStringLiteral("0.00 %1  ").arg(unit));

    // The dimensions from the top down; the quantity, the lowest row, last.
    int quantityRow = 0;
    for (int row = 0; row < 5; ++row)
        if (!fields[row].isEmpty())
            quantityRow = row;
    for (int row = 0; row < 5; ++row) {
        if (fields[row].isEmpty())
            continue;
        auto *field = calc.find<ui::Edit>(kFields[static_cast<std::size_t>(row)]);
        QVERIFY2(field->isVisible(), kFields[static_cast<std::size_t>(row)]);
        if (row == quantityRow)  // nothing is computed while the quantity is "0"
            QCOMPARE(result->caption(), QStringLiteral("0.00 %1  ").arg(unit));
        calc.typeInto(field, fields[row]);
        QCOMPARE(field->text(), fields[row]);
    }

    QCOMPARE(result->caption(), shown);
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));
    QVERIFY2(HasPixel(calc.grab(), result->geometry(), QColor(0, 0, 0)), "the result is drawn in black");
}

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
