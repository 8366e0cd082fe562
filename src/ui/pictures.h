// Every picture of the program is embedded as a Qt resource and reached
// through these functions by its file name ("toggle-mass.png"). Each has a
// twin drawn at twice its size ("toggle-mass@2x.png") for screens whose
// device pixel ratio is above 1.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QStringView>

namespace ui {

// Decodes the picture, a twin marked with ratio 2; a null image if there is
// no picture of that name.
QImage PictureImage(QStringView name);
// The picture for a screen of the device pixel ratio: its twin above 1
// (marked with ratio 2, so it is drawn at the picture's own size), the
// picture itself otherwise. A picture the build stores composited over the
// colour it always lies on comes that way at ratio 1.
QPixmap Picture(QStringView name, qreal devicePixelRatio = 1);
// The same, but always with the picture's own transparency.
QPixmap PictureWithAlpha(QStringView name, qreal devicePixelRatio = 1);
// The name of the picture's twin: "toggle-mass@2x.png".
QString TwinName(QStringView name);
// The names of all embedded pictures, twins included.
QStringList PictureNames();

}  // namespace ui
