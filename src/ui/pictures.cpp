#include "pictures.h"

#include <QDir>

namespace ui {

namespace {
QString ResourcePath(QStringView name) { return QStringLiteral(":/pictures/") + name.toString(); }
}  // namespace

QImage PictureImage(QStringView name) { return QImage(ResourcePath(name)); }

QPixmap Picture(QStringView name) { return QPixmap::fromImage(PictureImage(name)); }

QStringList PictureNames() { return QDir(QStringLiteral(":/pictures")).entryList(QDir::Files, QDir::Name); }

}  // namespace ui
