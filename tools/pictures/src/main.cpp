// draw-pictures: writes every picture of the program.
//
//   draw-pictures --out DIR [--renders DIR]
//
// The flat pictures are drawn here; with --renders, the POV-Ray renders of the
// cross-sections (kind-*.png) and of the photos (photo-*.png) found in that
// folder are finished and written too.
#include "painting.h"
#include "pictures.h"

#include <QCommandLineParser>
#include <QDir>
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

bool write(const QDir &out, const QString &name, const QImage &image)
{
    if (image.isNull() || !savePng(image, out.filePath(name))) {
        std::fprintf(stderr, "draw-pictures: cannot write %s\n", qPrintable(name));
        return false;
    }
    return true;
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
    ok &= write(out, "background.png", drawBackground(fonts));
    ok &= write(out, "icon.png", drawIcon(fonts));
    ok &= write(out, "material-box.png", drawMaterialBox());
    ok &= write(out, "material-list.png", drawMaterialList());
    ok &= write(out, "menu-highlight.png", drawMenuHighlight());
    ok &= write(out, "preview-pointer.png", drawPreviewPointer());
    const QString length = QStringLiteral("Длина"), mass = QStringLiteral("Масса"), area = QStringLiteral("Площадь");
    ok &= write(out, "toggle-length.png", drawToggle(fonts, length, mass, true, false));
    ok &= write(out, "toggle-mass.png", drawToggle(fonts, length, mass, false, false));
    ok &= write(out, "toggle-sheet-mass.png", drawToggle(fonts, area, mass, false, true));
    ok &= write(out, "toggle-sheet-area.png", drawToggle(fonts, area, mass, true, true));
    ok &= write(out, "result-box.png", drawResultBox(102, 49));
    ok &= write(out, "result-box-area.png", drawResultBox(120, 67));
    ok &= write(out, "close.png", drawClose(false));
    ok &= write(out, "close-hover.png", drawClose(true));
    ok &= write(out, "minimise.png", drawMinimise(false));
    ok &= write(out, "minimise-hover.png", drawMinimise(true));

    if (parser.isSet("renders")) {
        const QDir renders(parser.value("renders"));
        for (const Rendered &r : kSections) {
            const QString file = QString::fromLatin1(r.name) + ".png";
            const QImage section = finishSection(QImage(renders.filePath(file)), r.width, r.height);
            if (section.isNull()) {
                std::fprintf(stderr, "draw-pictures: render %s missing or of the wrong size\n", qPrintable(file));
                ok = false;
                continue;
            }
            ok &= write(out, file, section);
        }
        for (const Rendered &r : kPhotos) {
            const QString source = QString::fromLatin1(r.name) + ".png";
            const QString target = QString::fromLatin1(r.name) + ".jpg";
            const QImage photo = finishPhoto(QImage(renders.filePath(source)), r.width, r.height);
            QImageWriter writer(out.filePath(target), "JPEG");
            writer.setQuality(92);
            writer.setOptimizedWrite(true);
            if (photo.isNull() || !writer.write(photo)) {
                std::fprintf(stderr, "draw-pictures: cannot make %s\n", qPrintable(target));
                ok = false;
            }
        }
    }
    return ok ? 0 : 1;
}
