// The application icon: a pocket calculator seen from the front.
#include "painting.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

void key(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    // The key's shadow, its face and a light upper edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(r.translated(0, 1.2), 2.5, 2.5);
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setBrush(face);
    p.drawRoundedRect(r, 2.5, 2.5);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(r.left() + 2, r.top() + 0.5), QPointF(r.right() - 2, r.top() + 0.5));
}

// The sign on a key, drawn with strokes so that it stays sharp at this size.
void sign(QPainter &p, const QRectF &r, QChar which, const QColor &colour)
{
    const QPointF c = r.center();
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(colour);
    const qreal s = 3.2;
    switch (which.unicode()) {
    case '+':
        p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        p.drawLine(c + QPointF(0, -s), c + QPointF(0, s));
        break;
    case '-':
        p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        break;
    case 'x':
        p.drawLine(c + QPointF(-s * 0.75, -s * 0.75), c + QPointF(s * 0.75, s * 0.75));
        p.drawLine(c + QPointF(s * 0.75, -s * 0.75), c + QPointF(-s * 0.75, s * 0.75));
        break;
    case '/':
        p.drawLine(c + QPointF(-s, 0), c + QPointF(s, 0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(c + QPointF(0, -2.4), 1.0, 1.0);
        p.drawEllipse(c + QPointF(0, 2.4), 1.0, 1.0);
        break;
    case '=':
        p.drawLine(c + QPointF(-s, -1.6), c + QPointF(s, -1.6));
        p.drawLine(c + QPointF(-s, 1.6), c + QPointF(s, 1.6));
        break;
    default:
        break;
    }
}

}  // namespace

QImage drawIcon(const Fonts &fonts, int scale)
{
    QImage icon = canvas(128, 128, scale);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF body(20, 6, 88, 116);
    // A soft shadow under the body.
    for (int i = 6; i >= 1; --i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 10));
        p.drawRoundedRect(body.adjusted(-i * 0.6, i * 0.4, i * 0.6, i * 0.9), 12 + i, 12 + i);
    }
    QLinearGradient shell(body.topLeft(), body.bottomRight());
    shell.setColorAt(0, QColor(92, 100, 112));
    shell.setColorAt(1, QColor(44, 48, 56));
    p.setBrush(shell);
    p.setPen(QPen(QColor(30, 32, 38), 1));
    p.drawRoundedRect(body, 12, 12);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(1.5, 1.5, -1.5, -1.5), 10.5, 10.5);

    // The display in its dark bezel.
    const QRectF bezel(28, 14, 72, 28);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 30, 34));
    p.drawRoundedRect(bezel, 4, 4);
    const QRectF lcd = bezel.adjusted(3, 3, -3, -3);
    QLinearGradient glass(lcd.topLeft(), lcd.bottomLeft());
    glass.setColorAt(0, QColor(196, 214, 176));
    glass.setColorAt(1, QColor(160, 182, 140));
    p.setBrush(glass);
    p.drawRoundedRect(lcd, 2, 2);
    QFont digits = pixelFont(fonts.condensedBold, 17, true);
    p.setFont(digits);
    p.setPen(QColor(40, 52, 36));
    p.drawText(lcd.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("128.5"));

    // Four columns of keys in five rows; the right column holds the signs,
    // the last key is the orange equals.
    const qreal left = 28, top = 48, kw = 15, kh = 10.5, gapX = 4, gapY = 3.5;
    const QString signs = QStringLiteral("/x-+=");
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF r(left + col * (kw + gapX), top + row * (kh + gapY), kw, kh);
            if (col == 3) {
                if (row == 4)
                    key(p, r, QColor(255, 176, 60), QColor(236, 120, 0));
                else
                    key(p, r, QColor(150, 156, 166), QColor(112, 118, 128));
                sign(p, r, signs.at(row), Qt::white);
            } else if (row == 0) {
                key(p, r, QColor(226, 96, 80), QColor(188, 58, 44));
            } else {
                key(p, r, QColor(238, 240, 242), QColor(200, 204, 210));
            }
        }
    }
    // Digit marks on the light keys: small dark dots keep them readable at 16 px.
    QFont keyFont = pixelFont(fonts.sansBold, 8, true);
    p.setFont(keyFont);
    const QStringList labels = {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("4"),
                                QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("1"), QStringLiteral("2"),
                                QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("."), QStringLiteral("C")};
    for (int row = 1; row < 5; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF r(left + col * (kw + gapX), top + row * (kh + gapY), kw, kh);
            p.setPen(QColor(60, 64, 72));
            p.drawText(r, Qt::AlignCenter, labels.at((row - 1) * 3 + col));
        }
    }
    p.setPen(Qt::white);
    for (int col = 0; col < 3; ++col) {
        const QRectF r(left + col * (kw + gapX), top, kw, kh);
        p.drawText(r, Qt::AlignCenter, QStringList{"M+", "M-", "%"}.at(col));
    }
    return icon;
}
