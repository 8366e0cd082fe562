// The pictures as the program embeds them, their @2x twins for screens
// scaled to 200 % and the application icons: their files' format, their
// sizes, and what a person sees at the places the window relies on, at both
// scales.
#include "pictures.h"
#include "windowfixture.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The twin of a picture at the scale: name.png at 1, name@2x.png at 2.
QString scaledName(const QString &name, int scale)
{
    if (scale == 1)
        return name;
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}

// The picture's file: at scale 1 as the program embeds it, at scale 2 from
// the source tree's assets/pictures/.
QByteArray fileBytes(const QString &name, int scale = 1)
{
    QFile file(scale == 1 ? QStringLiteral(":/pictures/") + name
                          : QStringLiteral(ASSETS_DIR "/pictures/") + scaledName(name, scale));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray assetBytes(const QString &path)
{
    QFile file(QStringLiteral(ASSETS_DIR "/") + path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage load(const QString &name, int scale = 1)
{
    const QImage image = scale == 1 ? ui::PictureImage(name) : QImage::fromData(fileBytes(name, scale));
    return image.convertToFormat(QImage::Format_ARGB32);
}

QRect scaled(const QRect &r, int scale)
{
    return QRect(r.left() * scale, r.top() * scale, r.width() * scale, r.height() * scale);
}

quint32 bigEndian32(const QByteArray &bytes, int at)
{
    return (quint32(quint8(bytes[at])) << 24) | (quint32(quint8(bytes[at + 1])) << 16) |
           (quint32(quint8(bytes[at + 2])) << 8) | quint32(quint8(bytes[at + 3]));
}

// What kind of pixel a place must show.
enum class Look {
    Exact,        // the given colour and opacity, within the tolerance
    Clear,        // fully transparent
    Metal,        // opaque, neutral grey, neither black nor white
    WhiteGround,  // a photo's white ground
    Product,      // clearly not the white ground
};

bool isMetal(QRgb p)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    return qAlpha(p) == 255 && std::abs(r - g) <= 14 && std::abs(g - b) <= 14 && r >= 50 && r <= 235;
}

}  // namespace

Q_DECLARE_METATYPE(Look)

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void fileFormat_data();
    void fileFormat();
    void pixel_data();
    void pixel();
    void inkBox_data();
    void inkBox();
    void workArea_data();
    void workArea();
    void backgroundCorners_data();
    void backgroundCorners();
    void toggle_data();
    void toggle();
    void photo_data();
    void photo();
    void appIcon_data();
    void appIcon();
    void windowsIcon();
};

void PicturesTest::fileFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    const struct {
        const char *name;
        int width, height;
    } pictures[] = {
        {"background.png", 708, 581},
        {"icon.png", 128, 128},
        {"material-box.png", 175, 35},
        {"material-list.png", 175, 181},
        {"menu-highlight.png", 190, 35},
        {"preview-pointer.png", 8, 14},
        {"toggle-length.png", 122, 35},
        {"toggle-mass.png", 122, 35},
        {"kind-pipe.png", 191, 190},
        {"kind-profile-pipe.png", 201, 150},
        {"kind-square.png", 195, 195},
        {"kind-round.png", 196, 196},
        {"kind-angle.png", 180, 180},
        {"kind-sheet.png", 140, 185},
        {"kind-strip.png", 245, 80},
        {"kind-hexagon.png", 191, 165},
        {"kind-channel.png", 201, 112},
        {"kind-beam.png", 140, 152},
        {"result-box.png", 169, 102},
        {"result-box-area.png", 169, 120},
        {"toggle-sheet-mass.png", 141, 35},
        {"toggle-sheet-area.png", 141, 35},
        {"photo-pipe.jpg", 108, 109},
        {"photo-profile-pipe.jpg", 108, 109},
        {"photo-square.jpg", 108, 109},
        {"photo-round.jpg", 108, 109},
        {"photo-angle.jpg", 108, 109},
        {"photo-sheet.jpg", 108, 81},
        {"photo-strip.jpg", 108, 108},
        {"photo-hexagon.jpg", 108, 109},
        {"photo-channel.jpg", 108, 109},
        {"photo-beam.jpg", 108, 109},
        {"close.png", 16, 16},
        {"close-hover.png", 16, 16},
        {"minimise.png", 8, 2},
        {"minimise-hover.png", 8, 2},
    };
    for (const auto &p : pictures) {
        const QString name = QString::fromLatin1(p.name);
        QTest::newRow(p.name) << name << 1 << p.width << p.height;
        QTest::newRow(qPrintable(scaledName(name, 2))) << name << 2 << 2 * p.width << 2 * p.height;
    }
}

// PNG pictures are 8-bit RGBA with an alpha channel; the photos are opaque
// colour JPEGs. Both decode to the size the window lays out; every picture's
// @2x twin is of the same kind and exactly twice as wide and high.
void PicturesTest::fileFormat()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(int, width);
    QFETCH(int, height);

    if (scale == 1)
        QVERIFY2(ui::PictureNames().contains(name), qPrintable(name + " is not embedded"));
    const QByteArray bytes = fileBytes(name, scale);
    QVERIFY2(bytes.size() > 30, qPrintable(scaledName(name, scale) + " is missing"));
    const QImage image = scale == 1 ? ui::PictureImage(name) : QImage::fromData(bytes);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(width, height));

    if (name.endsWith(QLatin1String(".png"))) {
        QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(bytes.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(bigEndian32(bytes, 16), quint32(width));
        QCOMPARE(bigEndian32(bytes, 20), quint32(height));
        QCOMPARE(int(quint8(bytes[24])), 8);  // bits per channel
        QCOMPARE(int(quint8(bytes[25])), 6);  // RGBA
        QVERIFY(image.hasAlphaChannel());
    } else {
        QVERIFY(bytes.startsWith("\xff\xd8\xff"));
        QVERIFY(!image.hasAlphaChannel());
        // A colour photo: its frame header (baseline or progressive) names
        // three components.
        int frame = -1;
        for (int i = 2; i + 9 < bytes.size() && frame < 0; ++i)
            if (quint8(bytes[i]) == 0xff && (quint8(bytes[i + 1]) == 0xc0 || quint8(bytes[i + 1]) == 0xc2))
                frame = i;
        QVERIFY(frame > 0);
        QCOMPARE(int(quint8(bytes[frame + 9])), 3);
    }
}

void PicturesTest::pixel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Look>("look");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("tolerance");

    // Every place is checked in the picture and, at twice its coordinates,
    // in its @2x twin.
    const auto exact = [](const QByteArray &row, const char *name, QPoint at, QColor colour, int tolerance = 0) {
        for (const int scale : {1, 2})
            QTest::newRow((scale == 1 ? row : row + " @2x").constData())
                << QString::fromLatin1(name) << scale << at << Look::Exact << colour << tolerance;
    };
    const auto look = [](const QByteArray &row, const char *name, QPoint at, Look kind) {
        for (const int scale : {1, 2})
            QTest::newRow((scale == 1 ? row : row + " @2x").constData())
                << QString::fromLatin1(name) << scale << at << kind << QColor() << 0;
    };
    const QColor white(255, 255, 255);

    // The background: outline, bands, rules and footer.
    const char *bg = "background.png";
    look("background corner top left", bg, {0, 0}, Look::Clear);
    look("background corner top right", bg, {707, 0}, Look::Clear);
    look("background corner bottom left", bg, {0, 580}, Look::Clear);
    look("background corner bottom right", bg, {707, 580}, Look::Clear);
    look("background inside the corner's curve", bg, {1, 1}, Look::Clear);
    exact("background outline top", bg, {354, 0}, QColor(187, 187, 187));
    exact("background outline left", bg, {0, 300}, QColor(187, 187, 187));
    exact("background outline right", bg, {707, 300}, QColor(187, 187, 187));
    exact("background outline bottom", bg, {354, 580}, QColor(187, 187, 187));
    exact("background lower edge row 578", bg, {354, 578}, QColor(212, 212, 212), 14);
    exact("background lower edge row 579", bg, {100, 579}, QColor(200, 200, 200), 14);
    exact("background title band row 3", bg, {100, 3}, white);
    exact("background title band row 45", bg, {600, 45}, white);
    exact("background title band left of the title", bg, {204, 25}, white);
    exact("background title band right of the title", bg, {504, 25}, white);
    exact("background rule under the title", bg, {354, 46}, QColor(187, 187, 187));
    exact("background rule under the title at the left", bg, {5, 46}, QColor(187, 187, 187));
    exact("background material band row 47", bg, {354, 47}, white);
    exact("background material band row 115", bg, {354, 115}, white);
    exact("background material band under the toggle", bg, {600, 80}, white);
    exact("background rule under the material band", bg, {354, 116}, QColor(219, 219, 219));
    exact("background work area first row", bg, {354, 117}, QColor(241, 241, 241));
    exact("background work area under the menu", bg, {150, 300}, QColor(241, 241, 241));
    exact("background work area behind the drawing", bg, {400, 250}, QColor(241, 241, 241));
    exact("background work area last row", bg, {354, 526}, QColor(241, 241, 241));
    exact("background footer first row", bg, {354, 527}, white);
    exact("background footer left of the year", bg, {20, 555}, white);
    exact("background footer last row", bg, {354, 577}, white);
    exact("background seller name underline start", bg, {110, 562}, QColor(0, 142, 195));
    exact("background seller name underline end", bg, {187, 562}, QColor(0, 142, 195));
    exact("background footer right of the name", bg, {190, 555}, white);

    // The icon: a calculator on a transparent ground.
    const char *icon = "icon.png";
    look("icon corner top left", icon, {0, 0}, Look::Clear);
    look("icon corner bottom right", icon, {127, 127}, Look::Clear);
    look("icon left margin", icon, {5, 64}, Look::Clear);
    exact("icon body", icon, {64, 64}, QColor(70, 76, 86), 20);
    exact("icon body top", icon, {64, 9}, QColor(82, 89, 100), 20);
    exact("icon display glass", icon, {34, 20}, QColor(185, 205, 165), 16);
    exact("icon display bezel", icon, {30, 20}, QColor(28, 30, 34), 12);
    exact("icon equals key", icon, {87, 112}, QColor(245, 140, 30), 30);

    // The material box: shaded bar, divider and arrow.
    const char *box = "material-box.png";
    exact("box top row", box, {70, 0}, QColor(146, 214, 255));
    exact("box lowest quarter", box, {70, 28}, QColor(79, 166, 223));
    exact("box bottom row", box, {70, 34}, QColor(79, 166, 223));
    exact("box bottom row under the arrow", box, {160, 34}, QColor(79, 166, 223));
    exact("box divider top", box, {140, 2}, QColor(81, 164, 220));
    exact("box divider middle", box, {140, 17}, QColor(81, 164, 220));
    exact("box divider bottom", box, {140, 33}, QColor(81, 164, 220));
    exact("box arrow top row left end", box, {155, 15}, white);
    exact("box arrow top row right end", box, {164, 15}, white);
    exact("box arrow tip", box, {159, 19}, white);
    exact("box arrow tip right", box, {160, 19}, white);
    exact("box left of the arrow", box, {154, 15}, QColor(107, 186, 237), 1);
    exact("box right of the arrow", box, {165, 15}, QColor(107, 186, 237), 1);
    exact("box below the arrow", box, {159, 20}, QColor(94, 177, 230), 1);
    look("box rounded corner", box, {0, 0}, Look::Clear);
    look("box rounded corner bottom right", box, {174, 34}, Look::Clear);

    // The list: square top corners, rounded bottom corners, one-pixel border.
    const char *list = "material-list.png";
    exact("list square corner top left", list, {0, 0}, QColor(79, 166, 223));
    exact("list square corner top right", list, {174, 0}, QColor(79, 166, 223));
    exact("list border top", list, {87, 0}, QColor(79, 166, 223));
    exact("list border left", list, {0, 90}, QColor(79, 166, 223));
    exact("list border right", list, {174, 90}, QColor(79, 166, 223));
    exact("list border bottom", list, {87, 180}, QColor(79, 166, 223));
    exact("list border left beside the last row", list, {0, 172}, QColor(79, 166, 223));
    exact("list border right beside the last row", list, {174, 172}, QColor(79, 166, 223));
    exact("list fill under the border", list, {1, 1}, QColor(146, 214, 255));
    exact("list fill middle", list, {87, 90}, QColor(146, 214, 255));
    exact("list fill behind the last row", list, {86, 177}, QColor(146, 214, 255));
    exact("list fill last row's right end", list, {172, 170}, QColor(146, 214, 255));
    look("list rounded corner bottom left", list, {0, 180}, Look::Clear);
    look("list rounded corner bottom right", list, {174, 180}, Look::Clear);

    // The menu highlight: orange bar with its point and faint frame.
    const char *bar = "menu-highlight.png";
    const QColor orange(255, 150, 0);
    exact("highlight bar top left", bar, {1, 1}, orange);
    exact("highlight bar bottom left", bar, {1, 33}, orange);
    exact("highlight straight part end top", bar, {181, 1}, orange);
    exact("highlight straight part end bottom", bar, {181, 33}, orange);
    exact("highlight middle", bar, {95, 17}, orange);
    exact("highlight point row 16", bar, {189, 16}, orange, 4);
    exact("highlight point row 17", bar, {189, 17}, orange, 4);
    exact("highlight point row 18", bar, {189, 18}, orange, 4);
    exact("highlight inside the point", bar, {184, 8}, orange);
    exact("highlight frame left", bar, {0, 17}, QColor(238, 238, 238, 31), 2);
    exact("highlight frame top", bar, {95, 0}, QColor(238, 238, 238, 31), 2);
    exact("highlight frame bottom", bar, {95, 34}, QColor(238, 238, 238, 31), 2);
    look("highlight beyond the point top", bar, {189, 1}, Look::Clear);
    look("highlight beyond the point bottom", bar, {189, 33}, Look::Clear);
    look("highlight beside the point", bar, {188, 5}, Look::Clear);

    // The preview pointer: a white triangle pointing left.
    const char *ptr = "preview-pointer.png";
    exact("pointer base top", ptr, {7, 1}, white);
    exact("pointer base middle", ptr, {7, 6}, white);
    exact("pointer base bottom", ptr, {7, 12}, white);
    exact("pointer inside", ptr, {5, 7}, white);
    look("pointer left of the tip", ptr, {0, 7}, Look::Clear);
    look("pointer top left", ptr, {0, 0}, Look::Clear);
    look("pointer above the base", ptr, {7, 0}, Look::Clear);
    look("pointer above the upper edge", ptr, {4, 1}, Look::Clear);

    // The result panels: pale yellow, white value box in its grey frame.
    const QColor yellow(255, 253, 188), frame(179, 179, 179);
    const struct {
        const char *name;
        const char *label;
        int top;
    } boxes[] = {{"result-box.png", "result", 49}, {"result-box-area.png", "area result", 67}};
    for (const auto &b : boxes) {
        const int top = b.top, bottom = b.top + 31;
        const auto row = [&](const char *what) { return QByteArray(b.label) + " " + what; };
        exact(row("frame top left"), b.name, {21, top}, frame);
        exact(row("frame top right"), b.name, {147, top}, frame);
        exact(row("frame bottom left"), b.name, {21, bottom}, frame);
        exact(row("frame bottom right"), b.name, {147, bottom}, frame);
        exact(row("frame top middle"), b.name, {84, top}, frame);
        exact(row("frame bottom middle"), b.name, {84, bottom}, frame);
        exact(row("frame left middle"), b.name, {21, top + 15}, frame);
        exact(row("frame right middle"), b.name, {147, top + 15}, frame);
        exact(row("value box inside top left"), b.name, {22, top + 1}, white);
        exact(row("value box inside bottom right"), b.name, {146, bottom - 1}, white);
        exact(row("value box middle"), b.name, {84, top + 15}, white);
        exact(row("panel above the box"), b.name, {84, top - 1}, yellow);
        exact(row("panel below the box"), b.name, {84, bottom + 1}, yellow);
        exact(row("panel left of the box"), b.name, {20, top + 15}, yellow);
        exact(row("panel right of the box"), b.name, {148, top + 15}, yellow);
        exact(row("panel behind the caption"), b.name, {84, 30}, yellow);
        look(row("corner top left"), b.name, {0, 0}, Look::Clear);
        look(row("corner bottom right"), b.name, {168, b.top + 52}, Look::Clear);
    }

    // The close button, grey and red.
    const struct {
        const char *name;
        const char *label;
        QColor ring, cross;
    } closes[] = {{"close.png", "close", QColor(166, 166, 166), QColor(92, 91, 90)},
                  {"close-hover.png", "close hover", QColor(217, 9, 9), QColor(137, 6, 6)}};
    for (const auto &c : closes) {
        const auto row = [&](const char *what) { return QByteArray(c.label) + " " + what; };
        exact(row("ring left"), c.name, {1, 7}, c.ring);
        exact(row("ring right"), c.name, {14, 8}, c.ring);
        exact(row("ring top"), c.name, {8, 1}, c.ring);
        exact(row("ring bottom"), c.name, {7, 14}, c.ring);
        exact(row("cross centre"), c.name, {7, 7}, c.cross);
        exact(row("cross centre lower right"), c.name, {8, 8}, c.cross);
        exact(row("cross arm top left"), c.name, {5, 5}, c.cross);
        exact(row("cross arm bottom right"), c.name, {10, 10}, c.cross);
        exact(row("cross arm top right"), c.name, {10, 5}, c.cross);
        exact(row("cross arm bottom left"), c.name, {5, 10}, c.cross);
        exact(row("disc between the arms top"), c.name, {8, 3}, white);
        exact(row("disc between the arms left"), c.name, {3, 8}, white);
        look(row("corner"), c.name, {0, 0}, Look::Clear);
        look(row("corner bottom right"), c.name, {15, 15}, Look::Clear);
    }

    // The minimise bar fills its picture.
    for (int x : {0, 3, 7}) {
        for (int y : {0, 1}) {
            const QByteArray place = QByteArray::number(x) + "," + QByteArray::number(y);
            exact("minimise " + place, "minimise.png", {x, y}, QColor(92, 91, 90));
            exact("minimise hover " + place, "minimise-hover.png", {x, y}, QColor(217, 9, 9));
        }
    }

    // The cross-sections: metal where the profile has metal, clear elsewhere.
    look("pipe ring top", "kind-pipe.png", {95, 12}, Look::Metal);
    look("pipe ring bottom", "kind-pipe.png", {95, 178}, Look::Metal);
    look("pipe ring left", "kind-pipe.png", {12, 95}, Look::Metal);
    look("pipe ring right", "kind-pipe.png", {179, 95}, Look::Metal);
    look("pipe bore centre", "kind-pipe.png", {95, 95}, Look::Clear);
    look("pipe bore near the wall", "kind-pipe.png", {95, 30}, Look::Clear);
    look("pipe corner", "kind-pipe.png", {3, 3}, Look::Clear);
    look("pipe corner bottom right", "kind-pipe.png", {188, 187}, Look::Clear);

    look("hollow section top wall", "kind-profile-pipe.png", {100, 10}, Look::Metal);
    look("hollow section bottom wall", "kind-profile-pipe.png", {100, 140}, Look::Metal);
    look("hollow section left wall", "kind-profile-pipe.png", {10, 75}, Look::Metal);
    look("hollow section right wall", "kind-profile-pipe.png", {191, 75}, Look::Metal);
    look("hollow section opening", "kind-profile-pipe.png", {100, 75}, Look::Clear);
    look("hollow section opening corner", "kind-profile-pipe.png", {22, 22}, Look::Clear);
    look("hollow section outer corner", "kind-profile-pipe.png", {1, 1}, Look::Clear);

    look("square middle", "kind-square.png", {97, 97}, Look::Metal);
    look("square near a corner", "kind-square.png", {10, 10}, Look::Metal);
    look("square near the far corner", "kind-square.png", {185, 185}, Look::Metal);
    look("square margin", "kind-square.png", {97, 0}, Look::Clear);
    look("square corner", "kind-square.png", {194, 194}, Look::Clear);

    look("round middle", "kind-round.png", {98, 98}, Look::Metal);
    look("round top", "kind-round.png", {98, 8}, Look::Metal);
    look("round left", "kind-round.png", {8, 98}, Look::Metal);
    look("round corner", "kind-round.png", {12, 12}, Look::Clear);
    look("round corner bottom right", "kind-round.png", {184, 184}, Look::Clear);

    look("angle upright leg", "kind-angle.png", {40, 100}, Look::Metal);
    look("angle lower leg", "kind-angle.png", {110, 138}, Look::Metal);
    look("angle above the lower leg", "kind-angle.png", {150, 40}, Look::Clear);
    look("angle corner top left", "kind-angle.png", {2, 2}, Look::Clear);
    look("angle corner bottom right", "kind-angle.png", {178, 178}, Look::Clear);

    look("sheet middle", "kind-sheet.png", {70, 92}, Look::Metal);
    look("sheet corner", "kind-sheet.png", {0, 0}, Look::Clear);
    look("sheet corner bottom right", "kind-sheet.png", {139, 184}, Look::Clear);

    look("strip middle", "kind-strip.png", {122, 40}, Look::Metal);
    look("strip left end", "kind-strip.png", {10, 40}, Look::Metal);
    look("strip right end", "kind-strip.png", {234, 40}, Look::Metal);
    look("strip above", "kind-strip.png", {122, 2}, Look::Clear);
    look("strip below", "kind-strip.png", {122, 78}, Look::Clear);

    look("hexagon middle", "kind-hexagon.png", {95, 82}, Look::Metal);
    look("hexagon flat top", "kind-hexagon.png", {95, 6}, Look::Metal);
    look("hexagon flat bottom", "kind-hexagon.png", {95, 158}, Look::Metal);
    look("hexagon left vertex", "kind-hexagon.png", {10, 82}, Look::Metal);
    look("hexagon right vertex", "kind-hexagon.png", {181, 82}, Look::Metal);
    look("hexagon above the flat", "kind-hexagon.png", {95, 0}, Look::Clear);
    look("hexagon corner top left", "kind-hexagon.png", {8, 8}, Look::Clear);
    look("hexagon corner bottom right", "kind-hexagon.png", {183, 157}, Look::Clear);

    look("channel web", "kind-channel.png", {100, 10}, Look::Metal);
    look("channel left flange", "kind-channel.png", {12, 80}, Look::Metal);
    look("channel right flange", "kind-channel.png", {188, 80}, Look::Metal);
    look("channel opening", "kind-channel.png", {100, 70}, Look::Clear);
    look("channel opening at the bottom", "kind-channel.png", {100, 109}, Look::Clear);
    look("channel above the web", "kind-channel.png", {100, 0}, Look::Clear);

    look("beam top flange", "kind-beam.png", {70, 10}, Look::Metal);
    look("beam top flange left end", "kind-beam.png", {10, 12}, Look::Metal);
    look("beam web", "kind-beam.png", {70, 76}, Look::Metal);
    look("beam bottom flange", "kind-beam.png", {70, 142}, Look::Metal);
    look("beam bottom flange right end", "kind-beam.png", {130, 140}, Look::Metal);
    look("beam left of the web", "kind-beam.png", {25, 76}, Look::Clear);
    look("beam right of the web", "kind-beam.png", {115, 76}, Look::Clear);
    look("beam corner", "kind-beam.png", {0, 0}, Look::Clear);
}

void PicturesTest::pixel()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(QPoint, at);
    QFETCH(Look, look);
    QFETCH(QColor, colour);
    QFETCH(int, tolerance);

    const QImage image = load(name, scale);
    QVERIFY(image.rect().contains(at * scale));
    const QRgb p = image.pixel(at * scale);
    const QString seen = DescribePixel(p);
    switch (look) {
    case Look::Exact: {
        const bool close =
            std::abs(qRed(p) - colour.red()) <= tolerance && std::abs(qGreen(p) - colour.green()) <= tolerance &&
            std::abs(qBlue(p) - colour.blue()) <= tolerance && std::abs(qAlpha(p) - colour.alpha()) <= tolerance;
        QVERIFY2(close, qPrintable(seen + " instead of " + DescribePixel(colour.rgba())));
        break;
    }
    case Look::Clear:
        QVERIFY2(qAlpha(p) == 0, qPrintable(seen + " instead of transparent"));
        break;
    case Look::Metal:
        QVERIFY2(isMetal(p), qPrintable(seen + " instead of opaque grey metal"));
        break;
    case Look::WhiteGround:
    case Look::Product:
        QFAIL("photos are checked by photo()");
    }
}

void PicturesTest::inkBox_data()
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
            << "background.png" << 2 << scaled(b.searched, 2) << white << scaled(b.ink, 2);
    }
}

// Texts and marks lie exactly in the columns and rows the window expects,
// and nothing else is drawn around them; in the @2x twin they fill the same
// box at twice its coordinates.
void PicturesTest::inkBox()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(QRect, searched);
    QFETCH(QColor, ground);
    QFETCH(QRect, ink);

    const QImage image = load(name, scale);
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

// The background and its twin, for the checks of the whole background.
static void addBackgroundScales()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("background.png") << 1;
    QTest::newRow("background@2x.png") << 2;
}

void PicturesTest::workArea_data() { addBackgroundScales(); }

// The work area is light grey with a faint drawing: most of it is the plain
// grey, and no line of the drawing is darker than a faint grey.
void PicturesTest::workArea()
{
    QFETCH(int, scale);
    const QImage image = load(QStringLiteral("background.png"), scale);
    const QRect area = scaled(QRect(QPoint(1, 117), QPoint(706, 526)), scale);
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

void PicturesTest::backgroundCorners_data() { addBackgroundScales(); }

// The background's corners are rounded with a radius of 10 px, 20 px in the
// @2x twin, as the window's rounded outline: a pixel wholly outside the
// quarter circle is clear, one wholly inside it is opaque.
void PicturesTest::backgroundCorners()
{
    QFETCH(int, scale);
    const QImage image = load(QStringLiteral("background.png"), scale);
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

void PicturesTest::toggle_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("leftActive");

    const struct {
        const char *row;
        const char *name;
        int border;
        bool leftActive;
    } toggles[] = {
        {"length, left highlighted", "toggle-length.png", 60, true},
        {"mass, right highlighted", "toggle-mass.png", 60, false},
        {"sheet area, left highlighted", "toggle-sheet-area.png", 80, true},
        {"sheet mass, right highlighted", "toggle-sheet-mass.png", 80, false},
    };
    for (const auto &t : toggles)
        for (const int scale : {1, 2})
            QTest::newRow(scale == 1 ? t.row : qPrintable(QByteArray(t.row) + " @2x"))
                << QString::fromLatin1(t.name) << scale << t.border << t.leftActive;
}

// The two segments with the border between them at the given columns: the
// active one green, the other dark grey with its word underlined in dashes,
// both words in white. The @2x twin shows the same at twice the coordinates.
void PicturesTest::toggle()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(int, border);
    QFETCH(bool, leftActive);

    const QImage image = load(name, scale);
    for (int y = 0; y < image.height(); ++y)
        for (int x = border * scale; x < (border + 4) * scale; ++x)
            QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255),
                     qPrintable(
                         QStringLiteral("border at %1,%2 is %3").arg(x).arg(y).arg(DescribePixel(image.pixel(x, y)))));

    const QRect left = scaled(QRect(3, 4, border - 6, 27), scale);
    const QRect right = scaled(QRect(border + 7, 4, image.width() / scale - border - 10, 27), scale);
    const auto isGreen = [](QRgb p) { return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 60; };
    const auto isGrey = [](QRgb p) {
        return std::abs(qRed(p) - qGreen(p)) < 6 && std::abs(qGreen(p) - qBlue(p)) < 6 && qRed(p) < 140 && qRed(p) > 50;
    };
    const auto isWhite = [](QRgb p) { return qRed(p) > 225 && qGreen(p) > 225 && qBlue(p) > 225; };
    const auto share = [&](const QRect &r, auto test) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += test(image.pixel(x, y)) ? 1 : 0;
        return double(n) / (r.width() * r.height());
    };
    const QRect active = leftActive ? left : right, inactive = leftActive ? right : left;
    QVERIFY2(share(active, isGreen) > 0.6, "the highlighted segment is not green");
    QVERIFY2(share(inactive, isGrey) > 0.6, "the other segment is not dark grey");
    QVERIFY2(share(active, isWhite) > 0.05, "no white word on the highlighted segment");
    QVERIFY2(share(inactive, isWhite) > 0.05, "no white word on the other segment");

    // The dashes: on the underline's row, several separate light runs under
    // the other segment's word and none under the highlighted word.
    const auto runs = [&](const QRect &r, int y) {
        int count = 0;
        bool inside = false;
        for (int x = r.left(); x <= r.right(); ++x) {
            const bool light = isWhite(image.pixel(x, y));
            if (light && !inside)
                ++count;
            inside = light;
        }
        return count;
    };
    QVERIFY2(runs(inactive, 27 * scale) >= 6, "the dashed underline is missing");
    QCOMPARE(runs(active, 27 * scale), 0);
}

void PicturesTest::photo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    const char *photos[] = {"photo-pipe.jpg",    "photo-profile-pipe.jpg", "photo-square.jpg", "photo-round.jpg",
                            "photo-angle.jpg",   "photo-sheet.jpg",        "photo-strip.jpg",  "photo-hexagon.jpg",
                            "photo-channel.jpg", "photo-beam.jpg"};
    for (const char *p : photos)
        for (const int scale : {1, 2})
            QTest::newRow(qPrintable(scaledName(QString::fromLatin1(p), scale))) << QString::fromLatin1(p) << scale;
}

// A photo shows its product on a white ground: the corners are white, and a
// good part of the middle is the product, in the photo and in its @2x twin.
void PicturesTest::photo()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    const QImage image = load(name, scale);
    const int w = image.width(), h = image.height();
    for (const QPoint corner : {QPoint(1, 1), QPoint(w - 2, 1)}) {
        const QRgb p = image.pixel(corner);
        QVERIFY2(qRed(p) >= 235 && qGreen(p) >= 235 && qBlue(p) >= 235,
                 qPrintable(DescribePixel(p) + " instead of the white ground"));
    }
    int product = 0, total = 0;
    for (int y = h / 4; y < h * 3 / 4; ++y) {
        for (int x = w / 4; x < w * 3 / 4; ++x) {
            const QRgb p = image.pixel(x, y);
            ++total;
            if (qGray(p) < 200)
                ++product;
        }
    }
    QVERIFY2(product > total / 4, qPrintable(QStringLiteral("%1 of %2").arg(product).arg(total)));
}

void PicturesTest::appIcon_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        QTest::newRow(qPrintable(QStringLiteral("metalcalc-%1.png").arg(size))) << size;
}

// The application icon in every size a desktop asks for: a square 8-bit RGBA
// PNG of that size, a calculator on a transparent ground. Up to 64 px it is
// drawn on whole pixels: across its middle every pixel is either clear or
// opaque, where a reduced large icon would leave half-covered pixels at the
// body's sides. The 128 px one is the window's icon.
void PicturesTest::appIcon()
{
    QFETCH(int, size);
    const QByteArray bytes = assetBytes(QStringLiteral("icons/metalcalc-%1.png").arg(size));
    QVERIFY2(bytes.startsWith("\x89PNG\r\n\x1a\n"), "missing or not a PNG");
    QCOMPARE(bigEndian32(bytes, 16), quint32(size));
    QCOMPARE(bigEndian32(bytes, 20), quint32(size));
    QCOMPARE(int(quint8(bytes[24])), 8);
    QCOMPARE(int(quint8(bytes[25])), 6);
    const QImage icon = QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(size, size));

    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(size - 1, size - 1)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    int clear = 0, opaque = 0;
    for (int x = 0; x < size; ++x) {
        const int alpha = qAlpha(icon.pixel(x, size / 2));
        clear += alpha == 0 ? 1 : 0;
        opaque += alpha == 255 ? 1 : 0;
        if (size <= 64)
            QVERIFY2(alpha == 0 || alpha == 255,
                     qPrintable(QStringLiteral("alpha %1 at %2,%3").arg(alpha).arg(x).arg(size / 2)));
    }
    QVERIFY2(clear >= size / 8 && opaque >= size / 2,
             qPrintable(QStringLiteral("%1 clear, %2 opaque").arg(clear).arg(opaque)));
    if (size == 128)
        QCOMPARE(icon, load(QStringLiteral("icon.png")));
}

// The Windows icon file: a directory of six entries, 16 to 256 px, each a
// whole 32-bit PNG picture of its size lying where its entry says, the
// pictures one after the other to the end of the file.
void PicturesTest::windowsIcon()
{
    const QByteArray ico = assetBytes(QStringLiteral("icons/metalcalc.ico"));
    QVERIFY2(ico.size() > 6, "metalcalc.ico is missing");
    const auto u16 = [&ico](int at) { return qFromLittleEndian<quint16>(ico.constData() + at); };
    const auto u32 = [&ico](int at) { return qFromLittleEndian<quint32>(ico.constData() + at); };
    QCOMPARE(u16(0), quint16(0));
    QCOMPARE(u16(2), quint16(1));
    const QList<int> sizes = {16, 24, 32, 48, 64, 256};
    QCOMPARE(int(u16(4)), int(sizes.size()));
    quint32 next = 6 + 16 * quint32(sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        const int entry = 6 + 16 * i, size = sizes[i];
        const int width = quint8(ico[entry]) == 0 ? 256 : quint8(ico[entry]);
        const int height = quint8(ico[entry + 1]) == 0 ? 256 : quint8(ico[entry + 1]);
        QCOMPARE(width, size);
        QCOMPARE(height, size);
        QCOMPARE(int(quint8(ico[entry + 2])), 0);  // no palette
        QCOMPARE(int(quint8(ico[entry + 3])), 0);
        QCOMPARE(u16(entry + 4), quint16(1));   // planes
        QCOMPARE(u16(entry + 6), quint16(32));  // bits per pixel
        const quint32 length = u32(entry + 8), offset = u32(entry + 12);
        QCOMPARE(offset, next);
        QVERIFY(length > 8 && offset + length <= quint32(ico.size()));
        const QByteArray png = ico.mid(offset, length);
        QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(png, assetBytes(QStringLiteral("icons/metalcalc-%1.png").arg(size)));
        QCOMPARE(QImage::fromData(png).size(), QSize(size, size));
        next = offset + length;
    }
    QCOMPARE(next, quint32(ico.size()));
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
