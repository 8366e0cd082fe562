// The PNG pictures that the build stores decoded must be the same pictures,
// pixel for pixel, and the window must show them where they lie.
#include "controls.h"
#include "packedpictures.h"
#include "pictures.h"

#include <QPainter>

#include <QTest>

// The PNG pictures drawn for a ratio of 1, not their twins.
QStringList OneTimesPngs()
{
    QStringList names = ui::PictureNames().filter(QStringLiteral(".png"));
    names.removeIf([](const QString &name) { return name.contains(QLatin1String("@2x")); });
    return names;
}

class PackedPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void everyPngIsPacked();
    void samePixelsAsThePng_data();
    void samePixelsAsThePng();
    void notCopied();
    void photosAreDecoded();
};

void PackedPicturesTest::everyPngIsPacked()
{
    QStringList packed, packedTwins;
    for (std::size_t i = 0; i < ui::kPackedPictureCount; ++i) {
        const QString name = QString::fromLatin1(ui::kPackedPictures[i].name);
        (name.contains(QLatin1String("@2x")) ? packedTwins : packed) << name;
    }
    const QStringList pngs = OneTimesPngs();
    QVERIFY(!pngs.isEmpty());
    for (const QString &name : pngs)
        QVERIFY2(packed.contains(name), qPrintable(name));
    QCOMPARE(packed.size(), pngs.size());
    // Of the twins only those of the first frame, which a scaled screen
    // shows at once; the others stay compressed until they are shown.
    for (const QString &twin : packedTwins)
        QVERIFY2(pngs.contains(QString(twin).remove(QLatin1String("@2x"))), qPrintable(twin));
    QVERIFY(packedTwins.contains(QLatin1String("background@2x.png")));
    QVERIFY(!packedTwins.contains(QLatin1String("kind-beam@2x.png")));
}

void PackedPicturesTest::samePixelsAsThePng_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : OneTimesPngs())
        QTest::newRow(qPrintable(name)) << name;
}

void PackedPicturesTest::samePixelsAsThePng()
{
    QFETCH(QString, name);
    QImage png = ui::PictureImage(name).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (name == QLatin1String("background.png")) {
        // The background always lies over the window's own fill: it is
        // stored as the window shows it.
        QImage shownOnWindow(png.size(), QImage::Format_ARGB32_Premultiplied);
        shownOnWindow.fill(QColor(ui::kButtonFace));
        QPainter painter(&shownOnWindow);
        painter.drawImage(0, 0, png);
        painter.end();
        png = shownOnWindow;
    }
    // An opaque picture may be shown without its alpha channel.
    const QImage shown = ui::Picture(name).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!png.isNull());
    QCOMPARE(shown.size(), png.size());
    QVERIFY(shown == png);
}

void PackedPicturesTest::notCopied()
{
    // The background is the largest picture: its pixels are used in place.
    const QPixmap background = ui::Picture(u"background.png");
    const QImage pixels = background.toImage();
    const uchar *block = ui::kPackedPixels;
    QCOMPARE(reinterpret_cast<quintptr>(block) % 64, quintptr(0));
    bool inBlock = false;
    for (std::size_t i = 0; i < ui::kPackedPictureCount; ++i)
        if (pixels.constBits() == block + ui::kPackedPictures[i].offset)
            inBlock = QLatin1String(ui::kPackedPictures[i].name) == QLatin1String("background.png");
    QVERIFY(inBlock);
}

void PackedPicturesTest::photosAreDecoded()
{
    // A JPEG is not packed: it is decoded from the embedded file.
    const QPixmap photo = ui::Picture(u"photo-pipe.jpg");
    QVERIFY(!photo.isNull());
    QCOMPARE(photo.toImage(), ui::PictureImage(u"photo-pipe.jpg").convertToFormat(photo.toImage().format()));
    QVERIFY(ui::Picture(u"no-such-picture.png").isNull());
}

QTEST_MAIN(PackedPicturesTest)
#include "tst_packedpictures.moc"
