// The small pictures of the window's controls: material box and list, menu
// highlight, preview pointer, mode switches, result panels, close and minimise.
#include "painting.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

const QColor kListBlue(146, 214, 255);
const QColor kListBorder(79, 166, 223);

// A rectangle with separately rounded corners (radius 0 for a square corner).
QPainterPath roundedCorners(const QRectF &r, qreal topLeft, qreal topRight, qreal bottomRight, qreal bottomLeft)
{
    QPainterPath path;
    path.moveTo(r.left() + topLeft, r.top());
    path.lineTo(r.right() - topRight, r.top());
    if (topRight > 0)
        path.arcTo(QRectF(r.right() - 2 * topRight, r.top(), 2 * topRight, 2 * topRight), 90, -90);
    path.lineTo(r.right(), r.bottom() - bottomRight);
    if (bottomRight > 0)
        path.arcTo(QRectF(r.right() - 2 * bottomRight, r.bottom() - 2 * bottomRight, 2 * bottomRight, 2 * bottomRight),
                   0, -90);
    path.lineTo(r.left() + bottomLeft, r.bottom());
    if (bottomLeft > 0)
        path.arcTo(QRectF(r.left(), r.bottom() - 2 * bottomLeft, 2 * bottomLeft, 2 * bottomLeft), 270, -90);
    path.lineTo(r.left(), r.top() + topLeft);
    if (topLeft > 0)
        path.arcTo(QRectF(r.left(), r.top(), 2 * topLeft, 2 * topLeft), 180, -90);
    path.closeSubpath();
    return path;
}

}  // namespace

QImage drawMaterialBox(int scale)
{
    const int w = 175, h = 35;
    // The shading, one colour per row of the stored picture, so that the top
    // row and the lowest quarter carry their colours exactly; one texel of it
    // is one pixel of the stored picture.
    const int sw = w * scale, sh = h * scale;
    QImage shade = canvas(sw, sh);
    {
        QPainter p(&shade);
        const QColor top = kListBlue, bottom = kListBorder;
        for (int row = 0; row < sh; ++row)
            p.fillRect(0, row, sw, 1, mix(top, bottom, std::min(1.0, row / double(scale) / 26.0)));
        // The divider in front of the arrow.
        p.fillRect(140 * scale, 0, scale, sh, QColor(81, 164, 220));
        // The arrow: 10 px wide at row 15, narrowing by a pixel at each end
        // on every row of the stored picture below, to a point 2 px wide.
        for (int i = 0; i < 5 * scale; ++i)
            p.fillRect(155 * scale + i, 15 * scale + i, 10 * scale - 2 * i, 1, Qt::white);
    }
    QImage box = canvas(w, h, scale);
    QPainter p(&box);
    fillSmoothly(p);
    QBrush brush(shade);
    brush.setTransform(QTransform::fromScale(1.0 / scale, 1.0 / scale));
    p.setBrush(brush);
    p.drawRoundedRect(QRectF(0, 0, w, h), 5, 5);
    return box;
}

QImage drawMaterialList(int scale)
{
    const int w = 175, h = 181;
    QImage list = canvas(w, h, scale);
    QPainter p(&list);
    fillSmoothly(p);
    p.setBrush(kListBorder);
    p.drawPath(roundedCorners(QRectF(0, 0, w, h), 0, 0, 6, 6));
    p.setBrush(kListBlue);
    p.drawPath(roundedCorners(QRectF(1, 1, w - 2, h - 2), 0, 0, 5, 5));
    return list;
}

QImage drawMenuHighlight(int scale)
{
    QImage bar = canvas(190, 35, scale);
    QPainter p(&bar);
    fillSmoothly(p);
    // The faint frame: one pixel around the bar and along its point.
    QPolygonF frame({{0, 0}, {182.5, 0}, {191, 16}, {191, 19}, {182.5, 35}, {0, 35}});
    p.setBrush(QColor(238, 238, 238, 31));
    p.drawPolygon(frame);
    // The bar covers rows 1..33 from column 1; its straight part ends at
    // column 181 and its point reaches column 189 in rows 16..18.
    QPolygonF orange({{1, 1}, {182, 1}, {190, 16}, {190, 19}, {182, 34}, {1, 34}});
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setBrush(QColor(255, 150, 0));
    p.drawPolygon(orange);
    return bar;
}

QImage drawPreviewPointer(int scale)
{
    QImage pointer = canvas(8, 14, scale);
    QPainter p(&pointer);
    fillSmoothly(p);
    // A faint shadow one pixel below the lower edge.
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawPolygon(QPolygonF({{7, 2}, {8, 2}, {8, 14}, {7, 14}, {2.4, 8.4}}));
    // The white triangle: its tip in column 2 of rows 6 and 7, its base along
    // column 7 from row 1 to row 12.
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{7, 1}, {8, 1}, {8, 13}, {7, 13}, {2, 7}}));
    return pointer;
}

QImage drawToggle(const Fonts &fonts, const QString &left, const QString &right, bool leftActive, bool wide, int scale)
{
    const int w = wide ? 141 : 122, h = 35;
    const int border = wide ? 80 : 60;  // first column of the four-pixel border
    QImage toggle = canvas(w, h, scale);
    QPainter p(&toggle);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF leftRect(0.5, 0.5, border - 0.5, h - 1);
    const QRectF rightRect(border + 4, 0.5, w - border - 4.5, h - 1);

    const auto segment = [&](const QRectF &r, bool first, bool active) {
        const QPainterPath shape = first ? roundedCorners(r, 6, 0, 0, 6) : roundedCorners(r, 0, 6, 6, 0);
        QLinearGradient fill(0, 0, 0, h);
        QColor edge;
        if (active) {
            fill.setColorAt(0, QColor(134, 204, 74));
            fill.setColorAt(0.5, QColor(104, 182, 46));
            fill.setColorAt(1, QColor(72, 150, 26));
            edge = QColor(58, 124, 20);
        } else {
            fill.setColorAt(0, QColor(118, 118, 118));
            fill.setColorAt(1, QColor(82, 82, 82));
            edge = QColor(66, 66, 66);
        }
        p.setPen(QPen(edge, 1));
        p.setBrush(fill);
        p.drawPath(shape);
        // A soft light line under the top edge.
        p.setPen(QPen(QColor(255, 255, 255, active ? 70 : 45), 1));
        p.drawLine(QPointF(r.left() + (first ? 5 : 1), r.top() + 1.5),
                   QPointF(r.right() - (first ? 1 : 5), r.top() + 1.5));
    };
    segment(leftRect, true, leftActive);
    segment(rightRect, false, !leftActive);
    // The border between the segments.
    p.fillRect(border, 0, 4, h, Qt::white);

    QFont font = pixelFont(fonts.sansBold, 13, true);
    p.setFont(font);
    const QFontMetrics metrics(font);
    const int baseline = 22;
    const auto word = [&](const QString &text, int from, int to, bool active) {
        const int width = metrics.horizontalAdvance(text);
        const int x = from + (to - from - width) / 2;
        if (active) {
            p.setPen(QColor(30, 80, 0, 120));
            p.drawText(x, baseline + 1, text);
        } else {
            p.setPen(QColor(20, 20, 20, 110));
            p.drawText(x, baseline + 1, text);
        }
        p.setPen(Qt::white);
        p.drawText(x, baseline, text);
        if (!active) {
            // The dashed underline: two pixels on, two off, on row 27.
            for (int c = x; c < x + width - 1; c += 4)
                p.fillRect(c, 27, 2, 1, QColor(235, 235, 235));
        }
    };
    word(left, wide ? 2 : 0, border, leftActive);
    word(right, border + 4, w, !leftActive);
    return toggle;
}

QImage drawResultBox(int height, int valueTop, int scale)
{
    const int w = 169;
    QImage box = canvas(w, height, scale);
    QPainter p(&box);
    p.setRenderHint(QPainter::Antialiasing);
    // The panel: pale yellow with a thin darker edge and a soft inner light.
    p.setPen(QPen(QColor(222, 210, 118), 1));
    p.setBrush(QColor(255, 253, 188));
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, height - 1), 8, 8);
    p.setPen(QPen(QColor(255, 255, 230, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, w - 3, height - 3), 7, 7);
    p.setRenderHint(QPainter::Antialiasing, false);
    // The white value box with its one-pixel grey frame, columns 21..147.
    const QRect frame(21, valueTop, 127, 32);
    p.fillRect(frame, QColor(179, 179, 179));
    p.fillRect(frame.adjusted(1, 1, -1, -1), Qt::white);
    return box;
}

QImage drawClose(bool hover, int scale)
{
    const QColor ring = hover ? QColor(217, 9, 9) : QColor(166, 166, 166);
    const QColor cross = hover ? QColor(137, 6, 6) : QColor(92, 91, 90);
    QImage button = canvas(16, 16, scale);
    QPainter p(&button);
    fillSmoothly(p);
    p.setBrush(ring);
    p.drawEllipse(QPointF(8, 8), 8, 8);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 8), 5.9, 5.9);
    p.setPen(QPen(cross, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4.6, 4.6), QPointF(11.4, 11.4));
    p.drawLine(QPointF(11.4, 4.6), QPointF(4.6, 11.4));
    return button;
}

QImage drawMinimise(bool hover, int scale)
{
    QImage bar = canvas(8, 2, scale);
    bar.fill(hover ? QColor(217, 9, 9) : QColor(92, 91, 90));
    return bar;
}
