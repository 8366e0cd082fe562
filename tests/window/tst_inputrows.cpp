// The input rows, the mode toggle and the result block as they stand for
// every kind in both modes: which rows are shown with which captions, where
// the result block sits, which toggle and box pictures are on screen, and
// the result after a reset. Every state is reached by clicks through the
// window, along several roads.
#include "choices.h"
#include "windowfixture.h"

#include <QtTest>

#include <array>

namespace {

constexpr int kSheet = 6;
constexpr int kBeam = 10;

// Rows 0 .. 4 from top to bottom: the tops of the field and its caption.
struct RowTops {
    int field;
    int caption;
};
constexpr std::array<RowTops, 5> kRowTops{{{344, 344}, {378, 380}, {412, 416}, {450, 452}, {484, 488}}};

// More than half of the picture's pixels on screen where it is drawn at
// `at`, as far as the rectangles left out let them be seen.
bool MostlyShows(const QImage &shot, QPoint at, const QImage &picture, const QList<QRect> &leftOut = {})
{
    return ShowsPicture(shot, at, picture, QRect(), leftOut, picture.width() * picture.height() / 2 + 1);
}

// The rows of the screen, inside `area`, where the screen differs from the
// opaque pixels of the picture drawn at `at`: the ink of what lies over it.
QPair<int, int> InkRowsOver(const QImage &shot, QPoint at, const QImage &picture, const QRect &area)
{
    const QImage pic = picture.convertToFormat(QImage::Format_ARGB32);
    int first = -1, last = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint p = QPoint(x, y) - at;
            if (!pic.rect().contains(p) || qAlpha(pic.pixel(p)) != 255)
                continue;
            if ((shot.pixel(x, y) & 0xFFFFFF) != (pic.pixel(p) & 0xFFFFFF)) {
                if (first < 0)
                    first = y;
                last = y;
            }
        }
    return {first, last};
}

// The inked rectangle of a label drawn on its own, in window coordinates.
QRect InkOf(QWidget *label)
{
    const QImage image = DrawnAlone(label);
    return InkBounds(image, image.rect(), 0).translated(label->pos());
}

// Tops of the box, the total caption and the result.
struct Placement {
    int box, total, result;
};

// How the state is reached.
enum class Road {
    AtStart,         // nothing clicked
    KindThenMode,    // the kind, then a mode zone
    ModeThenKind,    // a mode zone on the pipe, then the kind
    ViaSheetInArea,  // the sheet in area mode, then the kind, then the mode
    ViaBeam,         // the beam in the other mode, then the kind, then the mode
};

}  // namespace

Q_DECLARE_METATYPE(Road)

class InputRowsTest : public QObject {
    Q_OBJECT

private slots:
    void stateOfTheBlock_data();
    void stateOfTheBlock();
    void beamRaisesTheBlockBy34();
    void areaCaptionStaysInThePanelAboveTheBox();
};

void InputRowsTest::stateOfTheBlock_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("mass");
    QTest::addColumn<Road>("road");
    QTest::newRow("Труба, mass mode, at start") << 1 << true << Road::AtStart;
    const std::array<std::pair<Road, const char *>, 4> roads{{{Road::KindThenMode, "kind then mode"},
                                                              {Road::ModeThenKind, "mode then kind"},
                                                              {Road::ViaSheetInArea, "after the sheet in area mode"},
                                                              {Road::ViaBeam, "after the beam"}}};
    for (int kind = 1; kind <= 10; ++kind)
        for (bool mass : {true, false})
            for (const auto &[road, name] : roads) {
                if ((road == Road::ViaSheetInArea && kind == kSheet) || (road == Road::ViaBeam && kind == kBeam))
                    continue;
                QTest::addRow("%s, %s mode, %s", KindShownAs(kind).name, mass ? "mass" : "length", name)
                    << kind << mass << road;
            }
}

void InputRowsTest::stateOfTheBlock()
{
    QFETCH(int, kind);
    QFETCH(bool, mass);
    QFETCH(Road, road);
    Calculator calc;
    switch (road) {
    case Road::AtStart:
        break;
    case Road::KindThenMode:
        calc.selectKind(kind);
        calc.selectMode(mass);
        break;
    case Road::ModeThenKind:
        calc.selectMode(mass);
        calc.selectKind(kind);
        break;
    case Road::ViaSheetInArea:
        calc.selectKind(kSheet);
        calc.selectMode(false);
        QCOMPARE(calc.result()->caption(), QStringLiteral("0.00 м2  "));
        calc.selectKind(kind);
        calc.selectMode(mass);
        break;
    case Road::ViaBeam:
        calc.selectMode(!mass);
        calc.selectKind(kBeam);
        calc.selectKind(kind);
        calc.selectMode(mass);
        break;
    }

    const bool sheet = kind == kSheet;
    const bool area = sheet && !mass;
    const KindShown &rows = KindShownAs(kind);
    const TForm2 &store = calc.store();
    const QImage shot = calc.grab();

    // The toggle: its place, its picture and the picture on screen.
    auto *toggle = calc.find<ui::Image>("Image5");
    const StoreImage &togglePicture =
        sheet ? (mass ? store.Image15 : store.Image16) : (mass ? store.Image2 : store.Image1);
    QCOMPARE(toggle->geometry(), sheet ? QRect(548, 62, 143, 36) : QRect(568, 62, 123, 36));
    QCOMPARE(toggle->picture().toImage(), togglePicture.picture().toImage());
    QVERIFY2(MostlyShows(shot, toggle->pos(), togglePicture.picture().toImage()), "the toggle is on screen");
    // The click zones never move.
    QCOMPARE(calc.find("Label12")->geometry(), QRect(568, 62, 57, 35));
    QCOMPARE(calc.find("Label13")->geometry(), QRect(631, 62, 60, 35));

    // The result block: placement, box picture, total caption, result.
    auto *box = calc.find<ui::Image>("Image7");
    auto *total = calc.find<ui::Label>("Label18");
    auto *result = calc.result();
    // Raised for the beam, lowered for the sheet's area mode.
    const Placement tops = kind == kBeam ? Placement{344, 365, 396}
                           : area        ? Placement{378, 399, 450}
                                         : Placement{378, 399, 430};
    QCOMPARE(box->geometry(), QRect(511, tops.box, 174, 151));
    QCOMPARE(total->pos(), QPoint(532, tops.total));
    QCOMPARE(result->geometry(), QRect(536, tops.result, 129, 23));

    const StoreImage &boxPicture = area ? store.Image14 : store.Image13;
    QCOMPARE(box->picture().toImage(), boxPicture.picture().toImage());
    // The words that add to the list lie over the box: their letters.
    const auto *add = calc.find<ui::Label>("Label38");
    const QRect words(add->x() + (add->width() - add->captionSize().width()) / 2, add->y(), add->captionSize().width(),
                      add->captionSize().height());
    QVERIFY2(
        MostlyShows(shot, box->pos(), boxPicture.picture().toImage(), {total->geometry(), result->geometry(), words}),
        "the result box is on screen");
    if (area) {
        QCOMPARE(total->caption(), QStringLiteral("    Итого\r   площадь:"));
        QVERIFY(total->autoSize());
        QCOMPARE(total->size(), total->captionSize());
    } else {
        QCOMPARE(total->caption(), mass ? QStringLiteral("Итого вес:") : QStringLiteral("Итого длина:"));
        QVERIFY(!total->autoSize());
        QCOMPARE(total->width(), 130);
        if (road == Road::AtStart)
            QCOMPARE(total->height(), 22);
    }
    const QString unit = mass ? QStringLiteral("кг") : area ? QStringLiteral("м2") : QStringLiteral("м");
    QCOMPARE(result->caption(), QStringLiteral("0.00 %1  ").arg(unit));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));

    // The result's text lies in the white value box; the total caption in
    // the part of the box above it.
    const int valueBoxTop = box->y() + (area ? 67 : 49);
    const int valueBoxBottom = box->y() + (area ? 98 : 80);
    const auto resultInk = InkRowsOver(shot, box->pos(), boxPicture.picture().toImage(), result->geometry());
    QVERIFY2(resultInk.first >= valueBoxTop && resultInk.second <= valueBoxBottom,
             qPrintable(QStringLiteral("result ink on rows %1..%2, value box %3..%4")
                            .arg(resultInk.first)
                            .arg(resultInk.second)
                            .arg(valueBoxTop)
                            .arg(valueBoxBottom)));
    const QRect totalInk = InkOf(total);
    QVERIFY2(totalInk.top() > box->y() && totalInk.bottom() < valueBoxTop,
             qPrintable(QStringLiteral("total ink on rows %1..%2, value box from %3")
                            .arg(totalInk.top())
                            .arg(totalInk.bottom())
                            .arg(valueBoxTop)));
    QVERIFY2(box->geometry().contains(totalInk), "the total caption lies on the box");
    // And it is drawn there: the screen differs from the box picture.
    QVERIFY(qAbs(InkRowsOver(shot, box->pos(), boxPicture.picture().toImage(), totalInk).first - totalInk.top()) <= 1);

    // The rows of the kind, each with its caption ending at x 366; the
    // others hidden. After a reset every field holds "0".
    const QString quantity = mass ? QStringLiteral("Длина, м") : QStringLiteral("Масса, кг");
    for (int r = 0; r < 5; ++r) {
        const RowTops &place = kRowTops[static_cast<std::size_t>(r)];
        auto *field = calc.row(r);
        auto *caption = calc.rowCaption(r);
        const bool used = r >= rows.firstRow && r <= rows.quantityRow;
        QCOMPARE(field->isVisible(), used);
        QCOMPARE(caption->isVisible(), used);
        QCOMPARE(field->text(), QStringLiteral("0"));
        if (!used)
            continue;
        QCOMPARE(field->geometry(), QRect(384, place.field, 97, 26));
        const char *fixed = rows.captions[static_cast<std::size_t>(r)];
        QCOMPARE(caption->caption(), *fixed ? QString::fromUtf8(fixed) : quantity);
        QCOMPARE(caption->y(), place.caption);
        QCOMPARE(caption->x() + caption->width(), 366);
        QCOMPARE(caption->width(), caption->captionSize().width());
        const int inkRight = InkOf(caption).right();
        QVERIFY2(inkRight < 366 && inkRight >= 366 - 4,
                 qPrintable(QStringLiteral("%1 ends its ink at %2").arg(caption->caption()).arg(inkRight)));
    }
}

void InputRowsTest::beamRaisesTheBlockBy34()
{
    // The beam's five rows start at 344, 34 px above the others' first row,
    // and the whole result block rises with them; the next kind puts both
    // back.
    Calculator calc;
    auto *box = calc.find("Image7");
    auto *total = calc.find("Label18");
    auto *result = calc.find("Label32");
    const QList<QWidget *> block{box, total, result};
    QList<int> normal;
    for (QWidget *w : block)
        normal.append(w->y());

    calc.selectKind(kBeam);
    QCOMPARE(calc.find("Edit6")->y(), 344);
    QCOMPARE(calc.find("Edit1")->y() - calc.find("Edit6")->y(), 34);
    for (int i = 0; i < block.size(); ++i)
        QCOMPARE(block[i]->y(), normal[i] - 34);
    const QImage beam = calc.grab();

    calc.selectKind(9);
    for (int i = 0; i < block.size(); ++i)
        QCOMPARE(block[i]->y(), normal[i]);
    QVERIFY(!calc.find("Edit6")->isVisible());
    QVERIFY(!calc.find("Label20")->isVisible());
    // The box's top edge is drawn 34 px lower than on the beam.
    const QImage channel = calc.grab();
    const QRect raisedBox(511, 344, 174, 34);
    QVERIFY(channel.copy(raisedBox) != beam.copy(raisedBox));
}

void InputRowsTest::areaCaptionStaysInThePanelAboveTheBox()
{
    // The sheet's two-line total caption: its left edge stays at 532, both
    // lines are drawn, and it shrinks back to one fixed line in mass mode.
    Calculator calc;
    calc.selectKind(kSheet);
    auto *total = calc.find<ui::Label>("Label18");
    calc.selectMode(false);
    QCOMPARE(total->x(), 532);
    const QFontMetrics metrics(total->font());
    QVERIFY2(total->height() >= 2 * metrics.height() - 2, "the caption is two lines high");
    QVERIFY(total->width() < 130);

    calc.selectMode(true);
    QCOMPARE(total->caption(), QStringLiteral("Итого вес:"));
    QVERIFY(!total->autoSize());
    QCOMPARE(total->x(), 532);
    QCOMPARE(total->width(), 130);
    QCOMPARE(calc.find("Image7")->y(), 378);
    QCOMPARE(calc.find("Label32")->y(), 430);
}

QTEST_MAIN(InputRowsTest)
#include "tst_inputrows.moc"
