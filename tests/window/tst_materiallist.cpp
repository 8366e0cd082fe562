// The material box and its list, driven by clicks and a moving pointer:
// opening it, the clicks that close it and those that leave it open, the
// look of its rows under the pointer, and every row chosen once. What a
// choice does to the result is tst_materialchoice's.
#include "choices.h"
#include "windowfixture.h"

#include <QtTest>

#include <array>

namespace {

// The list hangs at 112, 96 once opened; its rows are 16 px apart from 4.
constexpr QPoint kListAt(112, 96);
QPoint InList(int x, int y) { return kListAt + QPoint(x, y); }
// A point of a row (1 = top) in the list, in window coordinates.
QPoint RowPoint(int row, int dy = 7) { return InList(86, 4 + 16 * (row - 1) + dy); }
// The right end of a row, where no caption reaches.
QPoint RowEnd(int row) { return InList(168, 4 + 16 * (row - 1) + 7); }

// Colours on screen, compared without their alpha.
constexpr QRgb Rgb24(int r, int g, int b) { return qRgb(r, g, b) & 0xFFFFFF; }
constexpr QRgb kListBlue = Rgb24(146, 214, 255);
constexpr QRgb kHover = Rgb24(79, 166, 223);
constexpr QRgb kItemText = Rgb24(98, 85, 122);

// The worked result of 10 000 m of 10 mm square bar in a material.
const worked::Result &SquareBarIn(int material)
{
    for (const worked::Result &row : worked::kResults)
        if (row.kind == metal::pkSquare && row.material == material && row.fields[2] == "10000")
            return row;
    qFatal("no worked result of the square bar in material %d", material);
}

class Window : public Calculator {
public:
    QWidget *list() const { return find("Panel1"); }
    ui::Label *box() const { return find<ui::Label>("Label1"); }

    void open() const { click(box()); }
    // Puts the pointer at a place in the window. A move to where the pointer
    // already is reports nothing: come from one pixel away.
    void moveTo(QPoint at) const
    {
        pointAt(at + QPoint(1, 0));
        pointAt(at);
    }
    QRgb pixel(QPoint at) const { return grab().pixel(at) & 0xFFFFFF; }
};

#define COMPARE_PIXEL(actual, expected)                                                                                \
    QVERIFY2((actual) == (expected),                                                                                   \
             qPrintable(DescribePixel(actual) + QStringLiteral(" instead of ") + DescribePixel(expected)))

}  // namespace

class MaterialListTest : public QObject {
    Q_OBJECT

private slots:
    void opening_data();
    void opening();
    void openingAgainKeepsItOpen();
    void inFrontOfTheMenuAndThePreview();
    void clicksThatClose_data();
    void clicksThatClose();
    void clicksThatLeaveItOpen_data();
    void clicksThatLeaveItOpen();
    void firstRowIsHighlightedUntilThePointerLeavesIt();
    void rowUnderThePointer_data();
    void rowUnderThePointer();
    void everyRow_data();
    void everyRow();
    void bottomRowIsWhollyInside();
};

void MaterialListTest::opening_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("the name") << QPoint(150, 80);
    QTest::newRow("the arrow") << QPoint(270, 80);
}

void MaterialListTest::opening()
{
    QFETCH(QPoint, at);
    Window calc;
    calc.click(at);
    QVERIFY(calc.list()->isVisible());
    QCOMPARE(calc.list()->pos(), kListAt);
    // It hangs from the box, over its lowest rows, and shows its rows.
    QCOMPARE(calc.form().childAt(RowPoint(1)), calc.find("Label21"));
    QCOMPARE(calc.form().childAt(150, 97)->parentWidget(), calc.list());
    const QImage shot = calc.grab();
    QVERIFY(HasPixelNear(shot, QRect(RowPoint(2) - QPoint(80, 6), QSize(160, 12)), kItemText));
    COMPARE_PIXEL(shot.pixel(RowEnd(2)) & 0xFFFFFF, kListBlue);
    // Opening changes nothing else.
    QCOMPARE(calc.box()->caption(), QStringLiteral("  Углеродная сталь"));
    QCOMPARE(calc.result()->caption(), QStringLiteral("0.00 кг  "));
    QCOMPARE(calc.focus(), calc.find("Edit4"));
}

void MaterialListTest::openingAgainKeepsItOpen()
{
    Window calc;
    calc.open();
    calc.open();
    QVERIFY(calc.list()->isVisible());
    calc.click(QPoint(270, 80));
    QVERIFY(calc.list()->isVisible());
    QCOMPARE(calc.list()->pos(), kListAt);
}

void MaterialListTest::inFrontOfTheMenuAndThePreview()
{
    Window calc;
    calc.open();
    // Over the menu panel and its items.
    QWidget *over = calc.form().childAt(150, 200);
    QVERIFY(over);
    QCOMPARE(over->parentWidget(), calc.list());
    // The preview of an item left of the list comes up behind it: the
    // bronze row's end is light blue, not the preview's white.
    calc.moveTo(calc.centreOf(calc.find("Label6")));
    QVERIFY(calc.find("Panel3")->isVisible());
    const QPoint bronzeEnd = RowEnd(10);
    QVERIFY(calc.find("Panel3")->geometry().contains(bronzeEnd));
    QCOMPARE(calc.form().childAt(bronzeEnd), calc.find("Label31"));
    COMPARE_PIXEL(calc.pixel(bronzeEnd), kListBlue);
}

void MaterialListTest::clicksThatClose_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("background") << kBackground;
    QTest::newRow("background by the footer") << QPoint(300, 520);
    QTest::newRow("drawing") << QPoint(400, 250);
    QTest::newRow("result box") << QPoint(520, 500);
    QTest::newRow("title") << QPoint(610, 214);
    QTest::newRow("menu panel right of the items") << QPoint(200, 300);
    QTest::newRow("menu panel below the items") << QPoint(100, 495);
    // The menu items' centres lie left of the open list.
    for (int kind = 1; kind <= 10; ++kind)
        QTest::addRow("menu item of %s", KindShownAs(kind).name)
            << QPoint(16 + 2 + 88, 154 + KindShownAs(kind).itemTop + 16);
    QTest::newRow("length zone") << QPoint(596, 80);
    QTest::newRow("mass zone") << QPoint(660, 80);
    for (int row = 1; row <= 11; ++row)
        QTest::addRow("list row %d", row) << RowPoint(row);
}

void MaterialListTest::clicksThatClose()
{
    QFETCH(QPoint, at);
    Window calc;
    calc.open();
    QVERIFY(calc.list()->isVisible());
    calc.click(at);
    QVERIFY(!calc.list()->isVisible());
    // Closing leaves it where it hung.
    QCOMPARE(calc.list()->pos(), kListAt);
}

void MaterialListTest::clicksThatLeaveItOpen_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("field, row 1") << QPoint(432, 391);
    QTest::newRow("field, row 2") << QPoint(432, 425);
    QTest::newRow("field, row 3") << QPoint(432, 463);
    QTest::newRow("caption, row 1") << QPoint(350, 388);
    QTest::newRow("caption, row 2") << QPoint(350, 424);
    QTest::newRow("caption, row 3") << QPoint(350, 460);
    QTest::newRow("result") << QPoint(600, 441);
    QTest::newRow("total caption") << QPoint(597, 410);
    QTest::newRow("footer year") << QPoint(60, 554);
    QTest::newRow("toggle between its zones") << QPoint(628, 80);
    QTest::newRow("highlight left of the selected item") << QPoint(16, 170);
    QTest::newRow("the box, again") << QPoint(150, 80);
    // The list's own background: between two rows, beside them, below the
    // last one.
    QTest::newRow("list, between rows 1 and 2") << InList(80, 18);
    QTest::newRow("list, between rows 10 and 11") << InList(80, 162);
    QTest::newRow("list, right of the rows") << InList(175, 60);
    QTest::newRow("list, above the first row") << InList(80, 1);
}

void MaterialListTest::clicksThatLeaveItOpen()
{
    QFETCH(QPoint, at);
    Window calc;
    calc.open();
    calc.click(at);
    QVERIFY(calc.list()->isVisible());
    QCOMPARE(calc.list()->pos(), kListAt);
    // Nothing is chosen.
    QCOMPARE(calc.box()->caption(), QStringLiteral("  Углеродная сталь"));
}

void MaterialListTest::firstRowIsHighlightedUntilThePointerLeavesIt()
{
    Window calc;
    calc.open();
    // Carbon steel looks pointed at, though the pointer is on the box.
    COMPARE_PIXEL(calc.pixel(RowEnd(1)), kHover);
    COMPARE_PIXEL(calc.pixel(RowEnd(2)), kListBlue);

    // Pointing at another row highlights that one too; leaving it does not
    // take the first row's highlight away.
    calc.moveTo(RowPoint(3));
    COMPARE_PIXEL(calc.pixel(RowEnd(3)), kHover);
    COMPARE_PIXEL(calc.pixel(RowEnd(1)), kHover);
    calc.moveTo(RowPoint(4));
    COMPARE_PIXEL(calc.pixel(RowEnd(3)), kListBlue);
    COMPARE_PIXEL(calc.pixel(RowEnd(4)), kHover);
    COMPARE_PIXEL(calc.pixel(RowEnd(1)), kHover);

    // Once the pointer has been on the first row and left it, it looks like
    // the others, also after the list is closed and opened again.
    calc.moveTo(RowPoint(1));
    COMPARE_PIXEL(calc.pixel(RowEnd(1)), kHover);
    calc.moveTo(RowPoint(2));
    COMPARE_PIXEL(calc.pixel(RowEnd(1)), kListBlue);
    COMPARE_PIXEL(calc.pixel(RowEnd(2)), kHover);
    calc.moveTo(kBackground);
    COMPARE_PIXEL(calc.pixel(RowEnd(2)), kListBlue);
    calc.click(kBackground);
    calc.open();
    for (int row = 1; row <= 11; ++row)
        COMPARE_PIXEL(calc.pixel(RowEnd(row)), kListBlue);
}

void MaterialListTest::rowUnderThePointer_data()
{
    QTest::addColumn<int>("row");
    for (int row = 1; row <= 11; ++row)
        QTest::addRow("row %d", row) << row;
}

void MaterialListTest::rowUnderThePointer()
{
    QFETCH(int, row);
    Window calc;
    calc.open();
    // Take the first row's start-up highlight away first.
    calc.moveTo(RowPoint(1));
    calc.moveTo(kBackground);

    calc.moveTo(RowPoint(row, 3));
    const QImage shot = calc.grab();
    // The whole row is filled, its caption stays readable on it, the rows
    // around it are not.
    const QRect rowRect(InList(1, 4 + 16 * (row - 1)), QSize(172, 14));
    COMPARE_PIXEL(shot.pixel(rowRect.topRight()) & 0xFFFFFF, kHover);
    COMPARE_PIXEL(shot.pixel(rowRect.bottomLeft()) & 0xFFFFFF, kHover);
    QVERIFY(HasPixelNear(shot, rowRect, kItemText));
    if (row > 1)
        COMPARE_PIXEL(shot.pixel(RowEnd(row - 1)) & 0xFFFFFF, kListBlue);
    if (row < 11)
        COMPARE_PIXEL(shot.pixel(RowEnd(row + 1)) & 0xFFFFFF, kListBlue);
    // The focus stays where it was.
    QCOMPARE(calc.focus(), calc.find("Edit4"));

    calc.moveTo(kBackground);
    COMPARE_PIXEL(calc.pixel(RowEnd(row)), kListBlue);
    COMPARE_PIXEL(calc.pixel(rowRect.topRight()), kListBlue);
}

void MaterialListTest::everyRow_data()
{
    QTest::addColumn<int>("row");
    for (int row = 1; row <= 11; ++row)
        QTest::addRow("row %d, %s", row, kMaterialNames[static_cast<std::size_t>(row) - 1]) << row;
}

void MaterialListTest::everyRow()
{
    QFETCH(int, row);
    const QString name = QString::fromUtf8(kMaterialNames[static_cast<std::size_t>(row) - 1]);
    const worked::Result &bar = SquareBarIn(row);
    Window calc;
    // A 10 mm square bar, 10 000 m long, in carbon steel first.
    calc.selectKind(metal::pkSquare);
    calc.typeFields(bar.fields);
    QCOMPARE(calc.result()->caption(), ShownCaption(SquareBarIn(metal::mtCarbonSteel), ExpectedGroupSeparator()));

    calc.open();
    // The row's caption as the list shows it: one leading space.
    auto *item = qobject_cast<ui::Label *>(calc.form().childAt(RowPoint(row)));
    QVERIFY(item);
    QCOMPARE(item->caption(), QStringLiteral(" ") + name);
    calc.click(RowPoint(row));
    QVERIFY(!calc.list()->isVisible());
    QCOMPARE(calc.box()->caption(), QStringLiteral("  ") + name);
    QCOMPARE(calc.result()->caption(), ShownCaption(bar, ExpectedGroupSeparator()));
    // The box shows the name in white on its blue.
    QVERIFY(HasPixel(calc.grab(), calc.box()->geometry(), Rgb24(255, 255, 255)));
}

void MaterialListTest::bottomRowIsWhollyInside()
{
    Window calc;
    calc.open();
    const QRect panel = calc.list()->rect();
    for (QWidget *item : calc.list()->findChildren<ui::Label *>())
        QVERIFY2(panel.contains(item->geometry()), qPrintable(item->objectName()));
    // The list's picture reaches below the bottom row: its lower half is drawn
    // in the list's blue with lead's caption on it.
    const QRect lead(InList(1, 164), QSize(172, 14));
    const QImage shot = calc.grab();
    const QRect lowerHalf(lead.left(), lead.top() + 7, lead.width(), 7);
    QVERIFY(HasPixelNear(shot, lowerHalf, kItemText));
    COMPARE_PIXEL(shot.pixel(RowEnd(11) + QPoint(0, 5)) & 0xFFFFFF, kListBlue);
    // And below it the list's edge, then the menu panel again.
    QVERIFY(calc.list()->geometry().bottom() >= lead.bottom() + 1);

    // A click on its lower half chooses lead.
    calc.click(RowPoint(11, 12));
    QVERIFY(!calc.list()->isVisible());
    QCOMPARE(calc.box()->caption(), QStringLiteral("  Свинец"));
}

QTEST_MAIN(MaterialListTest)
#include "tst_materiallist.moc"
