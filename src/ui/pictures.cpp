#include "pictures.h"

#include "packedpictures.h"

#include <QDir>

namespace ui {

namespace {

QString ResourcePath(QStringView name) { return QStringLiteral(":/pictures/") + name.toString(); }

const PackedPicture *FindPacked(QStringView name)
{
    for (std::size_t i = 0; i < kPackedPictureCount; ++i)
        if (name == QLatin1String(kPackedPictures[i].name))
            return &kPackedPictures[i];
    return nullptr;
}

}  // namespace

QImage PictureImage(QStringView name) { return QImage(ResourcePath(name)); }

QString TwinName(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return name.left(dot).toString() + QStringLiteral("@2x") + name.mid(dot).toString();
}

QPixmap Picture(QStringView name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1)
        return PictureWithAlpha(name, devicePixelRatio);
    if (const PackedPicture *packed = FindPacked(name)) {
        // The pixels stay where the program holds them; nothing draws into
        // a picture, so they are never copied.
        QImage pixels(kPackedPixels + packed->offset, packed->width, packed->height, packed->bytesPerLine,
                      packed->opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        return QPixmap::fromImage(std::move(pixels), Qt::NoFormatConversion);
    }
    return QPixmap::fromImage(PictureImage(name));
}

QPixmap PictureWithAlpha(QStringView name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        QImage twin = PictureImage(TwinName(name));
        if (!twin.isNull()) {
            twin.setDevicePixelRatio(2);
            return QPixmap::fromImage(std::move(twin));
        }
    }
    return QPixmap::fromImage(PictureImage(name));
}

QStringList PictureNames() { return QDir(QStringLiteral(":/pictures")).entryList(QDir::Files, QDir::Name); }

}  // namespace ui
