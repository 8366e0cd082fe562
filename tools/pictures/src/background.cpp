// The main window's background: title band, material band, the light grey work
// area with a faint drawing of pipes and fittings, and the seller's footer.
#include "painting.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <vector>

namespace {

const QColor kOutline(187, 187, 187);
const QColor kWork(241, 241, 241);
const QColor kLine(222, 222, 222);

// The faint pipework: outlines only, each part filled with the work area's
// grey first so that a part drawn later hides the lines beneath it.
class Pipework {
public:
    explicit Pipework(QPainter &painter) : p(painter)
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kLine, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(kWork);
    }

    // A run of straight pipe along axis-parallel legs, bent at every inner
    // point with the given centre-line radius.
    void run(const std::vector<QPointF> &axis, qreal d, qreal bend)
    {
        const qreal r = d / 2;
        for (size_t i = 0; i + 1 < axis.size(); ++i) {
            QPointF a = axis[i], b = axis[i + 1];
            const QPointF dir = unit(b - a);
            if (i > 0)
                a += dir * bend;
            if (i + 2 < axis.size())
                b -= dir * bend;
            const QPointF n(-dir.y(), dir.x());
            QPolygonF body({a + n * r, b + n * r, b - n * r, a - n * r});
            p.setPen(Qt::NoPen);
            p.drawPolygon(body);
            p.setPen(QPen(kLine, 1));
            p.drawLine(a + n * r, b + n * r);
            p.drawLine(a - n * r, b - n * r);
        }
        for (size_t i = 1; i + 1 < axis.size(); ++i)
            elbow(axis[i - 1], axis[i], axis[i + 1], d, bend);
    }

    // A bolted flange pair across the pipe at the point, for a pipe of diameter d.
    void flange(QPointF at, bool horizontalPipe, qreal d)
    {
        const qreal across = d + 12, thick = 4;
        for (int side : {-1, 1}) {
            QRectF plate = horizontalPipe
                               ? QRectF(at.x() + (side < 0 ? -thick - 0.5 : 0.5), at.y() - across / 2, thick, across)
                               : QRectF(at.x() - across / 2, at.y() + (side < 0 ? -thick - 0.5 : 0.5), across, thick);
            p.drawRect(plate);
        }
        // Bolt heads sticking out beyond the plates.
        for (int side : {-1, 1}) {
            const qreal off = side * (across / 2 - 2.5);
            QRectF bolt = horizontalPipe ? QRectF(at.x() - 7, at.y() + off - 1.5, 14, 3)
                                         : QRectF(at.x() + off - 1.5, at.y() - 7, 3, 14);
            p.drawRect(bolt);
        }
    }

    // A gate valve: two cones meeting in the body, a bonnet, the stem and the
    // hand wheel seen from the side.
    void valve(QPointF at, bool horizontalPipe, qreal d, int wheelSide)
    {
        const qreal len = d * 1.6, half = d / 2 + 4;
        QTransform t;
        t.translate(at.x(), at.y());
        if (!horizontalPipe)
            t.rotate(90);
        if (wheelSide > 0)
            t.scale(1, -1);
        QPolygonF body({{-len, -half}, {0, -3}, {len, -half}, {len, half}, {0, 3}, {-len, half}});
        p.drawPolygon(t.map(body));
        p.drawPolygon(t.map(QPolygonF(QRectF(-len - 3, -half - 2, 3, 2 * half + 4))));
        p.drawPolygon(t.map(QPolygonF(QRectF(len, -half - 2, 3, 2 * half + 4))));
        p.drawPolygon(t.map(QPolygonF(QRectF(-6, -half - 10, 12, 10))));            // bonnet
        p.drawPolygon(t.map(QPolygonF(QRectF(-1.5, -half - 24, 3, 14))));           // stem
        p.drawPolygon(t.map(QPolygonF(QRectF(-d * 0.9, -half - 28, d * 1.8, 4))));  // wheel
        p.drawPolygon(t.map(QPolygonF(QRectF(-3, -half - 30, 6, 8))));              // wheel hub
    }

    // A pressure gauge on a short stem above or below a horizontal pipe.
    void gauge(QPointF pipeTop, qreal stem, qreal radius)
    {
        p.drawRect(QRectF(pipeTop.x() - 2, pipeTop.y() - stem, 4, stem));
        p.drawRect(QRectF(pipeTop.x() - 4, pipeTop.y() - stem + 2, 8, 5));
        const QPointF centre(pipeTop.x(), pipeTop.y() - stem - radius);
        p.drawEllipse(centre, radius, radius);
        p.drawEllipse(centre, radius - 3, radius - 3);
        p.setBrush(Qt::NoBrush);
        for (int tick = 0; tick <= 8; ++tick) {
            const qreal a = (225 - tick * 33.75) * M_PI / 180;
            const QPointF dir(std::cos(a), -std::sin(a));
            p.drawLine(centre + dir * (radius - 6), centre + dir * (radius - 4));
        }
        const qreal needle = 60 * M_PI / 180;
        p.drawLine(centre, centre + QPointF(std::cos(needle), -std::sin(needle)) * (radius - 6));
        p.setBrush(kWork);
    }

    // A concentric reducer from diameter d1 to d2 along a horizontal pipe.
    void reducer(QPointF from, qreal length, qreal d1, qreal d2)
    {
        p.drawPolygon(QPolygonF({from + QPointF(0, -d1 / 2), from + QPointF(length, -d2 / 2),
                                 from + QPointF(length, d2 / 2), from + QPointF(0, d1 / 2)}));
    }

    // A closed end: a domed cap over the pipe's end.
    void cap(QPointF end, QPointF direction, qreal d)
    {
        const QPointF dir = unit(direction);
        const QPointF n(-dir.y(), dir.x());
        QPainterPath path;
        path.moveTo(end + n * (d / 2 + 1));
        path.lineTo(end + n * (d / 2 + 1) + dir * 4);
        path.cubicTo(end + n * (d / 2 + 1) + dir * 10, end - n * (d / 2 + 1) + dir * 10,
                     end - n * (d / 2 + 1) + dir * 4);
        path.lineTo(end - n * (d / 2 + 1));
        path.closeSubpath();
        p.drawPath(path);
    }

private:
    static QPointF unit(QPointF v)
    {
        const qreal len = std::hypot(v.x(), v.y());
        return v / len;
    }

    void elbow(QPointF prev, QPointF corner, QPointF next, qreal d, qreal bend)
    {
        const QPointF in = unit(corner - prev), out = unit(next - corner);
        // The centre of the bend lies bend away from the corner along both legs.
        const QPointF centre = corner - in * bend + out * bend;
        const qreal r = d / 2;
        const auto angleOf = [](QPointF v) { return std::atan2(-v.y(), v.x()) * 180 / M_PI; };
        const qreal start = angleOf(corner - in * bend - centre);
        const qreal end = angleOf(corner + out * bend - centre);
        qreal sweep = end - start;
        while (sweep > 180)
            sweep -= 360;
        while (sweep < -180)
            sweep += 360;
        QPainterPath ring;
        const QRectF outer(centre.x() - bend - r, centre.y() - bend - r, 2 * (bend + r), 2 * (bend + r));
        const QRectF inner(centre.x() - bend + r, centre.y() - bend + r, 2 * (bend - r), 2 * (bend - r));
        ring.arcMoveTo(outer, start);
        ring.arcTo(outer, start, sweep);
        ring.arcTo(inner, start + sweep, -sweep);
        ring.closeSubpath();
        p.setPen(Qt::NoPen);
        p.drawPath(ring);
        p.setPen(QPen(kLine, 1));
        p.setBrush(Qt::NoBrush);
        QPainterPath outerArc, innerArc;
        outerArc.arcMoveTo(outer, start);
        outerArc.arcTo(outer, start, sweep);
        innerArc.arcMoveTo(inner, start);
        innerArc.arcTo(inner, start, sweep);
        p.drawPath(outerArc);
        p.drawPath(innerArc);
        // The welds where the bend meets the straight legs.
        p.drawLine(corner - in * bend + QPointF(-in.y(), in.x()) * r,
                   corner - in * bend - QPointF(-in.y(), in.x()) * r);
        p.drawLine(corner + out * bend + QPointF(-out.y(), out.x()) * r,
                   corner + out * bend - QPointF(-out.y(), out.x()) * r);
        p.setBrush(kWork);
    }

    QPainter &p;
};

void drawPipework(QPainter &painter)
{
    painter.save();
    painter.setClipRect(QRect(1, 117, 706, 410));
    Pipework w(painter);

    // A branch from the header down the gap right of the menu, along the
    // bottom of the work area and up again beside the result box.
    w.run({{252, 136}, {252, 516}, {700, 516}, {700, 300}}, 14, 16);
    w.flange({252, 196}, false, 14);
    w.valve({252, 262}, false, 14, 1);
    w.flange({252, 330}, false, 14);
    w.flange({420, 516}, true, 14);
    w.cap({700, 300}, {0, -1}, 14);

    // A smaller line across the space between the title and the result box.
    w.run({{693, 318}, {505, 318}, {505, 250}}, 10, 12);
    w.gauge({548, 313}, 10, 13);
    w.valve({618, 318}, true, 10, -1);
    w.cap({505, 250}, {0, -1}, 10);

    // The header along the top of the work area, with a reducer and flanges.
    w.run({{-20, 136}, {560, 136}}, 18, 0);
    w.reducer({560, 136}, 18, 18, 12);
    w.run({{578, 136}, {728, 136}}, 12, 0);
    w.flange({120, 136}, true, 18);
    w.flange({380, 136}, true, 18);
    w.flange({500, 136}, true, 18);
    w.flange({660, 136}, true, 12);
    // The tee where the branch leaves the header.
    painter.drawRect(QRectF(243, 145, 18, 4));

    // A short stub with a cap in the left margin under the menu's foot.
    w.run({{-20, 516}, {200, 516}}, 14, 0);
    w.cap({200, 516}, {1, 0}, 14);
    w.flange({80, 516}, true, 14);
    painter.restore();
}

void drawFooter(QPainter &p, const Fonts &fonts)
{
    // The seller's name, blue and underlined like a link.
    const QColor link(0, 142, 195);
    fillTextInk(p, pixelFont(fonts.sans, 13), QStringLiteral("МеталлДемо"), QRectF(110, 550, 78, 12), link);
    p.fillRect(110, 562, 78, 1, link);

    // The company name in grey, on the name's baseline.
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont company = pixelFont(fonts.sans, 12);
    p.setFont(company);
    p.setPen(QColor(118, 118, 118));
    p.drawText(200, 560, QStringLiteral("ООО «МеталлДемо» — металлопрокат и металлоизделия"));

    // The logo: a blue tile with a white I-section, and the word mark.
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient tile(0, 542, 0, 561);
    tile.setColorAt(0, QColor(40, 170, 220));
    tile.setColorAt(1, QColor(0, 120, 175));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(574, 542, 19, 19), 3.5, 3.5);
    p.setBrush(Qt::white);
    QPainterPath beam;
    beam.addRect(QRectF(578, 546, 11, 2.5));
    beam.addRect(QRectF(578, 554.5, 11, 2.5));
    beam.addRect(QRectF(582.2, 547, 2.6, 9));
    beam.setFillRule(Qt::WindingFill);
    p.drawPath(beam);
    const QFont mark = pixelFont(fonts.condensedBold, 14, true);
    const QRectF markBox(598, 546, 79, 11);
    const QPainterPath word = fittedTextPath(mark, QStringLiteral("МЕТАЛЛДЕМО"), markBox);
    // The first six letters dark, the last four orange.
    p.setBrush(QColor(64, 64, 64));
    p.save();
    p.setClipRect(QRectF(markBox.left(), 540, 0.585 * markBox.width(), 24));
    p.drawPath(word);
    p.restore();
    p.setBrush(QColor(255, 150, 0));
    p.save();
    p.setClipRect(QRectF(markBox.left() + 0.585 * markBox.width(), 540, markBox.width(), 24));
    p.drawPath(word);
    p.restore();
}

}  // namespace

QImage drawBackground(const Fonts &fonts, int scale)
{
    const int w = 708, h = 581;
    QImage image = canvas(w, h, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath shape;
    shape.addRoundedRect(QRectF(0, 0, w, h), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.setClipPath(shape);

    // The work area between the material band and the footer.
    p.fillRect(0, 117, w, 410, kWork);
    drawPipework(p);
    // The rules under the title band and under the material band.
    p.fillRect(0, 46, w, 1, kOutline);
    p.fillRect(0, 116, w, 1, QColor(219, 219, 219));
    // The lower edge, shading down into the outline.
    p.fillRect(0, 578, w, 1, QColor(222, 222, 222));
    p.fillRect(0, 579, w, 1, QColor(204, 204, 204));
    p.setClipping(false);

    p.setPen(QPen(kOutline, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 9.5, 9.5);

    // The title and the material caption.
    fillTextInk(p, pixelFont(fonts.serif, 24), QStringLiteral("Калькулятор металлопроката"), QRectF(205, 15, 299, 21),
                Qt::black);
    fillTextInk(p, pixelFont(fonts.sansBold, 14, true), QStringLiteral("Материал"), QRectF(22, 75, 68, 13),
                QColor(81, 81, 81));

    drawFooter(p, fonts);
    return image;
}
