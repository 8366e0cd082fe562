// picturepack: stores PNG pictures decoded, for embedding in the program.
//
//   picturepack <out.bin> <out.cpp> <picture.png>[@RRGGBB]... [--as-is <picture>...]
//
// Decoding a PNG costs about a hundred instructions a pixel, and the window
// shows some 700 000 pixels of PNG in its first frame. The program embeds
// every PNG also in this form: premultiplied ARGB32 rows, each picture
// 64-byte aligned in out.bin, which out.cpp includes with .incbin together
// with a table of names, places and sizes. The pixels are then used where
// they lie, read-only, without decoding or copying.
//
// A picture given with @RRGGBB always lies over that colour (the window's
// background picture over the window's own fill): it is stored composited
// over it, opaque, as RGB888 rows (each padded to four bytes): three bytes
// a pixel instead of four, and the window's largest picture is read in
// whole for the first frame. Qt draws it as fast as RGB32.
//
// The pictures after --as-is (the twins drawn for scaled screens) are stored
// as their files are, compressed, after all the pixels, in a second table:
// a program on an unscaled screen never touches them. Twins given before
// it are stored decoded, like the others.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr,
                     "usage: picturepack <out.bin> <out.cpp> <picture.png>[@RRGGBB]... [--as-is <picture>...]\n");
        return 2;
    }
    QFile bin(args[1]);
    if (!bin.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "picturepack: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    QString table;
    QTextStream rows(&table);
    QString stored;
    QTextStream storedRows(&stored);
    bool asIs = false;
    for (qsizetype i = 3; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--as-is")) {
            asIs = true;
            continue;
        }
        if (asIs) {
            QFile file(args[i]);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "picturepack: cannot read %s\n", qPrintable(args[i]));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            storedRows << "    {\"" << QFileInfo(args[i]).fileName() << "\", " << bin.pos() << ", " << bytes.size()
                       << "},\n";
            bin.write(bytes);
            continue;
        }
        // A colour to lie over is the last '@' and six hex digits: twins
        // have an '@' in their names too.
        const QRegularExpressionMatch over = QRegularExpression(QStringLiteral("@([0-9A-Fa-f]{6})$")).match(args[i]);
        const QString file = over.hasMatch() ? args[i].left(over.capturedStart()) : args[i];
        QImage picture(file);
        if (picture.isNull()) {
            std::fprintf(stderr, "picturepack: cannot read %s\n", qPrintable(file));
            return 1;
        }
        // Pixel for pixel: Qt marks a file named name@2x.png with ratio 2,
        // which would draw it at half its size below.
        picture.setDevicePixelRatio(1);
        const bool opaque = over.hasMatch();
        if (opaque) {
            QImage composited(picture.size(), QImage::Format_RGB32);
            composited.fill(QColor(u'#' + over.captured(1)));
            QPainter painter(&composited);
            painter.drawImage(0, 0, picture);
            painter.end();
            picture = composited.convertToFormat(QImage::Format_RGB888);
        } else {
            picture.convertTo(QImage::Format_ARGB32_Premultiplied);
        }
        const qint64 pixelBytes = qint64(picture.width()) * (opaque ? 3 : 4);
        const qint64 rowBytes = (pixelBytes + 3) / 4 * 4;
        const qint64 offset = bin.pos();
        for (int y = 0; y < picture.height(); ++y) {
            bin.write(reinterpret_cast<const char *>(picture.constScanLine(y)), pixelBytes);
            for (qint64 pad = pixelBytes; pad < rowBytes; ++pad)
                bin.putChar(0);
        }
        while (bin.pos() % 64)
            bin.putChar(0);
        rows << "    {\"" << QFileInfo(file).fileName() << "\", " << offset << ", " << picture.width() << ", "
             << picture.height() << ", " << rowBytes << ", " << (opaque ? "true" : "false") << "},\n";
    }
    bin.close();

    QFile cpp(args[2]);
    if (!cpp.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "picturepack: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    QTextStream out(&cpp);
    out << "// Written by picturepack; do not edit.\n"
        << "#include \"packedpictures.h\"\n\n"
        // A read-only data section in the object format of the program's
        // machine, which need not be this one. PE/COFF knows no .previous;
        // GCC writes top-level assembly right after its opening .text, so
        // going back to .text is going back.
        << "#if defined(_WIN32)\n"
        << "#define METALCALC_PIXELS_SECTION \".section .rdata$metalcalc_pictures,\\\"dr\\\"\\n\"\n"
        << "#define METALCALC_PREVIOUS_SECTION \".text\\n\"\n"
        << "#else\n"
        << "#define METALCALC_PIXELS_SECTION \".section .rodata.metalcalc_pictures,\\\"a\\\"\\n\"\n"
        << "#define METALCALC_PREVIOUS_SECTION \".previous\\n\"\n"
        << "#endif\n"
        << "asm(METALCALC_PIXELS_SECTION\n"
        << "    \".balign 64\\n\"\n"
        << "    \"metalcalc_packed_pixels:\\n\"\n"
        << "    \".incbin \\\"" << QFileInfo(args[1]).absoluteFilePath() << "\\\"\\n\"\n"
        << "    METALCALC_PREVIOUS_SECTION);\n"
        << "extern \"C\" const unsigned char metalcalc_packed_pixels[];\n\n"
        << "namespace ui {\n\n"
        << "const PackedPicture kPackedPictures[] = {\n"
        << table << "};\n"
        << "const std::size_t kPackedPictureCount = sizeof kPackedPictures / sizeof kPackedPictures[0];\n"
        << "const StoredPicture kStoredPictures[] = {\n"
        << stored << "    {nullptr, 0, 0}};\n"
        << "const std::size_t kStoredPictureCount = sizeof kStoredPictures / sizeof kStoredPictures[0] - 1;\n"
        << "const unsigned char *const kPackedPixels = metalcalc_packed_pixels;\n\n"
        << "}  // namespace ui\n";
    return 0;
}
