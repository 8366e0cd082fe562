// The application icon in the sizes a desktop asks for, and the Windows icon
// file. From 96 px up the icon is the full drawing of icon.cpp at a finer
// grid; the smaller ones are drawn on whole pixels for their size: the body,
// the display and a grid of keys, with digits on the display from 24 px and
// lit key edges and a shadow from 48 px.
#include "painting.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

// Where the parts of a small icon lie, in whole pixels.
struct SmallIcon {
    int size;
    QRect body;         // the outer edge of the one-pixel outline
    int radius;         // of the body's corners
    QRect bezel;        // the dark frame around the display; empty: none
    QRect glass;        // the display
    int digitHeight;    // of the display's seven-segment digits; 0: none
    const char *shown;  // the display's text
    QPoint keys;        // top-left of the key grid
    int columns, rows;  // of the key grid
    int keyWidth, keyHeight, gapX, gapY;
    bool lit;  // lit key tops, shadows under the keys and the body
};

constexpr SmallIcon kSmallIcons[] = {
    {16, {2, 0, 12, 16}, 2, {}, {4, 2, 8, 3}, 0, "", {4, 6}, 3, 3, 2, 2, 1, 1, false},
    {22, {2, 0, 18, 22}, 3, {4, 2, 14, 6}, {5, 3, 12, 4}, 0, "", {4, 9}, 4, 4, 2, 2, 2, 1, false},
    {24, {3, 0, 18, 24}, 3, {5, 2, 14, 8}, {6, 3, 12, 6}, 5, "12", {5, 11}, 4, 4, 2, 2, 2, 1, false},
    {32, {4, 0, 24, 32}, 4, {6, 2, 20, 9}, {7, 3, 18, 7}, 5, "128", {7, 12}, 4, 4, 3, 3, 2, 2, false},
    {48, {7, 2, 34, 44}, 5, {10, 5, 28, 13}, {12, 7, 24, 9}, 7, "128.5", {11, 20}, 4, 5, 5, 3, 2, 2, true},
    {64, {10, 3, 44, 58}, 6, {14, 7, 36, 13}, {16, 9, 32, 9}, 7, "128.5", {14, 23}, 4, 5, 6, 5, 4, 2, true},
};

// The colours of the full drawing.
const QColor kOutline(30, 32, 38);
const QColor kBezel(28, 30, 34);
const QColor kDigits(40, 52, 36);

// A key's face: its colour at the top and at the bottom.
struct KeyColours {
    QColor top, bottom;
};

KeyColours keyColours(int row, int column, int rows, int columns)
{
    if (row == rows - 1 && column == columns - 1)
        return {QColor(255, 176, 60), QColor(236, 120, 0)};  // equals
    if (column == columns - 1)
        return {QColor(150, 156, 166), QColor(112, 118, 128)};  // signs
    if (row == 0 && rows >= 4)
        return {QColor(226, 96, 80), QColor(188, 58, 44)};  // memory and per cent
    return {QColor(238, 240, 242), QColor(200, 204, 210)};  // digits
}

// A seven-segment digit of the given height (odd, at least 5) in strokes one
// pixel wide; returns its width.
int segmentDigit(QPainter &p, QPoint at, int height, char digit, const QColor &colour)
{
    const int width = (height + 1) / 2;
    const int middle = height / 2, bottom = height - 1, right = width - 1;
    // Segments a..g: top, upper right, lower right, bottom, lower left, upper left, middle.
    static const char *const lit[] = {"abcdef", "bc",     "abged", "abgcd",   "fgbc",
                                      "afgcd",  "afgedc", "abc",   "abcdefg", "abcdfg"};
    const char *segments = lit[digit - '0'];
    const auto on = [&](char s) { return std::strchr(segments, s) != nullptr; };
    const auto row = [&](int y) { p.fillRect(at.x(), at.y() + y, width, 1, colour); };
    const auto column = [&](int x, int from, int to) {
        p.fillRect(at.x() + x, at.y() + from, 1, to - from + 1, colour);
    };
    if (on('a'))
        row(0);
    if (on('g'))
        row(middle);
    if (on('d'))
        row(bottom);
    if (on('f'))
        column(0, 0, middle);
    if (on('b'))
        column(right, 0, middle);
    if (on('e'))
        column(0, middle, bottom);
    if (on('c'))
        column(right, middle, bottom);
    return width;
}

// The width of a text in seven-segment digits with one pixel between them.
int segmentWidth(const char *text, int height)
{
    int width = -1;
    for (const char *c = text; *c; ++c)
        width += (*c == '.' ? 1 : (height + 1) / 2) + 1;
    return std::max(0, width);
}

QImage drawSmallIcon(const SmallIcon &l)
{
    QImage icon = canvas(l.size, l.size);
    QPainter p(&icon);
    p.setPen(Qt::NoPen);

    if (l.lit) {
        // A soft shadow on the two rows under the body.
        const QRect b = l.body;
        p.fillRect(b.left() + l.radius / 2, b.bottom() + 1, b.width() - l.radius, 1, QColor(0, 0, 0, 70));
        p.fillRect(b.left() + l.radius, b.bottom() + 2, b.width() - 2 * l.radius, 1, QColor(0, 0, 0, 28));
    }

    // The body: the outline, then the shell inside it, both rounded and
    // smoothed only in the corners, the straight edges lying on whole pixels.
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(kOutline);
    p.drawRoundedRect(QRectF(l.body), l.radius, l.radius);
    QLinearGradient shell(l.body.topLeft(), l.body.bottomRight());
    shell.setColorAt(0, QColor(92, 100, 112));
    shell.setColorAt(1, QColor(44, 48, 56));
    p.setBrush(shell);
    p.drawRoundedRect(QRectF(l.body.adjusted(1, 1, -1, -1)), l.radius - 1, l.radius - 1);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (l.size >= 24) {
        // The light along the top edge of the shell.
        p.fillRect(l.body.left() + l.radius, l.body.top() + 1, l.body.width() - 2 * l.radius, 1,
                   QColor(255, 255, 255, 50));
    }

    // The display.
    if (!l.bezel.isEmpty())
        p.fillRect(l.bezel, kBezel);
    QLinearGradient glass(l.glass.topLeft(), l.glass.bottomLeft());
    glass.setColorAt(0, QColor(196, 214, 176));
    glass.setColorAt(1, QColor(160, 182, 140));
    p.fillRect(l.glass, glass);
    if (l.digitHeight > 0) {
        const int h = l.digitHeight;
        const int pad = l.glass.height() > h + 2 ? 2 : 1;
        int x = l.glass.right() - pad + 1 - segmentWidth(l.shown, h);
        const int y = l.glass.top() + (l.glass.height() - h + 1) / 2;
        for (const char *c = l.shown; *c; ++c) {
            if (*c == '.') {
                p.fillRect(x, y + h - 1, 1, 1, kDigits);
                x += 2;
            } else {
                x += segmentDigit(p, QPoint(x, y), h, *c, kDigits) + 1;
            }
        }
    }

    // The keys: one colour per row of pixels, from the face's top colour to
    // its bottom colour.
    for (int row = 0; row < l.rows; ++row) {
        for (int column = 0; column < l.columns; ++column) {
            const QRect key(l.keys.x() + column * (l.keyWidth + l.gapX), l.keys.y() + row * (l.keyHeight + l.gapY),
                            l.keyWidth, l.keyHeight);
            const KeyColours c = keyColours(row, column, l.rows, l.columns);
            if (l.lit)
                p.fillRect(key.translated(0, 1), QColor(0, 0, 0, 90));
            for (int y = 0; y < l.keyHeight; ++y) {
                const qreal t = l.keyHeight == 1 ? 0 : qreal(y) / (l.keyHeight - 1);
                p.fillRect(key.left(), key.top() + y, l.keyWidth, 1, mix(c.top, c.bottom, t));
            }
            if (l.lit)
                p.fillRect(key.left(), key.top(), l.keyWidth, 1, mix(c.top, Qt::white, 0.35));
        }
    }
    return icon;
}

}  // namespace

QImage drawIconForSize(const Fonts &fonts, int size)
{
    for (const SmallIcon &l : kSmallIcons)
        if (l.size == size)
            return drawSmallIcon(l);
    if (size % 128 == 0)
        return drawIcon(fonts, size / 128);
    return {};
}

QByteArray windowsIcon(const QList<QPair<int, QByteArray>> &pngs)
{
    // ICONDIR (reserved, type 1 = icon, count) and one ICONDIRENTRY per
    // picture (width and height, 0 meaning 256; no palette; one plane; 32
    // bits per pixel; the size of the data and where it starts), then the
    // pictures, each a whole PNG file, in the order of the entries. Every
    // number is little-endian.
    QByteArray ico;
    const auto put16 = [&ico](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        ico.append(b, 2);
    };
    const auto put32 = [&ico](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        ico.append(b, 4);
    };
    put16(0);
    put16(1);
    put16(quint16(pngs.size()));
    quint32 offset = 6 + 16 * quint32(pngs.size());
    for (const auto &[size, png] : pngs) {
        ico.append(char(size >= 256 ? 0 : size));
        ico.append(char(size >= 256 ? 0 : size));
        ico.append(char(0));
        ico.append(char(0));
        put16(1);
        put16(32);
        put32(quint32(png.size()));
        put32(offset);
        offset += quint32(png.size());
    }
    for (const auto &entry : pngs)
        ico.append(entry.second);
    return ico;
}
