// What a person sees at the places the window relies on in the pictures of
// its controls, the kinds' drawings, the mode toggles and the photos, in each
// picture as the program embeds it and in its @2x twin for screens scaled to
// 200 %. The background is tst_background's, the files' formats and the
// application icons tst_picturefiles'.
#include "picturefiles.h"

#include <algorithm>

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void pixel_data();
    void pixel();
    void toggle_data();
    void toggle();
    void photo_data();
    void photo();
};

void PicturesTest::pixel_data()
{
    AddPlaceColumns();
    const QColor white(255, 255, 255);

    // The material box: shaded bar, divider and arrow.
    const char *box = "material-box.png";
    AddExact("box top row", box, {70, 0}, QColor(146, 214, 255));
    AddExact("box lowest quarter", box, {70, 28}, QColor(79, 166, 223));
    AddExact("box bottom row", box, {70, 34}, QColor(79, 166, 223));
    AddExact("box bottom row under the arrow", box, {160, 34}, QColor(79, 166, 223));
    AddExact("box divider top", box, {140, 2}, QColor(81, 164, 220));
    AddExact("box divider middle", box, {140, 17}, QColor(81, 164, 220));
    AddExact("box divider bottom", box, {140, 33}, QColor(81, 164, 220));
    AddExact("box arrow top row left end", box, {155, 15}, white);
    AddExact("box arrow top row right end", box, {164, 15}, white);
    AddExact("box arrow tip", box, {159, 19}, white);
    AddExact("box arrow tip right", box, {160, 19}, white);
    AddExact("box left of the arrow", box, {154, 15}, QColor(107, 186, 237), 1);
    AddExact("box right of the arrow", box, {165, 15}, QColor(107, 186, 237), 1);
    AddExact("box below the arrow", box, {159, 20}, QColor(94, 177, 230), 1);
    AddPlace("box rounded corner", box, {0, 0}, Look::Clear);
    AddPlace("box rounded corner bottom right", box, {174, 34}, Look::Clear);

    // The list: square top corners, rounded bottom corners, one-pixel border.
    const char *list = "material-list.png";
    AddExact("list square corner top left", list, {0, 0}, QColor(79, 166, 223));
    AddExact("list square corner top right", list, {174, 0}, QColor(79, 166, 223));
    AddExact("list border top", list, {87, 0}, QColor(79, 166, 223));
    AddExact("list border left", list, {0, 90}, QColor(79, 166, 223));
    AddExact("list border right", list, {174, 90}, QColor(79, 166, 223));
    AddExact("list border bottom", list, {87, 180}, QColor(79, 166, 223));
    AddExact("list border left beside the last row", list, {0, 172}, QColor(79, 166, 223));
    AddExact("list border right beside the last row", list, {174, 172}, QColor(79, 166, 223));
    AddExact("list fill under the border", list, {1, 1}, QColor(146, 214, 255));
    AddExact("list fill middle", list, {87, 90}, QColor(146, 214, 255));
    AddExact("list fill behind the last row", list, {86, 177}, QColor(146, 214, 255));
    AddExact("list fill last row's right end", list, {172, 170}, QColor(146, 214, 255));
    AddPlace("list rounded corner bottom left", list, {0, 180}, Look::Clear);
    AddPlace("list rounded corner bottom right", list, {174, 180}, Look::Clear);

    // The menu highlight: orange bar with its point and faint frame.
    const char *bar = "menu-highlight.png";
    const QColor orange(255, 150, 0);
    AddExact("highlight bar top left", bar, {1, 1}, orange);
    AddExact("highlight bar bottom left", bar, {1, 33}, orange);
    AddExact("highlight straight part end top", bar, {181, 1}, orange);
    AddExact("highlight straight part end bottom", bar, {181, 33}, orange);
    AddExact("highlight middle", bar, {95, 17}, orange);
    AddExact("highlight point row 16", bar, {189, 16}, orange, 4);
    AddExact("highlight point row 17", bar, {189, 17}, orange, 4);
    AddExact("highlight point row 18", bar, {189, 18}, orange, 4);
    AddExact("highlight inside the point", bar, {184, 8}, orange);
    AddExact("highlight frame left", bar, {0, 17}, QColor(238, 238, 238, 31), 2);
    AddExact("highlight frame top", bar, {95, 0}, QColor(238, 238, 238, 31), 2);
    AddExact("highlight frame bottom", bar, {95, 34}, QColor(238, 238, 238, 31), 2);
    AddPlace("highlight beyond the point top", bar, {189, 1}, Look::Clear);
    AddPlace("highlight beyond the point bottom", bar, {189, 33}, Look::Clear);
    AddPlace("highlight beside the point", bar, {188, 5}, Look::Clear);

    // The preview pointer: a white triangle pointing left.
    const char *ptr = "preview-pointer.png";
    AddExact("pointer base top", ptr, {7, 1}, white);
    AddExact("pointer base middle", ptr, {7, 6}, white);
    AddExact("pointer base bottom", ptr, {7, 12}, white);
    AddExact("pointer inside", ptr, {5, 7}, white);
    AddPlace("pointer left of the tip", ptr, {0, 7}, Look::Clear);
    AddPlace("pointer top left", ptr, {0, 0}, Look::Clear);
    AddPlace("pointer above the base", ptr, {7, 0}, Look::Clear);
    AddPlace("pointer above the upper edge", ptr, {4, 1}, Look::Clear);

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
        AddExact(row("frame top left"), b.name, {21, top}, frame);
        AddExact(row("frame top right"), b.name, {147, top}, frame);
        AddExact(row("frame bottom left"), b.name, {21, bottom}, frame);
        AddExact(row("frame bottom right"), b.name, {147, bottom}, frame);
        AddExact(row("frame top middle"), b.name, {84, top}, frame);
        AddExact(row("frame bottom middle"), b.name, {84, bottom}, frame);
        AddExact(row("frame left middle"), b.name, {21, top + 15}, frame);
        AddExact(row("frame right middle"), b.name, {147, top + 15}, frame);
        AddExact(row("value box inside top left"), b.name, {22, top + 1}, white);
        AddExact(row("value box inside bottom right"), b.name, {146, bottom - 1}, white);
        AddExact(row("value box middle"), b.name, {84, top + 15}, white);
        AddExact(row("panel above the box"), b.name, {84, top - 1}, yellow);
        AddExact(row("panel below the box"), b.name, {84, bottom + 1}, yellow);
        AddExact(row("panel left of the box"), b.name, {20, top + 15}, yellow);
        AddExact(row("panel right of the box"), b.name, {148, top + 15}, yellow);
        AddExact(row("panel behind the caption"), b.name, {84, 30}, yellow);
        AddPlace(row("corner top left"), b.name, {0, 0}, Look::Clear);
        AddPlace(row("corner bottom right"), b.name, {168, b.top + 52}, Look::Clear);
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
        AddExact(row("ring left"), c.name, {1, 7}, c.ring);
        AddExact(row("ring right"), c.name, {14, 8}, c.ring);
        AddExact(row("ring top"), c.name, {8, 1}, c.ring);
        AddExact(row("ring bottom"), c.name, {7, 14}, c.ring);
        AddExact(row("cross centre"), c.name, {7, 7}, c.cross);
        AddExact(row("cross centre lower right"), c.name, {8, 8}, c.cross);
        AddExact(row("cross arm top left"), c.name, {5, 5}, c.cross);
        AddExact(row("cross arm bottom right"), c.name, {10, 10}, c.cross);
        AddExact(row("cross arm top right"), c.name, {10, 5}, c.cross);
        AddExact(row("cross arm bottom left"), c.name, {5, 10}, c.cross);
        AddExact(row("disc between the arms top"), c.name, {8, 3}, white);
        AddExact(row("disc between the arms left"), c.name, {3, 8}, white);
        AddPlace(row("corner"), c.name, {0, 0}, Look::Clear);
        AddPlace(row("corner bottom right"), c.name, {15, 15}, Look::Clear);
    }

    // The minimise bar fills its picture.
    for (int x : {0, 3, 7}) {
        for (int y : {0, 1}) {
            const QByteArray place = QByteArray::number(x) + "," + QByteArray::number(y);
            AddExact("minimise " + place, "minimise.png", {x, y}, QColor(92, 91, 90));
            AddExact("minimise hover " + place, "minimise-hover.png", {x, y}, QColor(217, 9, 9));
        }
    }

    // The cross-sections: metal where the profile has metal, clear elsewhere.
    AddPlace("pipe ring top", "kind-pipe.png", {95, 12}, Look::Metal);
    AddPlace("pipe ring bottom", "kind-pipe.png", {95, 178}, Look::Metal);
    AddPlace("pipe ring left", "kind-pipe.png", {12, 95}, Look::Metal);
    AddPlace("pipe ring right", "kind-pipe.png", {179, 95}, Look::Metal);
    AddPlace("pipe bore centre", "kind-pipe.png", {95, 95}, Look::Clear);
    AddPlace("pipe bore near the wall", "kind-pipe.png", {95, 30}, Look::Clear);
    AddPlace("pipe corner", "kind-pipe.png", {3, 3}, Look::Clear);
    AddPlace("pipe corner bottom right", "kind-pipe.png", {188, 187}, Look::Clear);

    AddPlace("hollow section top wall", "kind-profile-pipe.png", {100, 10}, Look::Metal);
    AddPlace("hollow section bottom wall", "kind-profile-pipe.png", {100, 140}, Look::Metal);
    AddPlace("hollow section left wall", "kind-profile-pipe.png", {10, 75}, Look::Metal);
    AddPlace("hollow section right wall", "kind-profile-pipe.png", {191, 75}, Look::Metal);
    AddPlace("hollow section opening", "kind-profile-pipe.png", {100, 75}, Look::Clear);
    AddPlace("hollow section opening corner", "kind-profile-pipe.png", {22, 22}, Look::Clear);
    AddPlace("hollow section outer corner", "kind-profile-pipe.png", {1, 1}, Look::Clear);

    AddPlace("square middle", "kind-square.png", {97, 97}, Look::Metal);
    AddPlace("square near a corner", "kind-square.png", {10, 10}, Look::Metal);
    AddPlace("square near the far corner", "kind-square.png", {185, 185}, Look::Metal);
    AddPlace("square margin", "kind-square.png", {97, 0}, Look::Clear);
    AddPlace("square corner", "kind-square.png", {194, 194}, Look::Clear);

    AddPlace("round middle", "kind-round.png", {98, 98}, Look::Metal);
    AddPlace("round top", "kind-round.png", {98, 8}, Look::Metal);
    AddPlace("round left", "kind-round.png", {8, 98}, Look::Metal);
    AddPlace("round corner", "kind-round.png", {12, 12}, Look::Clear);
    AddPlace("round corner bottom right", "kind-round.png", {184, 184}, Look::Clear);

    AddPlace("angle upright leg", "kind-angle.png", {40, 100}, Look::Metal);
    AddPlace("angle lower leg", "kind-angle.png", {110, 138}, Look::Metal);
    AddPlace("angle above the lower leg", "kind-angle.png", {150, 40}, Look::Clear);
    AddPlace("angle corner top left", "kind-angle.png", {2, 2}, Look::Clear);
    AddPlace("angle corner bottom right", "kind-angle.png", {178, 178}, Look::Clear);

    AddPlace("sheet middle", "kind-sheet.png", {70, 92}, Look::Metal);
    AddPlace("sheet corner", "kind-sheet.png", {0, 0}, Look::Clear);
    AddPlace("sheet corner bottom right", "kind-sheet.png", {139, 184}, Look::Clear);

    AddPlace("strip middle", "kind-strip.png", {122, 40}, Look::Metal);
    AddPlace("strip left end", "kind-strip.png", {10, 40}, Look::Metal);
    AddPlace("strip right end", "kind-strip.png", {234, 40}, Look::Metal);
    AddPlace("strip above", "kind-strip.png", {122, 2}, Look::Clear);
    AddPlace("strip below", "kind-strip.png", {122, 78}, Look::Clear);

    AddPlace("hexagon middle", "kind-hexagon.png", {95, 82}, Look::Metal);
    AddPlace("hexagon flat top", "kind-hexagon.png", {95, 6}, Look::Metal);
    AddPlace("hexagon flat bottom", "kind-hexagon.png", {95, 158}, Look::Metal);
    AddPlace("hexagon left vertex", "kind-hexagon.png", {10, 82}, Look::Metal);
    AddPlace("hexagon right vertex", "kind-hexagon.png", {181, 82}, Look::Metal);
    AddPlace("hexagon above the flat", "kind-hexagon.png", {95, 0}, Look::Clear);
    AddPlace("hexagon corner top left", "kind-hexagon.png", {8, 8}, Look::Clear);
    AddPlace("hexagon corner bottom right", "kind-hexagon.png", {183, 157}, Look::Clear);

    AddPlace("channel web", "kind-channel.png", {100, 10}, Look::Metal);
    AddPlace("channel left flange", "kind-channel.png", {12, 80}, Look::Metal);
    AddPlace("channel right flange", "kind-channel.png", {188, 80}, Look::Metal);
    AddPlace("channel opening", "kind-channel.png", {100, 70}, Look::Clear);
    AddPlace("channel opening at the bottom", "kind-channel.png", {100, 109}, Look::Clear);
    AddPlace("channel above the web", "kind-channel.png", {100, 0}, Look::Clear);

    AddPlace("beam top flange", "kind-beam.png", {70, 10}, Look::Metal);
    AddPlace("beam top flange left end", "kind-beam.png", {10, 12}, Look::Metal);
    AddPlace("beam web", "kind-beam.png", {70, 76}, Look::Metal);
    AddPlace("beam bottom flange", "kind-beam.png", {70, 142}, Look::Metal);
    AddPlace("beam bottom flange right end", "kind-beam.png", {130, 140}, Look::Metal);
    AddPlace("beam left of the web", "kind-beam.png", {25, 76}, Look::Clear);
    AddPlace("beam right of the web", "kind-beam.png", {115, 76}, Look::Clear);
    AddPlace("beam corner", "kind-beam.png", {0, 0}, Look::Clear);
}

void PicturesTest::pixel() { CheckPlace(); }

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

void PicturesTest::toggle()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(int, border);
    QFETCH(bool, leftActive);

    const QImage image = LoadPicture(name, scale);
    for (int y = 0; y < image.height(); ++y)
        for (int x = border * scale; x < (border + 4) * scale; ++x)
            QVERIFY2(image.pixel(x, y) == qRgb(255, 255, 255),
                     qPrintable(
                         QStringLiteral("border at %1,%2 is %3").arg(x).arg(y).arg(DescribePixel(image.pixel(x, y)))));

    const QRect left = Scaled(QRect(3, 4, border - 6, 27), scale);
    const QRect right = Scaled(QRect(border + 7, 4, image.width() / scale - border - 10, 27), scale);
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
            QTest::newRow(qPrintable(ScaledName(QString::fromLatin1(p), scale))) << QString::fromLatin1(p) << scale;
}

void PicturesTest::photo()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    const QImage image = LoadPicture(name, scale);
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

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
