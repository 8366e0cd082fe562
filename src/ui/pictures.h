// Every picture of the program is embedded as a Qt resource and reached
// through these functions by its file name ("toggle-mass.png").
#pragma once

#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QStringView>

namespace ui {

// Decodes the picture; a null image if there is no picture of that name.
QImage PictureImage(QStringView name);
QPixmap Picture(QStringView name);
// The names of all embedded pictures.
QStringList PictureNames();

}  // namespace ui
