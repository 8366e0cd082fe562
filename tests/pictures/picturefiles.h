// The picture files as the picture tests read them: each picture as the
// program embeds it and its @2x twin from the source tree's assets/, and the
// check of what a place of a picture must show, at both scales. Needs
// ASSETS_DIR, the source tree's assets/ folder.
#pragma once

#include "pictures.h"
#include "windowfixture.h"

#include <QFile>
#include <QImage>
#include <QtTest>

#include <cstdlib>
#include <span>

// The twin of a picture at the scale: name.png at 1, name@2x.png at 2.
inline QString ScaledName(const QString &name, int scale)
{
    if (scale == 1)
        return name;
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + QStringLiteral("@%1x").arg(scale) + name.mid(dot);
}

// A file of the source tree's assets/ folder.
inline QByteArray AssetBytes(const QString &path)
{
    QFile file(QStringLiteral(ASSETS_DIR "/") + path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The picture's file: at scale 1 as the program embeds it, at scale 2 from
// the source tree's assets/pictures/.
inline QByteArray FileBytes(const QString &name, int scale = 1)
{
    if (scale != 1)
        return AssetBytes(QStringLiteral("pictures/") + ScaledName(name, scale));
    QFile file(QStringLiteral(":/pictures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline QImage LoadPicture(const QString &name, int scale = 1)
{
    const QImage image = scale == 1 ? ui::PictureImage(name) : QImage::fromData(FileBytes(name, scale));
    return image.convertToFormat(QImage::Format_ARGB32);
}

inline QRect Scaled(const QRect &r, int scale)
{
    return QRect(r.left() * scale, r.top() * scale, r.width() * scale, r.height() * scale);
}

inline quint32 BigEndian32(const QByteArray &bytes, int at)
{
    return (quint32(quint8(bytes[at])) << 24) | (quint32(quint8(bytes[at + 1])) << 16) |
           (quint32(quint8(bytes[at + 2])) << 8) | quint32(quint8(bytes[at + 3]));
}

// What kind of pixel a place must show.
enum class Look {
    Exact,  // the given colour and opacity, within the tolerance
    Clear,  // fully transparent
    Metal,  // opaque, neutral grey, neither black nor white
};
Q_DECLARE_METATYPE(Look)

// The table of places, for a test's _data function: every place is checked
// in the picture and, at twice its coordinates, in its @2x twin.
inline void AddPlaceColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<Look>("look");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("tolerance");
}

inline void AddPlace(const QByteArray &row, const char *name, QPoint at, Look look, QColor colour = QColor(),
                     int tolerance = 0)
{
    for (const int scale : {1, 2})
        QTest::newRow((scale == 1 ? row : row + " @2x").constData())
            << QString::fromLatin1(name) << scale << at << look << colour << tolerance;
}

// A place in the given colour and opacity, within the tolerance.
inline void AddExact(const QByteArray &row, const char *name, QPoint at, QColor colour, int tolerance = 0)
{
    AddPlace(row, name, at, Look::Exact, colour, tolerance);
}

// A place of a picture and what it looks like there.
struct Place {
    const char *row;
    QPoint at;
    Look look;
    QColor colour{};  // Look::Exact: the colour and opacity, within the tolerance
    int tolerance = 0;
};
// The places of one picture, as rows of the table.
inline void AddPlaces(const char *name, std::span<const Place> places)
{
    for (const Place &place : places)
        AddPlace(place.row, name, place.at, place.look, place.colour, place.tolerance);
}

// The check of one row of the table.
inline void CheckPlace()
{
    QFETCH(QString, name);
    QFETCH(int, scale);
    QFETCH(QPoint, at);
    QFETCH(Look, look);
    QFETCH(QColor, colour);
    QFETCH(int, tolerance);

    const QImage image = LoadPicture(name, scale);
    QVERIFY(image.rect().contains(at * scale));
    const QRgb p = image.pixel(at * scale);
    const QString seen = DescribePixel(p);
    switch (look) {
    case Look::Exact: {
        const bool close =
            std::abs(qRed(p) - colour.red()) <= tolerance && std::abs(qGreen(p) - colour.green()) <= tolerance &&
            std::abs(qBlue(p) - colour.blue()) <= tolerance && std::abs(qAlpha(p) - colour.alpha()) <= tolerance;
        QVERIFY2(close, qPrintable(seen + " instead of " + DescribePixel(colour.rgba())));
        break;
    }
    case Look::Clear:
        QVERIFY2(qAlpha(p) == 0, qPrintable(seen + " instead of transparent"));
        break;
    case Look::Metal: {
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        const bool metal = qAlpha(p) == 255 && std::abs(r - g) <= 14 && std::abs(g - b) <= 14 && r >= 50 && r <= 235;
        QVERIFY2(metal, qPrintable(seen + " instead of opaque grey metal"));
        break;
    }
    }
}
