// Finishing the POV-Ray renders: the cross-sections keep their alpha, the
// photos become opaque.
#include "painting.h"
#include "pictures.h"

#include <QPainter>

namespace {

// A render of the picture at a whole multiple of its size, scale included.
bool fits(const QImage &render, int width, int height)
{
    return !render.isNull() && render.width() % width == 0 && render.height() % height == 0 &&
           render.width() / width == render.height() / height;
}

}  // namespace

QImage finishSection(const QImage &render, int width, int height, int scale)
{
    width *= scale;
    height *= scale;
    if (!fits(render, width, height))
        return {};
    QImage straight = render.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Renders are made at a multiple of the size; averaging the premultiplied
    // pixels gives clean edges against any background.
    if (straight.width() != width)
        straight = straight.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Pixels the ray tracer left nearly empty are made fully transparent, so
    // that there is no haze around the metal.
    QImage out = straightAlpha(straight);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (qAlpha(line[x]) < 3)
                line[x] = 0;
    }
    out.setDevicePixelRatio(scale);
    return out;
}

QImage finishPhoto(const QImage &render, int width, int height, int scale)
{
    width *= scale;
    height *= scale;
    if (!fits(render, width, height))
        return {};
    // A photo has no transparency: whatever the render left open is white
    // ground. The render is drawn pixel for pixel, whatever scale its file
    // name (name@2x.png) gave it when it was read.
    QImage source = render;
    source.setDevicePixelRatio(1);
    QImage photo(render.size(), QImage::Format_RGB32);
    photo.fill(Qt::white);
    {
        QPainter p(&photo);
        p.drawImage(0, 0, source);
    }
    if (photo.width() != width)
        photo = photo.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return photo.convertToFormat(QImage::Format_RGB888);
}
