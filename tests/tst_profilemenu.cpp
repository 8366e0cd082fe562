// The profile menu at the left of the window and the photo preview beside
// it, driven as a person drives them: clicks on the items and a pointer that
// moves over them.
#include "windowfixture.h"

#include <QPainter>
#include <QStyle>
#include <QToolTip>
#include <QtTest>

#include <array>

namespace {

using StorePicture = StoreImage TForm2::*;

// What selecting a kind shows, written out from the kind table.
struct KindCase {
    const char *item;
    QString caption;       // the menu caption, four leading spaces included
    int firstRow;          // rows firstRow .. quantityRow are shown
    int quantityRow;       // the lowest row of the kind
    QStringList captions;  // captions of rows 0 .. 4; empty: the quantity caption of the mode
    StorePicture drawing;  // the drawing the kind shows
    StorePicture photo;    // the photo of its preview
    int itemTop;           // the item's top inside the menu panel
};

const std::array<KindCase, 10> &Kinds()
{
    static const std::array<KindCase, 10> kinds{{
        {"Label2",
         "    Труба",
         1,
         3,
         {"", "Внешний диаметр, мм", "Толщина стенки, мм", "", ""},
         &TForm2::Image3,
         &TForm2::Image17,
         0},
        {"Label3",
         "    Труба профильная",
         1,
         4,
         {"", "Высота, мм", "Ширина, мм", "Толщина стенки, мм", ""},
         &TForm2::Image4,
         &TForm2::Image18,
         34},
        {"Label4", "    Квадрат", 1, 2, {"", "Ширина, мм", "", "", ""}, &TForm2::Image5, &TForm2::Image19, 67},
        {"Label5", "    Круг / Пруток", 1, 2, {"", "Диаметр, мм", "", "", ""}, &TForm2::Image6, &TForm2::Image20, 100},
        {"Label6",
         "    Уголок",
         1,
         4,
         {"", "Высота, мм", "Ширина, мм", "Стенка, мм", ""},
         &TForm2::Image7,
         &TForm2::Image21,
         133},
        {"Label7",
         "    Лист",
         1,
         4,
         {"", "Ширина, мм", "Длина, мм", "Толщина, мм", "Количество листов, шт"},
         &TForm2::Image8,
         &TForm2::Image22,
         166},
        {"Label8",
         "    Лента",
         1,
         3,
         {"", "Ширина, мм", "Толщина, мм", "", ""},
         &TForm2::Image9,
         &TForm2::Image23,
         199},
        {"Label9",
         "    Шестигранник",
         1,
         2,
         {"", "Номер (диаметр), мм", "", "", ""},
         &TForm2::Image10,
         &TForm2::Image24,
         232},
        {"Label10",
         "    Швеллер",
         1,
         4,
         {"", "Высота, мм", "Ширина, мм", "Стенка, мм", ""},
         &TForm2::Image11,
         &TForm2::Image25,
         265},
        {"Label11",
         "    Балка",
         0,
         4,
         {"Высота, мм", "Ширина, мм", "Перемычка, мм", "Стенка, мм", ""},
         &TForm2::Image12,
         &TForm2::Image26,
         298},
    }};
    return kinds;
}

const KindCase &KindOf(int kind) { return Kinds()[static_cast<std::size_t>(kind) - 1]; }

// The rows from top to bottom: their fields and caption labels.
constexpr std::array<const char *, 5> kFields{"Edit6", "Edit1", "Edit2", "Edit3", "Edit5"};
constexpr std::array<const char *, 5> kFieldCaptions{"Label20", "Label14", "Label15", "Label16", "Label19"};
constexpr std::array<const char *, 10> kItems{"Label2", "Label3", "Label4", "Label5",  "Label6",
                                              "Label7", "Label8", "Label9", "Label10", "Label11"};

const QColor kWhite(255, 255, 255);
const QColor kDarkGrey(82, 82, 82);
const QColor kHoverGrey(213, 213, 213);
const QColor kButtonFace(240, 240, 240);
const QColor kOrange(255, 150, 0);
constexpr int kPanelLeft = 16;
constexpr int kPanelTop = 154;

// A point on the item, over its text, in window coordinates.
QPoint OnItem(int kind) { return {kPanelLeft + 2 + 40, kPanelTop + KindOf(kind).itemTop + 16}; }
// A point of the window's background that no control covers.
const QPoint kBackground(250, 130);

ui::Label *Item(const Calculator &calc, int kind) { return calc.find<ui::Label>(KindOf(kind).item); }

// The pointer comes into the window over its background. Two moves: a
// move to where the pointer already is reports nothing, and the first move
// into a window gives no control the pointer's entry.
void EnterWindow(const Calculator &calc)
{
    calc.pointAt(kBackground + QPoint(1, 1));
    calc.pointAt(kBackground);
}

// Every fully opaque pixel of the picture is on screen where the picture is
// drawn with its top-left corner at `at`, as far as it lies inside `clip`.
bool ShowsPicture(const QImage &shot, QPoint at, const QImage &picture, const QRect &clip = QRect())
{
    const QImage pic = picture.convertToFormat(QImage::Format_ARGB32);
    int compared = 0;
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x) {
            const QRgb p = pic.pixel(x, y);
            const QPoint s = at + QPoint(x, y);
            if (qAlpha(p) != 255 || !shot.rect().contains(s) || (clip.isValid() && !clip.contains(s)))
                continue;
            if ((shot.pixel(s) & 0xFFFFFF) != (p & 0xFFFFFF))
                return false;
            ++compared;
        }
    return compared > 0;
}

// Where a centred picture lands in a control (integer halves).
QPoint CentredIn(const QRect &control, const QSize &picture)
{
    return control.topLeft() +
           QPoint((control.width() - picture.width()) / 2, (control.height() - picture.height()) / 2);
}

// The rows of a label's own drawing that carry ink, drawn without anything
// beneath it, grouped into bands of consecutive rows.
struct Ink {
    QList<QPair<int, int>> bands;  // first and last row of each line of text
    QList<QPair<int, int>> spans;  // leftmost and rightmost inked column of each band
};

Ink InkOf(QWidget *label)
{
    QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    Ink ink;
    int start = -1, left = image.width(), right = -1;
    for (int y = 0; y <= image.height(); ++y) {
        int rowLeft = image.width(), rowRight = -1;
        if (y < image.height())
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 0) {
                    rowLeft = qMin(rowLeft, x);
                    rowRight = qMax(rowRight, x);
                }
        if (rowRight >= 0) {
            if (start < 0)
                start = y;
            left = qMin(left, rowLeft);
            right = qMax(right, rowRight);
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

// Counts how often a control is shown and hidden.
class VisibilityLog : public QObject {
public:
    explicit VisibilityLog(QWidget *watched) { watched->installEventFilter(this); }
    QStringList events;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            events.append(QStringLiteral("show"));
        else if (event->type() == QEvent::Hide)
            events.append(QStringLiteral("hide"));
        return false;
    }
};

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
    void hoverShowsThePreview_data();
    void hoverShowsThePreview();
    void hoverOnAnUnselectedItemLeavesTheField();
    void movingFromItemToItemShowsTheSecondPhoto_data();
    void movingFromItemToItemShowsTheSecondPhoto();
    void clickWhileHoveredTurnsTheItemTransparent_data();
    void clickWhileHoveredTurnsTheItemTransparent();
    void menuItemsShowNoToolTip();
};

void ProfileMenuTest::startShowsThePipe()
{
    Calculator calc;
    // The title has no leading spaces until the first click.
    QCOMPARE(calc.find<ui::Label>("Label17")->caption(), QStringLiteral("Труба"));
    QCOMPARE(calc.find("Image4")->geometry(), QRect(0, 0, 193, 33));
    for (int kind = 1; kind <= 10; ++kind) {
        ui::Label *item = Item(calc, kind);
        QCOMPARE(item->Tag, kind == 1 ? 1 : 0);
        QCOMPARE(item->fontColor(), kind == 1 ? kWhite : kDarkGrey);
        QVERIFY(item->isTransparent());
        QCOMPARE(item->caption(), KindOf(kind).caption);
    }
    QVERIFY(!calc.find("Panel3")->isVisible());
    QVERIFY(!calc.find("Image11")->isVisible());
    const QImage shot = calc.grab();
    // The highlight is behind the pipe item only.
    QCOMPARE(shot.pixelColor(kPanelLeft + 175, kPanelTop + 16), kOrange);
    QCOMPARE(shot.pixelColor(kPanelLeft + 175, kPanelTop + KindOf(2).itemTop + 16), kButtonFace);
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
            QTest::addRow("%s %s", qPrintable(KindOf(kind).caption.trimmed()), name) << kind << before;
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
        QCOMPARE(Item(calc, other)->Tag, 1);
        break;
    }
    case Before::Result:
        // A pipe of 57 × 3.5, 1 m long.
        calc.typeInto(calc.find<ui::Edit>("Edit1"), QStringLiteral("57"));
        calc.typeInto(calc.find<ui::Edit>("Edit2"), QStringLiteral("3.5"));
        calc.typeInto(calc.find<ui::Edit>("Edit3"), QStringLiteral("1"));
        QCOMPARE(calc.find<ui::Label>("Label32")->caption(), QStringLiteral("4.6 кг  "));
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

    const KindCase &expected = KindOf(kind);
    ui::Label *selected = Item(calc, kind);
    // The highlight, and exactly one selected item.
    QCOMPARE(calc.find("Image4")->geometry(), QRect(0, 33 * (kind - 1), 193, 33));
    for (int other = 1; other <= 10; ++other) {
        ui::Label *item = Item(calc, other);
        QCOMPARE(item->Tag, other == kind ? 1 : 0);
        QCOMPARE(item->fontColor(), other == kind ? kWhite : kDarkGrey);
    }
    QVERIFY(selected->isTransparent());
    const QImage shot = calc.grab();
    for (int other = 1; other <= 10; ++other) {
        // Right of the text, where only the highlight or the panel shows.
        const QPoint point(kPanelLeft + 175, kPanelTop + KindOf(other).itemTop + 16);
        QCOMPARE(shot.pixelColor(point), other == kind ? kOrange : kButtonFace);
    }
    const QRect itemOnScreen(QPoint(kPanelLeft + 2, kPanelTop + expected.itemTop), QSize(177, 33));
    QVERIFY2(HasPixel(shot, itemOnScreen, kWhite), "the selected item's text is white");
    if (kind != 1)
        QVERIFY2(HasPixel(shot, itemOnScreen.translated(0, KindOf(1).itemTop - expected.itemTop), kDarkGrey),
                 "the pipe item's text is dark grey");

    // The title and the drawing.
    QCOMPARE(calc.find<ui::Label>("Label17")->caption(),
             kind == 2 ? QStringLiteral("Труба\rпрофильная") : expected.caption);
    auto *drawing = calc.find<ui::Image>("Image6");
    const QImage picture = (calc.store().*expected.drawing).picture().toImage();
    QCOMPARE(drawing->picture().toImage(), picture);
    // A drawing wider than the area is cut equally at both ends.
    QVERIFY2(ShowsPicture(shot, CentredIn(drawing->geometry(), picture.size()), picture, drawing->geometry()),
             "the kind's drawing is on screen, centred");

    // The rows and their captions; every field back to "0".
    const QString quantity = mass ? QStringLiteral("Длина, м") : QStringLiteral("Масса, кг");
    for (int row = 0; row < 5; ++row) {
        auto *field = calc.find<ui::Edit>(kFields[static_cast<std::size_t>(row)]);
        auto *caption = calc.find<ui::Label>(kFieldCaptions[static_cast<std::size_t>(row)]);
        const bool used = row >= expected.firstRow && row <= expected.quantityRow;
        QCOMPARE(field->text(), QStringLiteral("0"));
        QCOMPARE(field->isVisible(), used);
        QCOMPARE(caption->isVisible(), used);
        if (used) {
            const QString text = expected.captions[row].isEmpty() ? quantity : expected.captions[row];
            QCOMPARE(caption->caption(), text);
        }
    }

    // The result block: "0.00" with the unit of the mode; the sheet's length
    // mode is its area mode.
    auto *result = calc.find<ui::Label>("Label32");
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
            QTest::addRow("then %s", qPrintable(KindOf(kind).caption.trimmed())) << kind;
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
    QCOMPARE(title->caption(), KindOf(next).caption);
    QCOMPARE(InkOf(title).bands.size(), 1);
}

void ProfileMenuTest::reselectingTheSelectedKindResetsIt_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("typed");  // per row 0 .. 4; empty: not typed
    QTest::addColumn<QString>("shown");
    // Worked results in carbon steel.
    QTest::newRow("pipe") << 1 << QStringList{"", "57", "3.5", "1", ""} << QStringLiteral("4.6 кг  ");
    QTest::newRow("square") << 3 << QStringList{"", "10", "2", "", ""} << QStringLiteral("1.6 кг  ");
    QTest::newRow("beam") << 10 << QStringList{"200", "100", "5.2", "8.4", "1"} << QStringLiteral("20.8 кг  ");
}

void ProfileMenuTest::reselectingTheSelectedKindResetsIt()
{
    QFETCH(int, kind);
    QFETCH(QStringList, typed);
    QFETCH(QString, shown);
    Calculator calc;
    calc.click(OnItem(kind));
    for (int row = 0; row < 5; ++row)
        if (!typed[row].isEmpty())
            calc.typeInto(calc.find<ui::Edit>(kFields[static_cast<std::size_t>(row)]), typed[row]);
    auto *result = calc.find<ui::Label>("Label32");
    QCOMPARE(result->caption(), shown);

    calc.click(OnItem(kind));
    for (const char *field : kFields)
        QCOMPARE(calc.find<ui::Edit>(field)->text(), QStringLiteral("0"));
    QCOMPARE(result->caption(), QStringLiteral("0.00 кг  "));
    QCOMPARE(Item(calc, kind)->Tag, 1);
    QCOMPARE(calc.find("Image4")->y(), 33 * (kind - 1));
}

void ProfileMenuTest::areaModeOfTheSheetCarriesOverAsLengthMode_data()
{
    QTest::addColumn<int>("next");
    for (int kind = 1; kind <= 10; ++kind)
        if (kind != 6)
            QTest::addRow("then %s", qPrintable(KindOf(kind).caption.trimmed())) << kind;
}

void ProfileMenuTest::areaModeOfTheSheetCarriesOverAsLengthMode()
{
    QFETCH(int, next);
    Calculator calc;
    calc.click(OnItem(6));
    calc.click(calc.find("Label12"));
    auto *result = calc.find<ui::Label>("Label32");
    QCOMPARE(result->caption(), QStringLiteral("0.00 м2  "));

    calc.click(OnItem(next));
    auto *total = calc.find<ui::Label>("Label18");
    QCOMPARE(total->caption(), QStringLiteral("Итого длина:"));
    QCOMPARE(result->caption(), QStringLiteral("0.00 м  "));
    QCOMPARE(calc.find<ui::Image>("Image5")->picture().toImage(), calc.store().Image1.picture().toImage());
    QCOMPARE(calc.find<ui::Image>("Image7")->picture().toImage(), calc.store().Image13.picture().toImage());
    // The quantity field is captioned for a mass.
    const KindCase &kind = KindOf(next);
    QCOMPARE(calc.find<ui::Label>(kFieldCaptions[static_cast<std::size_t>(kind.quantityRow)])->caption(),
             QStringLiteral("Масса, кг"));
    QCOMPARE(total->geometry().left(), 532);
    QCOMPARE(total->width(), 130);
}

void ProfileMenuTest::hoverShowsThePreview_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("selected");
    for (int kind = 1; kind <= 10; ++kind) {
        QTest::addRow("%s selected", qPrintable(KindOf(kind).caption.trimmed())) << kind << true;
        QTest::addRow("%s not selected", qPrintable(KindOf(kind).caption.trimmed())) << kind << false;
    }
}

void ProfileMenuTest::hoverShowsThePreview()
{
    QFETCH(int, kind);
    QFETCH(bool, selected);
    Calculator calc;
    const int selectedKind = selected ? kind : (kind == 1 ? 2 : 1);
    calc.click(OnItem(selectedKind));
    // A field holds the focus; entering it emptied it.
    auto *field = calc.find<ui::Edit>("Edit1");
    calc.click(field);
    QVERIFY(field->hasFocus());
    QCOMPARE(field->text(), QString());
    EnterWindow(calc);

    ui::Label *item = Item(calc, kind);
    const QColor backgroundBefore = item->backgroundColor();
    const QImage beforeHover = calc.grab();
    calc.pointAt(OnItem(kind));

    auto *frame = calc.find<ui::Panel>("Panel3");
    auto *pointer = calc.find<ui::Image>("Image11");
    const int frameTop = KindOf(kind).itemTop + 108;
    QVERIFY(frame->isVisible());
    QVERIFY(pointer->isVisible());
    QCOMPARE(frame->geometry(), QRect(215, frameTop, 120, 120));
    QCOMPARE(pointer->geometry(), QRect(207, frameTop + 56, 8, 14));
    const QImage photo = (calc.store().*KindOf(kind).photo).picture().toImage();
    QCOMPARE(calc.find<ui::Image>("Image12")->picture().toImage(), photo);

    const QImage shot = calc.grab();
    // The photo centred in the white frame, the frame's corners white, the
    // pointer beside it.
    QVERIFY2(ShowsPicture(shot, CentredIn(frame->geometry(), photo.size()), photo), "the kind's photo is shown");
    QCOMPARE(shot.pixelColor(frame->geometry().topLeft()), kWhite);
    QCOMPARE(shot.pixelColor(frame->geometry().bottomRight()), kWhite);
    QVERIFY2(ShowsPicture(shot, pointer->geometry().topLeft(), pointer->picture().toImage()), "the pointer is drawn");

    const QPoint rightOfText(kPanelLeft + 175, kPanelTop + KindOf(kind).itemTop + 16);
    if (selected) {
        // The selected item keeps its look, and the field its focus.
        QVERIFY(item->isTransparent());
        QCOMPARE(item->backgroundColor(), backgroundBefore);
        QCOMPARE(shot.pixelColor(rightOfText), kOrange);
        QVERIFY(field->hasFocus());
        QCOMPARE(field->text(), QString());
    } else {
        QVERIFY(!item->isTransparent());
        QCOMPARE(item->backgroundColor(), kHoverGrey);
        QCOMPARE(shot.pixelColor(rightOfText), kHoverGrey);
        // The field is left: it gets "0" back.
        QVERIFY(calc.find("Edit4")->hasFocus());
        QCOMPARE(field->text(), QStringLiteral("0"));
    }

    calc.pointAt(kBackground);
    QVERIFY(!frame->isVisible());
    QVERIFY(!pointer->isVisible());
    QVERIFY(item->isTransparent());
    QCOMPARE(item->backgroundColor(), kButtonFace);
    const QImage after = calc.grab();
    QCOMPARE(after.pixelColor(rightOfText), selected ? kOrange : kButtonFace);
    // Where the frame was, the window looks as before the hover.
    const QRect previewArea = frame->geometry().united(pointer->geometry());
    QCOMPARE(after.copy(previewArea), beforeHover.copy(previewArea));
    QVERIFY2(!ShowsPicture(after, CentredIn(frame->geometry(), photo.size()), photo), "the photo is gone");
}

void ProfileMenuTest::hoverOnAnUnselectedItemLeavesTheField()
{
    // A field that holds a text keeps it when the pointer takes its focus;
    // typing then goes nowhere visible.
    Calculator calc;
    auto *field = calc.find<ui::Edit>("Edit2");
    EnterWindow(calc);
    calc.typeInto(field, QStringLiteral("3.5"));
    calc.pointAt(OnItem(5));
    QVERIFY(calc.find("Edit4")->hasFocus());
    QCOMPARE(field->text(), QStringLiteral("3.5"));
    calc.type(QStringLiteral("7"));
    QCOMPARE(field->text(), QStringLiteral("3.5"));
    for (const char *name : kFields)
        if (qstrcmp(name, "Edit2") != 0)
            QCOMPARE(calc.find<ui::Edit>(name)->text(), QStringLiteral("0"));
}

void ProfileMenuTest::movingFromItemToItemShowsTheSecondPhoto_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    for (int kind = 1; kind < 10; ++kind)
        QTest::addRow("%s down to %s", qPrintable(KindOf(kind).caption.trimmed()),
                      qPrintable(KindOf(kind + 1).caption.trimmed()))
            << kind << kind + 1;
    QTest::newRow("Балка up to Швеллер") << 10 << 9;
    QTest::newRow("Лист up to Труба (selected)") << 6 << 1;
}

void ProfileMenuTest::movingFromItemToItemShowsTheSecondPhoto()
{
    QFETCH(int, first);
    QFETCH(int, second);
    Calculator calc;
    auto *frame = calc.find<ui::Panel>("Panel3");
    auto *photo = calc.find<ui::Image>("Image12");
    EnterWindow(calc);
    calc.pointAt(OnItem(first));
    QCOMPARE(frame->y(), KindOf(first).itemTop + 108);
    QCOMPARE(photo->picture().toImage(), (calc.store().*KindOf(first).photo).picture().toImage());

    VisibilityLog log(frame);
    calc.pointAt(OnItem(second));
    QCOMPARE(log.events, QStringList({"hide", "show"}));
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->geometry(), QRect(215, KindOf(second).itemTop + 108, 120, 120));
    QCOMPARE(calc.find("Image11")->geometry().topLeft(), QPoint(207, KindOf(second).itemTop + 108 + 56));
    const QImage expected = (calc.store().*KindOf(second).photo).picture().toImage();
    QCOMPARE(photo->picture().toImage(), expected);
    QVERIFY(ShowsPicture(calc.grab(), CentredIn(frame->geometry(), expected.size()), expected));
    // The first item lost its hover look; the second has it unless selected.
    QVERIFY(Item(calc, first)->isTransparent());
    QCOMPARE(Item(calc, second)->isTransparent(), second == 1);
}

void ProfileMenuTest::clickWhileHoveredTurnsTheItemTransparent_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 2; kind <= 10; ++kind)
        QTest::addRow("%s", qPrintable(KindOf(kind).caption.trimmed())) << kind;
}

void ProfileMenuTest::clickWhileHoveredTurnsTheItemTransparent()
{
    QFETCH(int, kind);
    Calculator calc;
    EnterWindow(calc);
    calc.pointAt(OnItem(kind));
    ui::Label *item = Item(calc, kind);
    const QPoint rightOfText(kPanelLeft + 175, kPanelTop + KindOf(kind).itemTop + 16);
    QCOMPARE(calc.grab().pixelColor(rightOfText), kHoverGrey);

    calc.click(OnItem(kind));
    QVERIFY(item->isTransparent());
    QCOMPARE(item->fontColor(), kWhite);
    const QImage hovered = calc.grab();
    QCOMPARE(hovered.pixelColor(rightOfText), kOrange);
    const QRect itemOnScreen(QPoint(kPanelLeft + 2, kPanelTop + KindOf(kind).itemTop), QSize(177, 33));
    QVERIFY(HasPixel(hovered, itemOnScreen, kWhite));
    // The preview stays while the pointer is there.
    QVERIFY(calc.find("Panel3")->isVisible());

    // Leaving changes nothing that can be seen on the item.
    calc.pointAt(kBackground);
    QCOMPARE(item->backgroundColor(), kButtonFace);
    QCOMPARE(calc.grab().copy(itemOnScreen), hovered.copy(itemOnScreen));
}

void ProfileMenuTest::menuItemsShowNoToolTip()
{
    // The items' hints are data, never shown.
    Calculator calc;
    EnterWindow(calc);
    calc.pointAt(OnItem(3));
    calc.pointAt(OnItem(3) + QPoint(1, 0));
    QTest::qWait(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) + 300);
    QVERIFY(!QToolTip::isVisible());
    for (const char *name : kItems)
        QCOMPARE(calc.find(name)->toolTip(), QString());
}

QTEST_MAIN(ProfileMenuTest)
#include "tst_profilemenu.moc"
