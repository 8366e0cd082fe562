#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace ui {

namespace {

struct Face {
    const char *family;   // as the window's controls name it
    const char *shipped;  // the family of the embedded substitute
    const char *files[2];
};

// Arial Black and Trebuchet MS have no free metric-compatible clone; the
// Arial substitute in the weight the control asks for comes closest.
constexpr Face kFaces[] = {
    {"Tahoma", "Tahoma", {"tahoma.ttf", "tahomabd.ttf"}},
    {"Arial", "Liberation Sans", {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}},
    {"Arial Black", "Liberation Sans", {}},
    {"Trebuchet MS", "Liberation Sans", {}},
};

}  // namespace

void InstallFonts()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (const Face &face : kFaces) {
        const QString family = QString::fromLatin1(face.family);
        if (QFontDatabase::hasFamily(family))
            continue;
        const QString shipped = QString::fromLatin1(face.shipped);
        if (!QFontDatabase::hasFamily(shipped))
            for (const char *file : face.files)
                if (file)
                    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + QLatin1String(file));
        if (family != shipped)
            QFont::insertSubstitution(family, shipped);
    }
}

}  // namespace ui
