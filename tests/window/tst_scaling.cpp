// The window on the screens people have: its pictures drawn for the
// screen's pixels (this suite runs once as it is and once more with
// QT_SCALE_FACTOR=2), and where it opens on screens of every size.
#include "pictures.h"
#include "windowfixture.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QtTest>
// The offscreen platform takes its screens' sizes through its native
// interface.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformnativeinterface.h>

namespace {

qreal Ratio() { return qApp->devicePixelRatio(); }

// Gives the offscreen platform one screen of this place and size.
void SetScreen(const QRect &place)
{
    QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
    using SetConfiguration = void (*)(const QJsonObject &, QPlatformNativeInterface *);
    auto set = reinterpret_cast<SetConfiguration>(native->nativeResourceForIntegration("setConfiguration"));
    if (!set)
        qFatal("the platform takes no screen configuration");
    const QJsonObject screen{
        {"name", ""}, {"x", place.x()}, {"y", place.y()}, {"width", place.width()}, {"height", place.height()}};
    set(QJsonObject{{"screens", QJsonArray{screen}}}, native);
}

}  // namespace

class ScalingTest : public QObject {
    Q_OBJECT

private slots:
    void layoutStaysInItsPixels();
    void picturesAreDrawnForTheScreen();
    void titleIsNotEnlargedPixels();
    void opensWhereItCanBeReached_data();
    void opensWhereItCanBeReached();
};

void ScalingTest::layoutStaysInItsPixels()
{
    Calculator calc;
    QCOMPARE(calc.form().size(), QSize(708, 581));
    QCOMPARE(calc.find("Label32")->geometry(), QRect(536, 430, 129, 23));
    QCOMPARE(calc.grab().size(), QSize(708, 581) * Ratio());
}

void ScalingTest::picturesAreDrawnForTheScreen()
{
    Calculator calc;
    // At a ratio of 1 only the pictures themselves, above it their twins.
    const qreal drawnFor = Ratio() > 1 ? 2 : 1;
    for (const char *name : {"Image1", "Image2", "Image5", "Image6", "Image7", "Image8", "Image10"}) {
        const QPixmap &shown = calc.find<ui::Image>(name)->picture();
        QVERIFY2(!shown.isNull(), name);
        QCOMPARE(shown.devicePixelRatio(), drawnFor);
    }
    calc.click(calc.find("Label11"));  // the beam's drawing, taken from the store
    QCOMPARE(calc.find<ui::Image>("Image6")->picture().devicePixelRatio(), drawnFor);
    // The background keeps its place and size in the layout's pixels.
    QCOMPARE(calc.find<ui::Image>("Image1")->picture().deviceIndependentSize(), QSizeF(708, 581));
}

void ScalingTest::titleIsNotEnlargedPixels()
{
    if (Ratio() != 2)
        QSKIP("drawn at a ratio of 1");
    Calculator calc;
    // The title band of the background, where the window's title is
    // painted, shows the twin drawn for these pixels as it is: neither the
    // picture enlarged pixel by pixel nor smoothed up.
    const QImage shot = calc.grab().convertToFormat(QImage::Format_RGB32);
    const QImage twin = ui::PictureImage(ui::TwinName(u"background.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(twin.size(), QSize(708, 581) * 2);
    const QRect title(205 * 2, 15 * 2, (503 - 205) * 2, (35 - 15) * 2);
    QCOMPARE(shot.copy(title), twin.copy(title));
    // And that twin is no enlargement: its letter edges split the aligned
    // 2 × 2 blocks that an enlarged picture keeps whole.
    int split = 0;
    for (int y = title.top(); y < title.bottom(); y += 2)
        for (int x = title.left(); x < title.right(); x += 2) {
            const QRgb corner = twin.pixel(x, y);
            if (twin.pixel(x + 1, y) != corner || twin.pixel(x, y + 1) != corner || twin.pixel(x + 1, y + 1) != corner)
                ++split;
        }
    QVERIFY2(split > 200, qPrintable(QStringLiteral("%1 blocks split").arg(split)));
}

void ScalingTest::opensWhereItCanBeReached_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("opensAt");
    // The window is 708 × 581.
    QTest::addRow("roomy: centred") << QRect(0, 0, 1920, 1080) << QPoint(606, 249);
    QTest::addRow("just fits: centred") << QRect(0, 0, 708, 581) << QPoint(0, 0);
    QTest::addRow("a second screen: centred there") << QRect(1920, 100, 1280, 1024) << QPoint(2206, 321);
    QTest::addRow("too low: top left") << QRect(0, 0, 1280, 512) << QPoint(0, 0);
    QTest::addRow("too narrow: top left") << QRect(0, 0, 640, 900) << QPoint(0, 0);
    QTest::newRow("1920 × 1080 at 200 %") << QRect(200, 30, 960, 540) << QPoint(200, 30);
}

void ScalingTest::opensWhereItCanBeReached()
{
    if (Ratio() != 1)
        QSKIP("screens are given in the layout's pixels");
    QFETCH(QRect, screen);
    QFETCH(QPoint, opensAt);
    SetScreen(screen);
    const auto restore = qScopeGuard([] { SetScreen(QRect(0, 0, 800, 800)); });
    QTRY_COMPARE(QGuiApplication::primaryScreen()->availableGeometry(), screen);
    Calculator calc;
    QCOMPARE(calc.form().pos(), opensAt);
    QCOMPARE(calc.form().windowHandle()->position(), opensAt);
}

QTEST_MAIN(ScalingTest)
#include "tst_scaling.moc"
