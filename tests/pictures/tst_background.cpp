// The background picture and its @2x twin: its outline, bands, rules and
// footer at the places the window relies on, the boxes its texts are drawn
// in, the faint drawing of its work area and its rounded corners.
#include "picturefiles.h"

#include <algorithm>
#include <cmath>

namespace {

// The background and its twin, for the checks of the whole background.
void AddBackgroundScales()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("background.png") << 1;
    QTest::newRow("background@2x.png") << 2;
}

}  // namespace

class BackgroundTest : public QObject {
    Q_OBJECT

private slots:
    void pixel_data();
    void pixel();
    void inkBox_data();
    void inkBox();
    void workArea_data();
    void workArea();
    void backgroundCorners_data();
    void backgroundCorners();
};

void BackgroundTest::pixel_data()
{
    AddPlaceColumns();
    const QColor white(255, 255, 255);

    // The background: outline, bands, rules and footer.
    const char *bg = "background.png";
    const Place bgPlaces[] = {
        {"background corner top left", {0, 0}, Look::Clear},
        {"background corner top right", {707, 0}, Look::Clear},
        {"background corner bottom left", {0, 580}, Look::Clear},
        {"background corner bottom right", {707, 580}, Look::Clear},
        {"background inside the corner's curve", {1, 1}, Look::Clear},
        {"background outline top", {354, 0}, Look::Exact, QColor(187, 187, 187)},
        {"background outline left", {0, 300}, Look::Exact, QColor(187, 187, 187)},
        {"background outline right", {707, 300}, Look::Exact, QColor(187, 187, 187)},
        {"background outline bottom", {354, 580}, Look::Exact, QColor(187, 187, 187)},
        {"background lower edge row 578", {354, 578}, Look::Exact, QColor(212, 212, 212), 14},
        {"background lower edge row 579", {100, 579}, Look::Exact, QColor(200, 200, 200), 14},
        {"background title band row 3", {100, 3}, Look::Exact, white},
        {"background title band row 45", {600, 45}, Look::Exact, white},
        {"background title band left of the title", {204, 25}, Look::Exact, white},
        {"background title band right of the title", {504, 25}, Look::Exact, white},
        {"background rule under the title", {354, 46}, Look::Exact, QColor(187, 187, 187)},
        {"background rule under the title at the left", {5, 46}, Look::Exact, QColor(187, 187, 187)},
        {"background material band row 47", {354, 47}, Look::Exact, white},
        {"background material band row 115", {354, 115}, Look::Exact, white},
        {"background material band under the toggle", {600, 80}, Look::Exact, white},
        {"background rule under the material band", {354, 116}, Look::Exact, QColor(219, 219, 219)},
        {"background work area first row", {354, 117}, Look::Exact, QColor(241, 241, 241)},
        {"background work area under the menu", {150, 300}, Look::Exact, QColor(241, 241, 241)},
        {"background work area behind the drawing", {400, 250}, Look::Exact, QColor(241, 241, 241)},
        {"background work area last row", {354, 526}, Look::Exact, QColor(241, 241, 241)},
        {"background footer first row", {354, 527}, Look::Exact, white},
        {"background footer left of the year", {20, 555}, Look::Exact, white},
        {"background footer last row", {354, 577}, Look::Exact, white},
        {"background seller name underline start", {110, 562}, Look::Exact, QColor(0, 142, 195)},
        {"background seller name underline end", {187, 562}, Look::Exact, QColor(0, 142, 195)},
        {"background footer right of the name", {190, 555}, Look::Exact, white},
    };
    AddPlaces(bg, bgPlaces);
}

void BackgroundTest::pixel() { CheckPlace(); }

void BackgroundTest::inkBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QRect>("searched");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<QRect>("ink");

    const QColor white(255, 255, 255);
    const struct {
        const char *row;
        QRect searched, ink;
    } boxes[] = {
        {"title", QRect(12, 3, 684, 43), QRect(QPoint(205, 15), QPoint(503, 35))},
        {"material caption", QRect(2, 47, 108, 69), QRect(QPoint(22, 75), QPoint(89, 87))},
        {"seller name", QRect(40, 528, 156, 50), QRect(QPoint(110, 550), QPoint(187, 562))},
        {"seller logo", QRect(566, 528, 136, 50), QRect(QPoint(574, 542), QPoint(676, 560))},
    };
    for (const auto &b : boxes) {
        QTest::newRow(b.row) << "background.png" << 1 << b.searched << white << b.ink;
        QTest::newRow(qPrintable(QByteArray(b.row) + " @2x"))
            << "background.png" << 2 << Scaled(b.searched, 2) << white << Scaled(b.ink, 2);
    }
}

void BackgroundTest::inkBox()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(QRect, searched);
    QFETCH(QColor, ground);
    QFETCH(QRect, ink);

    const QImage image = LoadPicture(name, scale);
    QRgb groundPixel = ground.rgba();
    if (ground.alpha() == 0)
        groundPixel = 0;
    QCOMPARE(InkBounds(image, searched, groundPixel), ink);

    // At 2x the letters are drawn for the finer grid: in a picture enlarged
    // pixel by pixel every aligned 2 x 2 block would be one colour.
    if (scale == 2) {
        int mixed = 0;
        for (int y = ink.top() & ~1; y < ink.bottom(); y += 2)
            for (int x = ink.left() & ~1; x < ink.right(); x += 2) {
                const QRgb p = image.pixel(x, y);
                mixed += (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p)
                             ? 1
                             : 0;
            }
        QVERIFY2(mixed >= ink.width() / 4, qPrintable(QStringLiteral("only %1 blocks of two colours").arg(mixed)));
    }
}

void BackgroundTest::workArea_data() { AddBackgroundScales(); }

void BackgroundTest::workArea()
{
    QFETCH(int, scale);
    const QImage image = LoadPicture(QStringLiteral("background.png"), scale);
    const QRect area = Scaled(QRect(QPoint(1, 117), QPoint(706, 526)), scale);
    int plain = 0, total = 0;
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            ++total;
            if (p == qRgb(241, 241, 241))
                ++plain;
            darkest = std::min(darkest, qGray(p));
            QVERIFY2(qAlpha(p) == 255, qPrintable(QStringLiteral("transparent at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY2(plain > total * 0.8, qPrintable(QStringLiteral("%1 of %2 plain").arg(plain).arg(total)));
    QVERIFY2(plain < total, "the pipework drawing is missing");
    QVERIFY2(darkest >= 205, qPrintable(QStringLiteral("a line as dark as %1").arg(darkest)));
}

void BackgroundTest::backgroundCorners_data() { AddBackgroundScales(); }

void BackgroundTest::backgroundCorners()
{
    QFETCH(int, scale);
    const QImage image = LoadPicture(QStringLiteral("background.png"), scale);
    const int r = 10 * scale, w = image.width(), h = image.height();
    const qreal margin = 0.05;
    for (int y = 0; y < r; ++y) {
        for (int x = 0; x < r; ++x) {
            // The pixel's nearest and farthest points from the circle's centre (r, r).
            const qreal nearX = r - (x + 1), nearY = r - (y + 1), farX = r - x, farY = r - y;
            const qreal nearest = std::hypot(nearX, nearY), farthest = std::hypot(farX, farY);
            for (const QPoint at :
                 {QPoint(x, y), QPoint(w - 1 - x, y), QPoint(x, h - 1 - y), QPoint(w - 1 - x, h - 1 - y)}) {
                const int alpha = qAlpha(image.pixel(at));
                const QString where = QStringLiteral("alpha %1 at %2,%3").arg(alpha).arg(at.x()).arg(at.y());
                if (nearest >= r + margin)
                    QVERIFY2(alpha == 0, qPrintable(where + " outside the corner"));
                if (farthest <= r - margin)
                    QVERIFY2(alpha == 255, qPrintable(where + " inside the corner"));
            }
        }
    }
}

QTEST_MAIN(BackgroundTest)
#include "tst_background.moc"
