// What a person sees at the places the window relies on in the pictures of
// its controls, the kinds' drawings, the mode toggles and the photos, in each
// picture as the program embeds it and in its @2x twin for screens scaled to
// 200 %. The background is tst_background's, the files' formats and the
// application icons tst_picturefiles'.
#include "picturefiles.h"

#include <algorithm>

class ControlPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void pixel_data();
    void pixel();
    void toggle_data();
    void toggle();
    void photo_data();
    void photo();
};

void ControlPicturesTest::pixel_data()
{
    AddPlaceColumns();
    const QColor white(255, 255, 255);

    // The material box: shaded bar, divider and arrow.
    const char *box = "material-box.png";
    const Place boxPlaces[] = {
        {"box top row", {70, 0}, Look::Exact, QColor(146, 214, 255)},
        {"box lowest quarter", {70, 28}, Look::Exact, QColor(79, 166, 223)},
        {"box bottom row", {70, 34}, Look::Exact, QColor(79, 166, 223)},
        {"box bottom row under the arrow", {160, 34}, Look::Exact, QColor(79, 166, 223)},
        {"box divider top", {140, 2}, Look::Exact, QColor(81, 164, 220)},
        {"box divider middle", {140, 17}, Look::Exact, QColor(81, 164, 220)},
        {"box divider bottom", {140, 33}, Look::Exact, QColor(81, 164, 220)},
        {"box arrow top row left end", {155, 15}, Look::Exact, white},
        {"box arrow top row right end", {164, 15}, Look::Exact, white},
        {"box arrow tip", {159, 19}, Look::Exact, white},
        {"box arrow tip right", {160, 19}, Look::Exact, white},
        {"box left of the arrow", {154, 15}, Look::Exact, QColor(107, 186, 237), 1},
        {"box right of the arrow", {165, 15}, Look::Exact, QColor(107, 186, 237), 1},
        {"box below the arrow", {159, 20}, Look::Exact, QColor(94, 177, 230), 1},
        {"box rounded corner", {0, 0}, Look::Clear},
        {"box rounded corner bottom right", {174, 34}, Look::Clear},
    };
    AddPlaces(box, boxPlaces);

    // The list: square top corners, rounded bottom corners, one-pixel border.
    const char *list = "material-list.png";
    const Place listPlaces[] = {
        {"list square corner top left", {0, 0}, Look::Exact, QColor(79, 166, 223)},
        {"list square corner top right", {174, 0}, Look::Exact, QColor(79, 166, 223)},
        {"list border top", {87, 0}, Look::Exact, QColor(79, 166, 223)},
        {"list border left", {0, 90}, Look::Exact, QColor(79, 166, 223)},
        {"list border right", {174, 90}, Look::Exact, QColor(79, 166, 223)},
        {"list border bottom", {87, 180}, Look::Exact, QColor(79, 166, 223)},
        {"list border left beside the last row", {0, 172}, Look::Exact, QColor(79, 166, 223)},
        {"list border right beside the last row", {174, 172}, Look::Exact, QColor(79, 166, 223)},
        {"list fill under the border", {1, 1}, Look::Exact, QColor(146, 214, 255)},
        {"list fill middle", {87, 90}, Look::Exact, QColor(146, 214, 255)},
        {"list fill behind the last row", {86, 177}, Look::Exact, QColor(146, 214, 255)},
        {"list fill last row's right end", {172, 170}, Look::Exact, QColor(146, 214, 255)},
        {"list rounded corner bottom left", {0, 180}, Look::Clear},
        {"list rounded corner bottom right", {174, 180}, Look::Clear},
    };
    AddPlaces(list, listPlaces);

    // The menu highlight: orange bar with its point and faint frame.
    const char *bar = "menu-highlight.png";
    const QColor orange(255, 150, 0);
    const Place barPlaces[] = {
        {"highlight bar top left", {1, 1}, Look::Exact, orange},
        {"highlight bar bottom left", {1, 33}, Look::Exact, orange},
        {"highlight straight part end top", {181, 1}, Look::Exact, orange},
        {"highlight straight part end bottom", {181, 33}, Look::Exact, orange},
        {"highlight middle", {95, 17}, Look::Exact, orange},
        {"highlight point row 16", {189, 16}, Look::Exact, orange, 4},
        {"highlight point row 17", {189, 17}, Look::Exact, orange, 4},
        {"highlight point row 18", {189, 18}, Look::Exact, orange, 4},
        {"highlight inside the point", {184, 8}, Look::Exact, orange},
        {"highlight frame left", {0, 17}, Look::Exact, QColor(238, 238, 238, 31), 2},
        {"highlight frame top", {95, 0}, Look::Exact, QColor(238, 238, 238, 31), 2},
        {"highlight frame bottom", {95, 34}, Look::Exact, QColor(238, 238, 238, 31), 2},
        {"highlight beyond the point top", {189, 1}, Look::Clear},
        {"highlight beyond the point bottom", {189, 33}, Look::Clear},
        {"highlight beside the point", {188, 5}, Look::Clear},
    };
    AddPlaces(bar, barPlaces);

    // The preview pointer: a white triangle pointing left.
    const char *ptr = "preview-pointer.png";
    const Place ptrPlaces[] = {
        {"pointer base top", {7, 1}, Look::Exact, white},     {"pointer base middle", {7, 6}, Look::Exact, white},
        {"pointer base bottom", {7, 12}, Look::Exact, white}, {"pointer inside", {5, 7}, Look::Exact, white},
        {"pointer left of the tip", {0, 7}, Look::Clear},     {"pointer top left", {0, 0}, Look::Clear},
        {"pointer above the base", {7, 0}, Look::Clear},      {"pointer above the upper edge", {4, 1}, Look::Clear},
    };
    AddPlaces(ptr, ptrPlaces);

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
    const Place kindPipePlaces[] = {
        {"pipe ring top", {95, 12}, Look::Metal},    {"pipe ring bottom", {95, 178}, Look::Metal},
        {"pipe ring left", {12, 95}, Look::Metal},   {"pipe ring right", {179, 95}, Look::Metal},
        {"pipe bore centre", {95, 95}, Look::Clear}, {"pipe bore near the wall", {95, 30}, Look::Clear},
        {"pipe corner", {3, 3}, Look::Clear},        {"pipe corner bottom right", {188, 187}, Look::Clear},
    };
    AddPlaces("kind-pipe.png", kindPipePlaces);

    const Place kindProfilePipePlaces[] = {
        {"hollow section top wall", {100, 10}, Look::Metal},  {"hollow section bottom wall", {100, 140}, Look::Metal},
        {"hollow section left wall", {10, 75}, Look::Metal},  {"hollow section right wall", {191, 75}, Look::Metal},
        {"hollow section opening", {100, 75}, Look::Clear},   {"hollow section opening corner", {22, 22}, Look::Clear},
        {"hollow section outer corner", {1, 1}, Look::Clear},
    };
    AddPlaces("kind-profile-pipe.png", kindProfilePipePlaces);

    const Place kindSquarePlaces[] = {
        {"square middle", {97, 97}, Look::Metal},
        {"square near a corner", {10, 10}, Look::Metal},
        {"square near the far corner", {185, 185}, Look::Metal},
        {"square margin", {97, 0}, Look::Clear},
        {"square corner", {194, 194}, Look::Clear},
    };
    AddPlaces("kind-square.png", kindSquarePlaces);

    const Place kindRoundPlaces[] = {
        {"round middle", {98, 98}, Look::Metal},
        {"round top", {98, 8}, Look::Metal},
        {"round left", {8, 98}, Look::Metal},
        {"round corner", {12, 12}, Look::Clear},
        {"round corner bottom right", {184, 184}, Look::Clear},
    };
    AddPlaces("kind-round.png", kindRoundPlaces);

    const Place kindAnglePlaces[] = {
        {"angle upright leg", {40, 100}, Look::Metal},          {"angle lower leg", {110, 138}, Look::Metal},
        {"angle above the lower leg", {150, 40}, Look::Clear},  {"angle corner top left", {2, 2}, Look::Clear},
        {"angle corner bottom right", {178, 178}, Look::Clear},
    };
    AddPlaces("kind-angle.png", kindAnglePlaces);

    const Place kindSheetPlaces[] = {
        {"sheet middle", {70, 92}, Look::Metal},
        {"sheet corner", {0, 0}, Look::Clear},
        {"sheet corner bottom right", {139, 184}, Look::Clear},
    };
    AddPlaces("kind-sheet.png", kindSheetPlaces);

    const Place kindStripPlaces[] = {
        {"strip middle", {122, 40}, Look::Metal},    {"strip left end", {10, 40}, Look::Metal},
        {"strip right end", {234, 40}, Look::Metal}, {"strip above", {122, 2}, Look::Clear},
        {"strip below", {122, 78}, Look::Clear},
    };
    AddPlaces("kind-strip.png", kindStripPlaces);

    const Place kindHexagonPlaces[] = {
        {"hexagon middle", {95, 82}, Look::Metal},        {"hexagon flat top", {95, 6}, Look::Metal},
        {"hexagon flat bottom", {95, 158}, Look::Metal},  {"hexagon left vertex", {10, 82}, Look::Metal},
        {"hexagon right vertex", {181, 82}, Look::Metal}, {"hexagon above the flat", {95, 0}, Look::Clear},
        {"hexagon corner top left", {8, 8}, Look::Clear}, {"hexagon corner bottom right", {183, 157}, Look::Clear},
    };
    AddPlaces("kind-hexagon.png", kindHexagonPlaces);

    const Place kindChannelPlaces[] = {
        {"channel web", {100, 10}, Look::Metal},
        {"channel left flange", {12, 80}, Look::Metal},
        {"channel right flange", {188, 80}, Look::Metal},
        {"channel opening", {100, 70}, Look::Clear},
        {"channel opening at the bottom", {100, 109}, Look::Clear},
        {"channel above the web", {100, 0}, Look::Clear},
    };
    AddPlaces("kind-channel.png", kindChannelPlaces);

    const Place kindBeamPlaces[] = {
        {"beam top flange", {70, 10}, Look::Metal},
        {"beam top flange left end", {10, 12}, Look::Metal},
        {"beam web", {70, 76}, Look::Metal},
        {"beam bottom flange", {70, 142}, Look::Metal},
        {"beam bottom flange right end", {130, 140}, Look::Metal},
        {"beam left of the web", {25, 76}, Look::Clear},
        {"beam right of the web", {115, 76}, Look::Clear},
        {"beam corner", {0, 0}, Look::Clear},
    };
    AddPlaces("kind-beam.png", kindBeamPlaces);
}

void ControlPicturesTest::pixel() { CheckPlace(); }

void ControlPicturesTest::toggle_data()
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

void ControlPicturesTest::toggle()
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

void ControlPicturesTest::photo_data()
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

void ControlPicturesTest::photo()
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

QTEST_MAIN(ControlPicturesTest)
#include "tst_controlpictures.moc"
