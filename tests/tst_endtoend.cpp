// Whole runs as a person makes them: start the calculator, choose the kind
// in the menu, the material in the list and the mode on the toggle, click
// into each field and type the dimensions, read the result. Every worked
// result is one run.
#include "choices.h"
#include "windowfixture.h"

#include <QtTest>

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void workedResults_data();
    void workedResults();
};

void EndToEndTest::workedResults_data()
{
    QTest::addColumn<int>("row");  // of the worked results
    for (std::size_t i = 0; i < std::size(worked::kResults); ++i)
        QTest::newRow(worked::kResults[i].name) << static_cast<int>(i);
}

void EndToEndTest::workedResults()
{
    QFETCH(int, row);
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
    QCOMPARE(result->caption(), QStringLiteral("0.00 %1  ").arg(unit));

    // The dimensions from the top down; the quantity, the lowest row, last.
    int quantityRow = 0;
    for (int r = 0; r < metal::kRowCount; ++r)
        if (worked.fields[static_cast<std::size_t>(r)] != "0")
            quantityRow = r;
    for (int r = 0; r <= quantityRow; ++r) {
        const std::string_view text = worked.fields[static_cast<std::size_t>(r)];
        if (text == "0")
            continue;
        auto *field = calc.row(r);
        QVERIFY2(field->isVisible(), qPrintable(field->objectName()));
        if (r == quantityRow)  // nothing is computed while the quantity is "0"
            QCOMPARE(result->caption(), QStringLiteral("0.00 %1  ").arg(unit));
        const QString typed = ToQString(text);
        calc.typeInto(field, typed);
        QCOMPARE(field->text(), typed);
    }

    QCOMPARE(result->caption(), ShownCaption(worked, ExpectedGroupSeparator()));
    const bool error = result->caption() == QStringLiteral("Ошибка  ");
    const QColor colour = error ? QColor(255, 0, 0) : QColor(0, 0, 0);
    QCOMPARE(result->fontColor(), colour);
    QVERIFY2(HasPixel(calc.grab(), result->geometry(), colour), "the result is drawn in its colour");
}

QTEST_MAIN(EndToEndTest)
#include "tst_endtoend.moc"
