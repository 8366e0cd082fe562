#include "pictures.h"

#include "packedpictures.h"

#include <QDir>

namespace ui {

namespace {

QString ResourcePath(QStringView name) { return QStringLiteral(":/pictures/") + name.toString(); }

template <class Stored> const Stored *Find(QStringView name, const Stored *table, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (name == QLatin1String(table[i].name))
            return &table[i];
    return nullptr;
}

}  // namespace

QImage PictureImage(QStringView name)
{
    if (const StoredPicture *stored = Find(name, kStoredPictures, kStoredPictureCount)) {
        // A twin, drawn for a device pixel ratio of 2.
        QImage twin = QImage::fromData(QByteArrayView(kPackedPixels + stored->offset, qsizetype(stored->size)));
        twin.setDevicePixelRatio(2);
        return twin;
    }
    return QImage(ResourcePath(name));
}

QString TwinName(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return name.left(dot).toString() + QStringLiteral("@2x") + name.mid(dot).toString();
}

QPixmap Picture(QStringView name, qreal devicePixelRatio)
{
    const bool twin = devicePixelRatio > 1;
    if (const PackedPicture *packed =
            Find(twin ? QStringView(TwinName(name)) : name, kPackedPictures, kPackedPictureCount)) {
        // The pixels stay where the program holds them; nothing draws into
        // a picture, so they are never copied.
        QImage pixels(kPackedPixels + packed->offset, packed->width, packed->height, packed->bytesPerLine,
                      packed->opaque ? QImage::Format_RGB888 : QImage::Format_ARGB32_Premultiplied);
        pixels.setDevicePixelRatio(twin ? 2 : 1);
        return QPixmap::fromImage(std::move(pixels), Qt::NoFormatConversion);
    }
    return PictureWithAlpha(name, devicePixelRatio);
}

QPixmap PictureWithAlpha(QStringView name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        if (QImage twin = PictureImage(TwinName(name)); !twin.isNull())
            return QPixmap::fromImage(std::move(twin));
    }
    return QPixmap::fromImage(PictureImage(name));
}

QStringList PictureNames()
{
    QStringList names = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files, QDir::Name);
    for (std::size_t i = 0; i < kStoredPictureCount; ++i)
        names.append(QString::fromLatin1(kStoredPictures[i].name));
    names.sort();
    return names;
}

}  // namespace ui
