// Small drawing helpers shared by the flat pictures.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

// The free faces that the pictures use, loaded from Debian's font files so
// that the result does not depend on what fontconfig would pick.
struct Fonts {
    QString serif;          // Liberation Serif
    QString sans;           // Liberation Sans
    QString sansBold;       // Liberation Sans Bold
    QString condensedBold;  // DejaVu Sans Condensed Bold
};

// Loads the font files; returns false (and names the missing file) if one is absent.
bool loadFonts(Fonts &fonts, QString *missing);

QFont pixelFont(const QString &family, qreal pixelSize, bool bold = false);

// A transparent canvas to paint on in the picture's own pixels, width x height
// of them; at scale 2 the image has twice as many pixels each way and every
// drawing lands on the finer grid.
QImage canvas(int width, int height, int scale = 1);

// Sets the painter to fill smoothed shapes with no outline.
void fillSmoothly(QPainter &p);

// The image with straight (not premultiplied) alpha, the same on every machine.
QImage straightAlpha(const QImage &image);

// Writes an 8-bit RGBA PNG (colour type 6), whatever the image's format, with
// 96 pixels per inch times the image's scale.
bool savePng(const QImage &image, const QString &path);

// The outline of a text set in one line, its origin on the baseline.
QPainterPath textPath(const QFont &font, const QString &text, qreal letterSpacing = 0);

// Fills the text so that its ink (the outlines themselves, not the line box)
// spans exactly the box: the size comes from the box height, the letter
// spacing makes up the width, a last small scale corrects what is left.
void fillTextInk(QPainter &painter, const QFont &font, const QString &text, const QRectF &box, const QColor &colour);

// The path of a text fitted to the box as fillTextInk draws it.
QPainterPath fittedTextPath(const QFont &font, const QString &text, const QRectF &box);

// Linear mix of two colours, t in 0..1.
QColor mix(const QColor &a, const QColor &b, qreal t);
