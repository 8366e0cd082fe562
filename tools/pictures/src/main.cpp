// draw-pictures: writes every picture of the program and its @2x twin.
//
//   draw-pictures --out DIR [--icons DIR] [--renders DIR]
//
// The flat pictures are drawn here; with --icons, the application icon in
// every size a desktop asks for and a Windows icon file are written to that
// folder; with --renders, the POV-Ray renders of the cross-sections
// (kind-*.png) and of the photos (photo-*.png) found in that folder, each at
// twice its size and as name@2x at four times its size, are finished and
// written too.
#include "painting.h"
#include "pictures.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>

#include <cstdio>
#include <functional>

namespace {

struct Rendered {
    const char *name;  // file name without its extension
    int width;
    int height;
};

// The cross-sections, in the order of the profile kinds.
constexpr Rendered kSections[] = {
    {"kind-pipe", 191, 190},    {"kind-profile-pipe", 201, 150}, {"kind-square", 195, 195}, {"kind-round", 196, 196},
    {"kind-angle", 180, 180},   {"kind-sheet", 140, 185},        {"kind-strip", 245, 80},   {"kind-hexagon", 191, 165},
    {"kind-channel", 201, 112}, {"kind-beam", 140, 152},
};

// The preview photos, in the same order.
constexpr Rendered kPhotos[] = {
    {"photo-pipe", 108, 109},  {"photo-profile-pipe", 108, 109}, {"photo-square", 108, 109},
    {"photo-round", 108, 109}, {"photo-angle", 108, 109},        {"photo-sheet", 108, 81},
    {"photo-strip", 108, 108}, {"photo-hexagon", 108, 109},      {"photo-channel", 108, 109},
    {"photo-beam", 108, 109},
};

// The file name of a picture at the scale: name.png or name@2x.png.
QString scaled(const QString &name, int scale)
{
    if (scale == 1)
        return name;
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}

bool write(const QDir &out, const QString &name, const QImage &image)
{
    if (image.isNull() || !savePng(image, out.filePath(name))) {
        std::fprintf(stderr, "draw-pictures: cannot write %s\n", qPrintable(name));
        return false;
    }
    return true;
}

// The application icon in every size a desktop asks for, metalcalc-<size>.png,
// and the Windows icon file metalcalc.ico made of some of them.
bool writeIcons(const QDir &icons, const Fonts &fonts)
{
    if (!icons.mkpath(".")) {
        std::fprintf(stderr, "draw-pictures: cannot create %s\n", qPrintable(icons.path()));
        return false;
    }
    bool ok = true;
    QList<QPair<int, QByteArray>> entries;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString name = QStringLiteral("metalcalc-%1.png").arg(size);
        if (!write(icons, name, drawIconForSize(fonts, size))) {
            ok = false;
            continue;
        }
        if (size == 22 || size == 128 || size == 512)
            continue;  // the Windows icon takes the sizes its shell asks for
        QFile png(icons.filePath(name));
        if (png.open(QIODevice::ReadOnly))
            entries.append({size, png.readAll()});
    }
    QFile ico(icons.filePath(QStringLiteral("metalcalc.ico")));
    if (entries.size() != 6 || !ico.open(QIODevice::WriteOnly) || ico.write(windowsIcon(entries)) < 0) {
        std::fprintf(stderr, "draw-pictures: cannot write metalcalc.ico\n");
        ok = false;
    }
    return ok;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"out", "Folder to write the pictures to.", "dir"});
    parser.addOption({"icons", "Folder to write the application icons to.", "dir"});
    parser.addOption({"renders", "Folder with the POV-Ray renders.", "dir"});
    parser.process(app);
    if (!parser.isSet("out")) {
        std::fprintf(stderr, "draw-pictures: --out is required\n");
        return 2;
    }
    QDir out(parser.value("out"));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "draw-pictures: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    Fonts fonts;
    QString missing;
    if (!loadFonts(fonts, &missing)) {
        std::fprintf(stderr, "draw-pictures: cannot load the font %s\n", qPrintable(missing));
        return 1;
    }

    bool ok = true;
    const QString length = QStringLiteral("Длина"), mass = QStringLiteral("Масса"), area = QStringLiteral("Площадь");
    for (const int scale : {1, 2}) {
        const auto put = [&](const char *name, const QImage &image) {
            ok &= write(out, scaled(QString::fromLatin1(name), scale), image);
        };
        put("background.png", drawBackground(fonts, scale));
        put("icon.png", drawIcon(fonts, scale));
        put("material-box.png", drawMaterialBox(scale));
        put("material-list.png", drawMaterialList(scale));
        put("menu-highlight.png", drawMenuHighlight(scale));
        put("preview-pointer.png", drawPreviewPointer(scale));
        put("toggle-length.png", drawToggle(fonts, length, mass, true, false, scale));
        put("toggle-mass.png", drawToggle(fonts, length, mass, false, false, scale));
        put("toggle-sheet-mass.png", drawToggle(fonts, area, mass, false, true, scale));
        put("toggle-sheet-area.png", drawToggle(fonts, area, mass, true, true, scale));
        put("result-box.png", drawResultBox(102, 49, scale));
        put("result-box-area.png", drawResultBox(120, 67, scale));
        put("close.png", drawClose(false, scale));
        put("close-hover.png", drawClose(true, scale));
        put("minimise.png", drawMinimise(false, scale));
        put("minimise-hover.png", drawMinimise(true, scale));
    }

    if (parser.isSet("icons") && !writeIcons(QDir(parser.value("icons")), fonts))
        ok = false;

    if (parser.isSet("renders")) {
        const QDir renders(parser.value("renders"));
        for (const int scale : {1, 2}) {
            for (const Rendered &r : kSections) {
                const QString file = scaled(QString::fromLatin1(r.name) + ".png", scale);
                const QImage section = finishSection(QImage(renders.filePath(file)), r.width, r.height, scale);
                if (section.isNull()) {
                    std::fprintf(stderr, "draw-pictures: render %s missing or of the wrong size\n", qPrintable(file));
                    ok = false;
                    continue;
                }
                ok &= write(out, file, section);
            }
            for (const Rendered &r : kPhotos) {
                const QString source = scaled(QString::fromLatin1(r.name) + ".png", scale);
                const QString target = scaled(QString::fromLatin1(r.name) + ".jpg", scale);
                const QImage photo = finishPhoto(QImage(renders.filePath(source)), r.width, r.height, scale);
                QImageWriter writer(out.filePath(target), "JPEG");
                writer.setQuality(92);
                writer.setOptimizedWrite(true);
                if (photo.isNull() || !writer.write(photo)) {
                    std::fprintf(stderr, "draw-pictures: cannot make %s\n", qPrintable(target));
                    ok = false;
                }
            }
        }
    }
    return ok ? 0 : 1;
}
