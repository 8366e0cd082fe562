// The picture files: every picture the program embeds and every @2x twin in
// its format and size, the application icons in every size a desktop asks
// for, what the window's icon shows, and the Windows icon file.
#include "picturefiles.h"

#include <QtEndian>

class PictureFilesTest : public QObject {
    Q_OBJECT

private slots:
    void fileFormat_data();
    void fileFormat();
    void iconPixel_data();
    void iconPixel();
    void appIcon_data();
    void appIcon();
    void windowsIcon();
};

void PictureFilesTest::fileFormat_data()
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
        QTest::newRow(qPrintable(ScaledName(name, 2))) << name << 2 << 2 * p.width << 2 * p.height;
    }
}

void PictureFilesTest::fileFormat()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(int, width);
    QFETCH(int, height);

    if (scale == 1)
        QVERIFY2(ui::PictureNames().contains(name), qPrintable(name + " is not embedded"));
    const QByteArray bytes = FileBytes(name, scale);
    QVERIFY2(bytes.size() > 30, qPrintable(ScaledName(name, scale) + " is missing"));
    const QImage image = scale == 1 ? ui::PictureImage(name) : QImage::fromData(bytes);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(width, height));

    if (name.endsWith(QLatin1String(".png"))) {
        QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(bytes.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(BigEndian32(bytes, 16), quint32(width));
        QCOMPARE(BigEndian32(bytes, 20), quint32(height));
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

void PictureFilesTest::iconPixel_data()
{
    AddPlaceColumns();
    // The icon: a calculator on a transparent ground.
    const char *icon = "icon.png";
    const Place iconPlaces[] = {
        {"icon corner top left", {0, 0}, Look::Clear},
        {"icon corner bottom right", {127, 127}, Look::Clear},
        {"icon left margin", {5, 64}, Look::Clear},
        {"icon body", {64, 64}, Look::Exact, QColor(70, 76, 86), 20},
        {"icon body top", {64, 9}, Look::Exact, QColor(82, 89, 100), 20},
        {"icon display glass", {34, 20}, Look::Exact, QColor(185, 205, 165), 16},
        {"icon display bezel", {30, 20}, Look::Exact, QColor(28, 30, 34), 12},
        {"icon equals key", {87, 112}, Look::Exact, QColor(245, 140, 30), 30},
    };
    AddPlaces(icon, iconPlaces);
}

void PictureFilesTest::iconPixel() { CheckPlace(); }

void PictureFilesTest::appIcon_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512})
        QTest::newRow(qPrintable(QStringLiteral("metalcalc-%1.png").arg(size))) << size;
}

void PictureFilesTest::appIcon()
{
    QFETCH(int, size);
    const QByteArray bytes = AssetBytes(QStringLiteral("icons/metalcalc-%1.png").arg(size));
    QVERIFY2(bytes.startsWith("\x89PNG\r\n\x1a\n"), "missing or not a PNG");
    QCOMPARE(BigEndian32(bytes, 16), quint32(size));
    QCOMPARE(BigEndian32(bytes, 20), quint32(size));
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
        QCOMPARE(icon, LoadPicture(QStringLiteral("icon.png")));
}

void PictureFilesTest::windowsIcon()
{
    const QByteArray ico = AssetBytes(QStringLiteral("icons/metalcalc.ico"));
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
        QCOMPARE(png, AssetBytes(QStringLiteral("icons/metalcalc-%1.png").arg(size)));
        QCOMPARE(QImage::fromData(png).size(), QSize(size, size));
        next = offset + length;
    }
    QCOMPARE(next, quint32(ico.size()));
}

QTEST_MAIN(PictureFilesTest)
#include "tst_picturefiles.moc"
