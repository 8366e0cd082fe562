// The photo preview beside the profile menu, driven by a pointer that moves
// over the items: which photo shows where, how the item under the pointer
// looks, and what happens to the field that held the focus.
#include "choices.h"
#include "windowfixture.h"

#include <QStyle>
#include <QToolTip>
#include <QtTest>

namespace {

// The menu panel's place in the window.
constexpr int kPanelLeft = 16;
constexpr int kPanelTop = 154;
// A point on a kind's menu item, over its text, in window coordinates.
QPoint OnItem(int kind) { return {kPanelLeft + 2 + 40, kPanelTop + KindShownAs(kind).itemTop + 16}; }

QString PhotoOf(int kind) { return QStringLiteral("photo-%1.jpg").arg(QLatin1String(KindShownAs(kind).picture)); }

const QColor kWhite(255, 255, 255);
const QColor kHoverGrey(213, 213, 213);
const QColor kButtonFace(240, 240, 240);
const QColor kOrange(255, 150, 0);

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

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void hoverShowsThePreview_data();
    void hoverShowsThePreview();
    void hoverOnAnUnselectedItemLeavesTheField();
    void movingFromItemToItemShowsTheSecondPhoto_data();
    void movingFromItemToItemShowsTheSecondPhoto();
    void clickWhileHoveredTurnsTheItemTransparent_data();
    void clickWhileHoveredTurnsTheItemTransparent();
    void menuItemsShowNoToolTip();
};

void PreviewTest::hoverShowsThePreview_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("selected");
    for (int kind = 1; kind <= 10; ++kind) {
        QTest::addRow("%s selected", KindShownAs(kind).name) << kind << true;
        QTest::addRow("%s not selected", KindShownAs(kind).name) << kind << false;
    }
}

void PreviewTest::hoverShowsThePreview()
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
    calc.enterWindow();

    ui::Label *item = calc.menuItem(kind);
    const QColor backgroundBefore = item->backgroundColor();
    const QImage beforeHover = calc.grab();
    calc.pointAt(OnItem(kind));

    auto *frame = calc.find<ui::Panel>("Panel3");
    auto *pointer = calc.find<ui::Image>("Image11");
    const int frameTop = KindShownAs(kind).itemTop + 108;
    QVERIFY(frame->isVisible());
    QVERIFY(pointer->isVisible());
    QCOMPARE(frame->geometry(), QRect(215, frameTop, 120, 120));
    QCOMPARE(pointer->geometry(), QRect(207, frameTop + 56, 8, 14));
    const QImage photo = calc.storePicture(PhotoOf(kind));
    QCOMPARE(calc.find<ui::Image>("Image12")->picture().toImage(), photo);

    const QImage shot = calc.grab();
    // The photo centred in the white frame, the frame's corners white, the
    // pointer beside it.
    QVERIFY2(ShowsPicture(shot, CentredIn(frame->geometry(), photo.size()), photo), "the kind's photo is shown");
    QCOMPARE(shot.pixelColor(frame->geometry().topLeft()), kWhite);
    QCOMPARE(shot.pixelColor(frame->geometry().bottomRight()), kWhite);
    QVERIFY2(ShowsPicture(shot, pointer->geometry().topLeft(), pointer->picture().toImage()), "the pointer is drawn");

    const QPoint rightOfText(kPanelLeft + 175, kPanelTop + KindShownAs(kind).itemTop + 16);
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

void PreviewTest::hoverOnAnUnselectedItemLeavesTheField()
{
    // A field that holds a text keeps it when the pointer takes its focus;
    // typing then goes nowhere visible.
    Calculator calc;
    auto *field = calc.find<ui::Edit>("Edit2");
    calc.enterWindow();
    calc.typeInto(field, QStringLiteral("3.5"));
    calc.pointAt(OnItem(5));
    QVERIFY(calc.find("Edit4")->hasFocus());
    QCOMPARE(field->text(), QStringLiteral("3.5"));
    calc.type(QStringLiteral("7"));
    QCOMPARE(field->text(), QStringLiteral("3.5"));
    for (int row = 0; row < metal::kRowCount; ++row)
        if (row != 2)
            QCOMPARE(calc.row(row)->text(), QStringLiteral("0"));
}

void PreviewTest::movingFromItemToItemShowsTheSecondPhoto_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    for (int kind = 1; kind < 10; ++kind)
        QTest::addRow("%s down to %s", KindShownAs(kind).name, KindShownAs(kind + 1).name) << kind << kind + 1;
    QTest::newRow("Балка up to Швеллер") << 10 << 9;
    QTest::newRow("Лист up to Труба (selected)") << 6 << 1;
}

void PreviewTest::movingFromItemToItemShowsTheSecondPhoto()
{
    QFETCH(int, first);
    QFETCH(int, second);
    Calculator calc;
    auto *frame = calc.find<ui::Panel>("Panel3");
    auto *photo = calc.find<ui::Image>("Image12");
    calc.enterWindow();
    calc.pointAt(OnItem(first));
    QCOMPARE(frame->y(), KindShownAs(first).itemTop + 108);
    QCOMPARE(photo->picture().toImage(), calc.storePicture(PhotoOf(first)));

    VisibilityLog log(frame);
    calc.pointAt(OnItem(second));
    QCOMPARE(log.events, QStringList({"hide", "show"}));
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->geometry(), QRect(215, KindShownAs(second).itemTop + 108, 120, 120));
    QCOMPARE(calc.find("Image11")->geometry().topLeft(), QPoint(207, KindShownAs(second).itemTop + 108 + 56));
    const QImage expected = calc.storePicture(PhotoOf(second));
    QCOMPARE(photo->picture().toImage(), expected);
    QVERIFY(ShowsPicture(calc.grab(), CentredIn(frame->geometry(), expected.size()), expected));
    // The first item lost its hover look; the second has it unless selected.
    QVERIFY(calc.menuItem(first)->isTransparent());
    QCOMPARE(calc.menuItem(second)->isTransparent(), second == 1);
}

void PreviewTest::clickWhileHoveredTurnsTheItemTransparent_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 2; kind <= 10; ++kind)
        QTest::addRow("%s", KindShownAs(kind).name) << kind;
}

void PreviewTest::clickWhileHoveredTurnsTheItemTransparent()
{
    QFETCH(int, kind);
    Calculator calc;
    calc.enterWindow();
    calc.pointAt(OnItem(kind));
    ui::Label *item = calc.menuItem(kind);
    const QPoint rightOfText(kPanelLeft + 175, kPanelTop + KindShownAs(kind).itemTop + 16);
    QCOMPARE(calc.grab().pixelColor(rightOfText), kHoverGrey);

    calc.click(OnItem(kind));
    QVERIFY(item->isTransparent());
    QCOMPARE(item->fontColor(), kWhite);
    const QImage hovered = calc.grab();
    QCOMPARE(hovered.pixelColor(rightOfText), kOrange);
    const QRect itemOnScreen(QPoint(kPanelLeft + 2, kPanelTop + KindShownAs(kind).itemTop), QSize(177, 33));
    QVERIFY(HasPixel(hovered, itemOnScreen, kWhite));
    // The preview stays while the pointer is there.
    QVERIFY(calc.find("Panel3")->isVisible());

    // Leaving changes nothing that can be seen on the item.
    calc.pointAt(kBackground);
    QCOMPARE(item->backgroundColor(), kButtonFace);
    QCOMPARE(calc.grab().copy(itemOnScreen), hovered.copy(itemOnScreen));
}

void PreviewTest::menuItemsShowNoToolTip()
{
    // The items' hints are data, never shown.
    Calculator calc;
    calc.enterWindow();
    calc.pointAt(OnItem(3));
    calc.pointAt(OnItem(3) + QPoint(1, 0));
    QTest::qWait(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) + 300);
    QVERIFY(!QToolTip::isVisible());
    for (int kind = 1; kind <= metal::kKindCount; ++kind)
        QCOMPARE(calc.menuItem(kind)->toolTip(), QString());
}

QTEST_MAIN(PreviewTest)
#include "tst_preview.moc"
