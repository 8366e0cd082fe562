#include "fonts.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

#include <cstring>

namespace ui {

namespace {

struct Face {
    const char *name;     // as the window's controls name it
    const char *shipped;  // the family of the embedded substitute
    const char *files[2];
    QString family;  // what stands for it on this machine
};

// Arial Black and Trebuchet MS have no free metric-compatible clone; the
// Arial substitute in the weight the control asks for comes closest.
Face faces[] = {
    {"Tahoma", "Tahoma", {"tahoma.ttf", "tahomabd.ttf"}, {}},
    {"Arial", "Liberation Sans", {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}, {}},
    {"Arial Black", "Liberation Sans", {}, {}},
    {"Trebuchet MS", "Liberation Sans", {}, {}},
};

}  // namespace

void InstallFonts()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QStringList families = QFontDatabase::families();
    for (Face &face : faces) {
        face.family = QString::fromLatin1(face.name);
        if (families.contains(face.family, Qt::CaseInsensitive))
            continue;
        face.family = QString::fromLatin1(face.shipped);
        if (families.contains(face.family, Qt::CaseInsensitive))
            continue;
        for (const char *file : face.files) {
            if (!file)
                continue;
            // The font stays where the program holds it: no copy is made.
            const QResource font(QStringLiteral(":/fonts/") + QLatin1String(file));
            QFontDatabase::addApplicationFontFromData(
                QByteArray::fromRawData(reinterpret_cast<const char *>(font.data()), font.size()));
        }
        families.append(face.family);
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
