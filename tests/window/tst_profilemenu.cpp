// The profile menu at the left of the window, driven as a person drives it:
// clicks on the items select a kind, which the menu, the title, the drawing,
// the input rows and the result block then show.
#include "choices.h"
#include "windowfixture.h"

#include <QtTest>

#include <array>

namespace {

// The menu panel's place in the window.
constexpr int kPanelLeft = 16;
constexpr int kPanelTop = 154;
// A point on a kind's menu item, over its text, in window coordinates.
QPoint OnItem(int kind) { return {kPanelLeft + 2 + 40, kPanelTop + KindShownAs(kind).itemTop + 16}; }

// The menu caption of a kind, four leading spaces included.
QString MenuCaption(int kind) { return QStringLiteral("    ") + QString::fromUtf8(KindShownAs(kind).name); }
QString DrawingOf(int kind) { return QStringLiteral("kind-%1.png").arg(QLatin1String(KindShownAs(kind).picture)); }

const QColor kWhite(255, 255, 255);
const QColor kDarkGrey(82, 82, 82);
const QColor kButtonFace(240, 240, 240);
const QColor kOrange(255, 150, 0);

// The rows of a label's own drawing that carry ink, grouped into bands of
// consecutive rows.
struct Ink {
    QList<QPair<int, int>> bands;  // first and last row of each line of text
    QList<QPair<int, int>> spans;  // leftmost and rightmost inked column of each band
};

Ink InkOf(QWidget *label)
{
    const QImage image = DrawnAlone(label);
    Ink ink;
    int start = -1, left = image.width(), right = -1;
    for (int y = 0; y <= image.height(); ++y) {
        const QRect row = y < image.height() ? InkBounds(image, QRect(0, y, image.width(), 1), 0) : QRect();
        if (row.isValid()) {
            if (start < 0)
                start = y;
            left = qMin(left, row.left());
            right = qMax(right, row.right());
        } else if (start >= 0) {
            ink.bands.append({start, y - 1});
            ink.spans.append({left, right});
            start = -1;
            left = image.width();
            right = -1;
        }
    }
    return ink;
}

double InkCentre(const QPair<int, int> &span) { return (span.first + span.second) / 2.0; }

enum class Before { Start, OtherKind, Result, ListOpen, LengthMode };

}  // namespace

Q_DECLARE_METATYPE(Before)

class ProfileMenuTest : public QObject {
    Q_OBJECT

private slots:
    void startShowsThePipe();
    void selectingAKind_data();
    void selectingAKind();
    void pipeTitleAfterAClickHasItsLeadingSpaces();
    void profilePipeTitleHasTwoLines_data();
    void profilePipeTitleHasTwoLines();
    void reselectingTheSelectedKindResetsIt_data();
    void reselectingTheSelectedKindResetsIt();
    void areaModeOfTheSheetCarriesOverAsLengthMode_data();
    void areaModeOfTheSheetCarriesOverAsLengthMode();
};

void ProfileMenuTest::startShowsThePipe()
{
    Calculator calc;
    // The title has no leading spaces until the first click.
    QCOMPARE(calc.find<ui::Label>("Label17")->caption(), QStringLiteral("Труба"));
    QCOMPARE(calc.find("Image4")->geometry(), QRect(0, 0, 193, 33));
    for (int kind = 1; kind <= 10; ++kind) {
        ui::Label *item = calc.menuItem(kind);
        QCOMPARE(item->Tag, kind == 1 ? 1 : 0);
        QCOMPARE(item->fontColor(), kind == 1 ? kWhite : kDarkGrey);
        QVERIFY(item->isTransparent());
        QCOMPARE(item->caption(), MenuCaption(kind));
    }
    QVERIFY(!calc.find("Panel3")->isVisible());
    QVERIFY(!calc.find("Image11")->isVisible());
    const QImage shot = calc.grab();
    // The highlight is behind the pipe item only.
    QCOMPARE(shot.pixelColor(kPanelLeft + 175, kPanelTop + 16), kOrange);
    QCOMPARE(shot.pixelColor(kPanelLeft + 175, kPanelTop + KindShownAs(2).itemTop + 16), kButtonFace);
}

void ProfileMenuTest::selectingAKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<Before>("before");
    const std::array<std::pair<Before, const char *>, 5> states{{{Before::Start, "after start"},
                                                                 {Before::OtherKind, "after another kind"},
                                                                 {Before::Result, "with a result shown"},
                                                                 {Before::ListOpen, "with the material list open"},
                                                                 {Before::LengthMode, "in length mode"}}};
    for (int kind = 1; kind <= 10; ++kind)
        for (const auto &[before, name] : states)
            QTest::addRow("%s %s", KindShownAs(kind).name, name) << kind << before;
}

void ProfileMenuTest::selectingAKind()
{
    QFETCH(int, kind);
    QFETCH(Before, before);
    Calculator calc;
    bool mass = true;
    switch (before) {
    case Before::Start:
        break;
    case Before::OtherKind: {
        const int other = kind % 10 + 1;
        calc.click(OnItem(other));
        QCOMPARE(calc.menuItem(other)->Tag, 1);
        break;
    }
    case Before::Result:
        calc.typeFields(worked::Example(metal::pkPipe, true).fields);
        QCOMPARE(calc.result()->caption(), QString::fromUtf8(worked::Example(metal::pkPipe, true).shown));
        break;
    case Before::ListOpen:
        calc.click(calc.find("Label1"));
        QVERIFY(calc.find("Panel1")->isVisible());
        break;
    case Before::LengthMode:
        calc.click(calc.find("Label12"));
        QCOMPARE(calc.find<ui::Label>("Label18")->caption(), QStringLiteral("Итого длина:"));
        mass = false;
        break;
    }

    calc.click(OnItem(kind));
    // The pointer moves on, so the preview does not cover the drawing.
    calc.pointAt(kBackground);

    const KindShown &expected = KindShownAs(kind);
    ui::Label *selected = calc.menuItem(kind);
    // The highlight, and exactly one selected item.
    QCOMPARE(calc.find("Image4")->geometry(), QRect(0, 33 * (kind - 1), 193, 33));
    for (int other = 1; other <= 10; ++other) {
        ui::Label *item = calc.menuItem(other);
        QCOMPARE(item->Tag, other == kind ? 1 : 0);
        QCOMPARE(item->fontColor(), other == kind ? kWhite : kDarkGrey);
    }
    QVERIFY(selected->isTransparent());
    const QImage shot = calc.grab();
    for (int other = 1; other <= 10; ++other) {
        // Right of the text, where only the highlight or the panel shows.
        const QPoint point(kPanelLeft + 175, kPanelTop + KindShownAs(other).itemTop + 16);
        QCOMPARE(shot.pixelColor(point), other == kind ? kOrange : kButtonFace);
    }
    const QRect itemOnScreen(QPoint(kPanelLeft + 2, kPanelTop + expected.itemTop), QSize(177, 33));
    QVERIFY2(HasPixel(shot, itemOnScreen, kWhite), "the selected item's text is white");
    if (kind != 1)
        QVERIFY2(HasPixel(shot, itemOnScreen.translated(0, KindShownAs(1).itemTop - expected.itemTop), kDarkGrey),
                 "the pipe item's text is dark grey");

    // The title and the drawing.
    QCOMPARE(calc.find<ui::Label>("Label17")->caption(),
             kind == 2 ? QStringLiteral("Труба\rпрофильная") : MenuCaption(kind));
    auto *drawing = calc.find<ui::Image>("Image6");
    const QImage picture = calc.storePicture(DrawingOf(kind));
    QCOMPARE(drawing->picture().toImage(), picture);
    // A drawing wider than the area is cut equally at both ends.
    QVERIFY2(ShowsPicture(shot, CentredIn(drawing->geometry(), picture.size()), picture, drawing->geometry()),
             "the kind's drawing is on screen, centred");

    // The rows and their captions; every field back to "0".
    const QString quantity = mass ? QStringLiteral("Длина, м") : QStringLiteral("Масса, кг");
    for (int row = 0; row < 5; ++row) {
        auto *field = calc.row(row);
        auto *caption = calc.rowCaption(row);
        const bool used = row >= expected.firstRow && row <= expected.quantityRow;
        QCOMPARE(field->text(), QStringLiteral("0"));
        QCOMPARE(field->isVisible(), used);
        QCOMPARE(caption->isVisible(), used);
        if (used) {
            const char *fixed = expected.captions[static_cast<std::size_t>(row)];
            const QString text = *fixed ? QString::fromUtf8(fixed) : quantity;
            QCOMPARE(caption->caption(), text);
        }
    }

    // The result block: "0.00" with the unit of the mode; the sheet's length
    // mode is its area mode.
    auto *result = calc.result();
    QString total = mass ? QStringLiteral("Итого вес:") : QStringLiteral("Итого длина:");
    QString unit = mass ? QStringLiteral("кг") : QStringLiteral("м");
    if (!mass && kind == 6) {
        total = QStringLiteral("    Итого\r   площадь:");
        unit = QStringLiteral("м2");
    }
    QCOMPARE(result->caption(), QStringLiteral("0.00 %1  ").arg(unit));
    QCOMPARE(result->fontColor(), QColor(0, 0, 0));
    QCOMPARE(calc.find<ui::Label>("Label18")->caption(), total);
    QVERIFY(!calc.find("Panel1")->isVisible());
    QVERIFY(!calc.find("Panel3")->isVisible());
}

void ProfileMenuTest::pipeTitleAfterAClickHasItsLeadingSpaces()
{
    Calculator calc;
    auto *title = calc.find<ui::Label>("Label17");
    const Ink atStart = InkOf(title);
    QCOMPARE(atStart.bands.size(), 1);
    // "Труба" alone is centred in the 180 px title.
    QVERIFY2(qAbs(InkCentre(atStart.spans[0]) - 90) <= 2, "the start title is centred");

    calc.click(OnItem(1));
    QCOMPARE(title->caption(), QStringLiteral("    Труба"));
    const Ink afterClick = InkOf(title);
    QCOMPARE(afterClick.bands.size(), 1);
    // The four spaces are centred with the word, so the ink moves right by
    // half their width.
    const double shift = QFontMetricsF(title->font()).horizontalAdvance(QStringLiteral("    ")) / 2;
    QVERIFY(shift > 2);
    QVERIFY2(qAbs(InkCentre(afterClick.spans[0]) - InkCentre(atStart.spans[0]) - shift) <= 1.5,
             qPrintable(QStringLiteral("ink moved by %1, expected %2")
                            .arg(InkCentre(afterClick.spans[0]) - InkCentre(atStart.spans[0]))
                            .arg(shift)));
}

void ProfileMenuTest::profilePipeTitleHasTwoLines_data()
{
    QTest::addColumn<int>("next");
    for (int kind = 1; kind <= 10; ++kind)
        if (kind != 2)
            QTest::addRow("then %s", KindShownAs(kind).name) << kind;
}

void ProfileMenuTest::profilePipeTitleHasTwoLines()
{
    QFETCH(int, next);
    Calculator calc;
    auto *title = calc.find<ui::Label>("Label17");
    calc.click(OnItem(2));
    QCOMPARE(title->caption(), QStringLiteral("Труба\rпрофильная"));

    // Two lines, each centred in the title, the longer one below, and both
    // inside the title's 79 px.
    const Ink twoLines = InkOf(title);
    QCOMPARE(twoLines.bands.size(), 2);
    QVERIFY(twoLines.bands[1].first - twoLines.bands[0].second > 1);
    QVERIFY(twoLines.bands[1].second < title->height() - 1);
    for (const auto &span : twoLines.spans)
        QVERIFY2(qAbs(InkCentre(span) - title->width() / 2.0) <= 2, "each line is centred");
    QVERIFY(twoLines.spans[1].second - twoLines.spans[1].first > twoLines.spans[0].second - twoLines.spans[0].first);
    QCOMPARE(title->geometry(), QRect(520, 175, 180, 79));

    calc.click(OnItem(next));
    QCOMPARE(title->caption(), MenuCaption(next));
    QCOMPARE(InkOf(title).bands.size(), 1);
}

void ProfileMenuTest::reselectingTheSelectedKindResetsIt_data()
{
    QTest::addColumn<int>("kind");
    // With the kind's worked example in mass mode typed.
    for (int kind : {1, 3, 10})
        QTest::newRow(KindShownAs(kind).name) << kind;
}

void ProfileMenuTest::reselectingTheSelectedKindResetsIt()
{
    QFETCH(int, kind);
    const worked::Result &example = worked::Example(static_cast<metal::ProfileKind>(kind), true);
    Calculator calc;
    calc.click(OnItem(kind));
    calc.typeFields(example.fields);
    auto *result = calc.result();
    QCOMPARE(result->caption(), QString::fromUtf8(example.shown));

    calc.click(OnItem(kind));
    for (int row = 0; row < metal::kRowCount; ++row)
        QCOMPARE(calc.row(row)->text(), QStringLiteral("0"));
    QCOMPARE(result->caption(), QStringLiteral("0.00 кг  "));
    QCOMPARE(calc.menuItem(kind)->Tag, 1);
    QCOMPARE(calc.find("Image4")->y(), 33 * (kind - 1));
}

void ProfileMenuTest::areaModeOfTheSheetCarriesOverAsLengthMode_data()
{
    QTest::addColumn<int>("next");
    for (int kind = 1; kind <= 10; ++kind)
        if (kind != 6)
            QTest::addRow("then %s", KindShownAs(kind).name) << kind;
}

void ProfileMenuTest::areaModeOfTheSheetCarriesOverAsLengthMode()
{
    QFETCH(int, next);
    Calculator calc;
    calc.click(OnItem(6));
    calc.click(calc.find("Label12"));
    auto *result = calc.result();
    QCOMPARE(result->caption(), QStringLiteral("0.00 м2  "));

    calc.click(OnItem(next));
    auto *total = calc.find<ui::Label>("Label18");
    QCOMPARE(total->caption(), QStringLiteral("Итого длина:"));
    QCOMPARE(result->caption(), QStringLiteral("0.00 м  "));
    QCOMPARE(calc.find<ui::Image>("Image5")->picture().toImage(), calc.store().Image1.picture().toImage());
    QCOMPARE(calc.find<ui::Image>("Image7")->picture().toImage(), calc.store().Image13.picture().toImage());
    // The quantity field is captioned for a mass.
    QCOMPARE(calc.rowCaption(KindShownAs(next).quantityRow)->caption(), QStringLiteral("Масса, кг"));
    QCOMPARE(total->geometry().left(), 532);
    QCOMPARE(total->width(), 130);
}

QTEST_MAIN(ProfileMenuTest)
#include "tst_profilemenu.moc"
