#include "painting.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

QString addFont(const QString &file, QString *missing)
{
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0) {
        if (missing)
            *missing = file;
        return {};
    }
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

}  // namespace

bool loadFonts(Fonts &fonts, QString *missing)
{
    const QString liberation = QStringLiteral("/usr/share/fonts/truetype/liberation2/");
    const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    fonts.serif = addFont(liberation + "LiberationSerif-Regular.ttf", missing);
    fonts.sans = addFont(liberation + "LiberationSans-Regular.ttf", missing);
    fonts.sansBold = addFont(liberation + "LiberationSans-Bold.ttf", missing);
    fonts.condensedBold = addFont(dejavu + "DejaVuSansCondensed-Bold.ttf", missing);
    return !fonts.serif.isEmpty() && !fonts.sans.isEmpty() && !fonts.sansBold.isEmpty() &&
           !fonts.condensedBold.isEmpty();
}

QFont pixelFont(const QString &family, qreal pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    if (pixelSize != std::floor(pixelSize))
        font.setPointSizeF(pixelSize * 72.0 / 96.0);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setKerning(true);
    return font;
}

QImage canvas(int width, int height, int scale)
{
    // Drawn in the picture's own pixels, stored at the scale: a canvas of
    // scale 2 has twice as many pixels each way and 192 pixels per inch.
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.setDotsPerMeterX(3780 * scale);  // 96 pixels per inch at scale 1
    image.setDotsPerMeterY(3780 * scale);
    image.fill(Qt::transparent);
    return image;
}

void fillSmoothly(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
}

QImage straightAlpha(const QImage &image)
{
    // Qt's own conversion approximates the division by the alpha and rounds
    // the halves one way or the other depending on the processor; the exact
    // division gives the same file on every machine: the nearest whole value,
    // halves to even.
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage straight(premultiplied.size(), QImage::Format_ARGB32);
    straight.setDevicePixelRatio(image.devicePixelRatio());
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(premultiplied.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(straight.scanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            const uint alpha = qAlpha(from[x]);
            if (alpha == 0 || alpha == 255) {
                to[x] = alpha == 0 ? 0 : from[x];
                continue;
            }
            const auto channel = [alpha](uint value) {
                const uint twice = 2 * value * 255, below = twice / (2 * alpha), rest = twice % (2 * alpha);
                const bool up = rest > alpha || (rest == alpha && below % 2 == 1);
                return std::min(255u, below + (up ? 1 : 0));
            };
            to[x] = qRgba(channel(qRed(from[x])), channel(qGreen(from[x])), channel(qBlue(from[x])), alpha);
        }
    }
    return straight;
}

bool savePng(const QImage &image, const QString &path)
{
    // A fresh image carries none of the text chunks (render dates and the
    // like) that a loaded render brings, so the files come out the same on
    // every run.
    const QImage source = image.format() == QImage::Format_ARGB32 ? image : straightAlpha(image);
    QImage straight(source.size(), QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y)
        std::memcpy(straight.scanLine(y), source.constScanLine(y), source.bytesPerLine());
    const int dotsPerMeter = qRound(3780 * image.devicePixelRatio());
    straight.setDotsPerMeterX(dotsPerMeter);
    straight.setDotsPerMeterY(dotsPerMeter);
    return straight.save(path, "PNG");
}

QPainterPath textPath(const QFont &font, const QString &text, qreal letterSpacing)
{
    QFont spaced = font;
    spaced.setHintingPreference(QFont::PreferNoHinting);
    if (letterSpacing != 0)
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    QPainterPath path;
    path.addText(QPointF(0, 0), spaced, text);
    return path;
}

QPainterPath fittedTextPath(const QFont &font, const QString &text, const QRectF &box)
{
    // The ink height scales with the size, so two rounds of sizing are enough.
    QFont sized = font;
    qreal size = 100;
    for (int round = 0; round < 2; ++round) {
        sized.setPointSizeF(size * 72.0 / 96.0);
        const QRectF ink = textPath(sized, text).boundingRect();
        size *= box.height() / ink.height();
    }
    sized.setPointSizeF(size * 72.0 / 96.0);
    const int gaps = std::max<int>(1, text.size() - 1);
    qreal spacing = 0;
    for (int round = 0; round < 3; ++round) {
        const QRectF ink = textPath(sized, text, spacing).boundingRect();
        spacing += (box.width() - ink.width()) / gaps;
    }
    QPainterPath path = textPath(sized, text, spacing);
    const QRectF ink = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / ink.width(), box.height() / ink.height());
    fit.translate(-ink.left(), -ink.top());
    return fit.map(path);
}

void fillTextInk(QPainter &painter, const QFont &font, const QString &text, const QRectF &box, const QColor &colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(fittedTextPath(font, text, box));
    painter.restore();
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    const auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}
