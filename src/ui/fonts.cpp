#include "fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

#include <cstring>

namespace ui {

namespace {

// A face shipped inside the program (assets/fonts/, tools/make-fonts).
struct Shipped {
    const char *family;
    const char *files[2];
    bool added;
};

Shipped tahoma{"Tahoma", {"tahoma.ttf", "tahomabd.ttf"}, false};
// Liberation Sans cut down to the characters the program writes, under a
// name of its own, as Liberation's licence asks of a changed font.
Shipped sans{"Metalcalc Sans", {"MetalcalcSans-Regular.ttf", "MetalcalcSans-Bold.ttf"}, false};

struct Face {
    const char *name;        // as the window's controls name it
    const char *substitute;  // an installed face with its metrics, if any
    Shipped *shipped;
    QString family;  // what stands for it on this machine
};

// Arial Black and Trebuchet MS have no free metric-compatible clone; the
// Arial substitute in the weight the control asks for comes closest.
Face faces[] = {
    {"Tahoma", "Tahoma", &tahoma, {}},
    {"Arial", "Liberation Sans", &sans, {}},
    {"Arial Black", "Liberation Sans", &sans, {}},
    {"Trebuchet MS", "Liberation Sans", &sans, {}},
};

}  // namespace

void InstallFonts()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    const QStringList families = QFontDatabase::families();
    const auto has = [&families](const char *family) {
        return families.contains(QLatin1String(family), Qt::CaseInsensitive);
    };
    for (Face &face : faces) {
        Shipped &shipped = *face.shipped;
        const char *systems = has(face.name) ? face.name : has(face.substitute) ? face.substitute : nullptr;
        face.family = QString::fromLatin1(systems ? systems : shipped.family);
        if (systems || shipped.added)
            continue;
        shipped.added = true;
        for (const char *file : shipped.files) {
            // The font stays where the program holds it: no copy is made.
            const QResource font(QStringLiteral(":/fonts/") + QLatin1String(file));
            QFontDatabase::addApplicationFontFromData(
                QByteArray::fromRawData(reinterpret_cast<const char *>(font.data()), font.size()));
        }
    }
}

QString FontFamily(const char *face)
{
    InstallFonts();
    for (const Face &known : faces)
        if (std::strcmp(known.name, face) == 0)
            return known.family;
    return QString::fromLatin1(face);
}

}  // namespace ui
