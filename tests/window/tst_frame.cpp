// The controls that stand in for the window's missing frame: close and
// minimise with their hover pictures and tool tips, the footer's links, and
// the rounded outline. Dragging the window is tst_drag's, the footer's year
// (under each locale) tst_localeformats'.
#include "windowfixture.h"

#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

namespace {

using StorePicture = StoreImage TForm2::*;

}  // namespace

Q_DECLARE_METATYPE(StorePicture)

class FrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void frameControlsTurnRedUnderThePointer_data();
    void frameControlsTurnRedUnderThePointer();
    void frameControlsHaveToolTips_data();
    void frameControlsHaveToolTips();
    void minimiseAndRestoreKeepTheWindow();
    void closeEndsTheProgram();

    void linkAreasOpenTheSellersSite_data();
    void linkAreasOpenTheSellersSite();
    void restOfTheFooterIsBackground_data();
    void restOfTheFooterIsBackground();

    void windowShapeLeavesTheCornersOut_data();
    void windowShapeLeavesTheCornersOut();

private:
    UrlCatcher catcher_;  // no browser is started by these tests
};

void FrameTest::init() { catcher_.urls.clear(); }

void FrameTest::frameControlsTurnRedUnderThePointer_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<StorePicture>("normal");
    QTest::addColumn<StorePicture>("hovered");
    QTest::addColumn<QPoint>("drawnAt");  // the picture's top-left corner in the window
    QTest::newRow("close") << QStringLiteral("Image8") << &TForm2::Image27 << &TForm2::Image28 << QPoint(680, 6);
    // The minimise bar is centred in its 20 × 25 control.
    QTest::newRow("minimise") << QStringLiteral("Image10") << &TForm2::Image29 << &TForm2::Image30 << QPoint(666, 19);
}

void FrameTest::frameControlsTurnRedUnderThePointer()
{
    QFETCH(QString, control);
    QFETCH(StorePicture, normal);
    QFETCH(StorePicture, hovered);
    QFETCH(QPoint, drawnAt);
    Calculator calc;
    auto *image = calc.find<ui::Image>(qPrintable(control));
    const QImage grey = (calc.store().*normal).picture().toImage();
    const QImage red = (calc.store().*hovered).picture().toImage();
    const QColor ringRed(217, 9, 9);
    const QRect area = image->geometry();

    calc.enterWindow();
    QVERIFY(ShowsPicture(calc.grab(), drawnAt, grey));
    QVERIFY(!HasPixel(calc.grab(), area, ringRed));

    for (int round = 0; round < 2; ++round) {
        calc.pointAt(calc.centreOf(image));
        QCOMPARE(image->picture().toImage(), red);
        const QImage over = calc.grab();
        QVERIFY2(ShowsPicture(over, drawnAt, red), "the red picture is drawn");
        QVERIFY(HasPixel(over, area, ringRed));

        calc.pointAt(kBackground);
        QCOMPARE(image->picture().toImage(), grey);
        const QImage away = calc.grab();
        QVERIFY2(ShowsPicture(away, drawnAt, grey), "the grey picture is back");
        QVERIFY(!HasPixel(away, area, ringRed));
    }
}

void FrameTest::frameControlsHaveToolTips_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("tip");
    QTest::newRow("close") << QStringLiteral("Image8") << QStringLiteral("Закрыть");
    QTest::newRow("minimise") << QStringLiteral("Image10") << QStringLiteral("Свернуть");
}

void FrameTest::frameControlsHaveToolTips()
{
    QFETCH(QString, control);
    QFETCH(QString, tip);
    Calculator calc;
    QWidget *image = calc.find(qPrintable(control));
    calc.enterWindow();
    calc.pointAt(calc.centreOf(image));
    calc.pointAt(calc.centreOf(image) + QPoint(1, 0));
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 5000);
    QCOMPARE(QToolTip::text(), tip);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());

    // The background has none.
    calc.pointAt(kBackground);
    calc.pointAt(kBackground + QPoint(1, 0));
    QTest::qWait(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay) + 300);
    QVERIFY(!QToolTip::isVisible());
}

void FrameTest::minimiseAndRestoreKeepTheWindow()
{
    Calculator calc;
    TForm1 &form = calc.form();
    // Something to keep: the beam with a result.
    const worked::Result &beam = worked::Example(metal::pkBeam, true);
    calc.selectKind(metal::pkBeam);
    calc.typeFields(beam.fields);
    auto *result = calc.result();
    QCOMPARE(result->caption(), QString::fromUtf8(beam.shown));
    calc.pointAt(kBackground);
    const QPoint place = form.pos();
    const QRegion shape = form.mask();
    QImage before = calc.grab();

    calc.click(calc.find("Image10"));
    QTRY_VERIFY(form.isMinimized());

    form.showNormal();
    QTRY_VERIFY(!form.isMinimized());
    QVERIFY(form.isVisible());
    calc.pointAt(kBackground);
    QCOMPARE(form.pos(), place);
    QCOMPARE(form.mask(), shape);
    QCOMPARE(result->caption(), QString::fromUtf8(beam.shown));
    for (int row = 0; row < metal::kRowCount; ++row)
        QCOMPARE(calc.row(row)->text(), ToQString(beam.fields[static_cast<std::size_t>(row)]));
    // Everything looks as before, the frame controls aside (the pointer
    // crossed them).
    QImage after = calc.grab();
    QCOMPARE(after.size(), before.size());
    const QRect frameControls(650, 0, 58, 40);
    for (QImage *shot : {&before, &after})
        for (int y = frameControls.top(); y <= frameControls.bottom(); ++y)
            for (int x = frameControls.left(); x <= frameControls.right(); ++x)
                shot->setPixel(x, y, 0);
    QCOMPARE(after, before);
}

void FrameTest::closeEndsTheProgram()
{
    Calculator calc;
    QTimer::singleShot(0, &calc.form(), [&calc] {
        calc.enterWindow();
        calc.click(calc.find("Image8"));
    });
    // Should the click not end the loop, this does, with another code.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    const int code = QCoreApplication::exec();
    const bool guardFired = !guard.isActive();
    guard.stop();
    QVERIFY2(!guardFired, "the close control did not end the event loop");
    QCOMPARE(code, 0);
}

void FrameTest::linkAreasOpenTheSellersSite_data()
{
    QTest::addColumn<QPoint>("at");
    // The whole rectangle of each area takes clicks.
    QTest::newRow("name, middle") << QPoint(151, 556);
    QTest::newRow("name, top left") << QPoint(110, 548);
    QTest::newRow("name, bottom right") << QPoint(192, 564);
    QTest::newRow("logo, middle") << QPoint(624, 552);
    QTest::newRow("logo, top left") << QPoint(568, 535);
    QTest::newRow("logo, bottom right") << QPoint(679, 569);
}

void FrameTest::linkAreasOpenTheSellersSite()
{
    QFETCH(QPoint, at);
    Calculator calc;
    calc.enterWindow();
    const QImage before = calc.grab();
    calc.click(at);
    QCOMPARE(catcher_.urls, QList<QUrl>{QUrl(QStringLiteral(SELLER_URL))});
    QVERIFY(catcher_.urls.front().scheme().startsWith(QLatin1String("http")));
    // The window stays as it was.
    QCOMPARE(calc.grab(), before);
}

void FrameTest::restOfTheFooterIsBackground_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("just right of the name") << QPoint(193, 556);
    QTest::newRow("company name") << QPoint(260, 556);
    QTest::newRow("between name and logo") << QPoint(450, 550);
    QTest::newRow("right of the logo") << QPoint(681, 550);
}

void FrameTest::restOfTheFooterIsBackground()
{
    QFETCH(QPoint, at);
    Calculator calc;
    calc.click(calc.find("Label1"));
    QVERIFY(calc.find("Panel1")->isVisible());
    calc.click(at);
    QVERIFY(catcher_.urls.isEmpty());
    QVERIFY2(!calc.find("Panel1")->isVisible(), "a click on the background closes the material list");
}

void FrameTest::windowShapeLeavesTheCornersOut_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    // 708 × 581 (the background picture), corners rounded by 20 × 20 ellipses.
    QTest::newRow("top left corner") << QPoint(0, 0) << false;
    QTest::newRow("top left, 2 in") << QPoint(2, 2) << false;
    QTest::newRow("top right corner") << QPoint(707, 0) << false;
    QTest::newRow("top right, 2 in") << QPoint(705, 2) << false;
    QTest::newRow("bottom left corner") << QPoint(0, 580) << false;
    QTest::newRow("bottom right corner") << QPoint(707, 580) << false;
    QTest::newRow("bottom right, 2 in") << QPoint(705, 578) << false;
    QTest::newRow("top edge near the corner") << QPoint(2, 0) << false;
    QTest::newRow("left edge near the corner") << QPoint(0, 2) << false;
    QTest::newRow("top edge past the rounding") << QPoint(12, 0) << true;
    QTest::newRow("left edge past the rounding") << QPoint(0, 12) << true;
    QTest::newRow("inside the corner rounding") << QPoint(5, 5) << true;
    QTest::newRow("middle of the top edge") << QPoint(354, 0) << true;
    QTest::newRow("middle of the bottom edge") << QPoint(354, 580) << true;
    QTest::newRow("middle of the left edge") << QPoint(0, 290) << true;
    QTest::newRow("middle of the right edge") << QPoint(707, 290) << true;
    QTest::newRow("centre") << QPoint(354, 290) << true;
}

void FrameTest::windowShapeLeavesTheCornersOut()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    Calculator calc;
    QCOMPARE(calc.form().size(), QSize(708, 581));
    QCOMPARE(calc.form().mask().contains(point), inside);
    QCOMPARE(calc.form().mask().boundingRect(), QRect(0, 0, 708, 581));
}

QTEST_MAIN(FrameTest)
#include "tst_frame.moc"
