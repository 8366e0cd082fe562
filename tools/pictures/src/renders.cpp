// Finishing the POV-Ray renders: the cross-sections keep their alpha, the
// photos become opaque.
#include "painting.h"
#include "pictures.h"

#include <QPainter>

QImage finishSection(const QImage &render, int width, int height)
{
    if (render.isNull() || render.width() % width != 0 || render.height() % height != 0 ||
        render.width() / width != render.height() / height)
        return {};
    QImage straight = render.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Renders may be made at a multiple of the size; averaging the premultiplied
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
    return out;
}

QImage finishPhoto(const QImage &render, int width, int height)
{
    if (render.isNull() || render.width() % width != 0 || render.height() % height != 0 ||
        render.width() / width != render.height() / height)
        return {};
    // A photo has no transparency: whatever the render left open is white ground.
    QImage photo(render.size(), QImage::Format_RGB32);
    photo.fill(Qt::white);
    {
        QPainter p(&photo);
        p.drawImage(0, 0, render);
    }
    if (photo.width() != width)
        photo = photo.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return photo.convertToFormat(QImage::Format_RGB888);
}
