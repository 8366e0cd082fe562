// Every flat picture of the program, drawn with QPainter. Each one comes at
// scale 1 and at scale 2, its @2x twin: the same drawing, laid out in the same
// pixels of the picture, drawn on a grid twice as fine.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

struct Fonts;

// The main window's background, 708 x 581.
QImage drawBackground(const Fonts &fonts, int scale);

// The application icon: a pocket calculator, 128 x 128.
QImage drawIcon(const Fonts &fonts, int scale);

// The application icon drawn for a desktop's icon size (16 to 512 px): from
// 96 px up the full drawing, below it a plainer one on whole pixels, with
// fewer keys and no lettering at the smallest sizes.
QImage drawIconForSize(const Fonts &fonts, int size);

// A Windows icon file holding the given PNG files, each a square picture of
// its size in pixels (1 to 256).
QByteArray windowsIcon(const QList<QPair<int, QByteArray>> &pngs);

// The material box (175 x 35) and the list's background (175 x 181).
QImage drawMaterialBox(int scale);
QImage drawMaterialList(int scale);

// The orange bar behind the selected profile (190 x 35) and the preview's pointer (8 x 14).
QImage drawMenuHighlight(int scale);
QImage drawPreviewPointer(int scale);

// A mode switch of two segments. The narrow ones are 122 wide with the border
// between the segments at columns 60..63, the wide ones 141 wide with it at 80..83.
QImage drawToggle(const Fonts &fonts, const QString &left, const QString &right, bool leftActive, bool wide, int scale);

// The result panel with its white value box; the box's frame spans columns
// 21..147 and the rows from valueTop to valueTop + 31.
QImage drawResultBox(int height, int valueTop, int scale);

// The round close button (16 x 16) and the minimise bar (8 x 2), grey or red.
QImage drawClose(bool hover, int scale);
QImage drawMinimise(bool hover, int scale);

// Turns a POV-Ray render of a cross-section (with its alpha) into the final
// picture of the given size times the scale; returns a null image if the
// render is unusable.
QImage finishSection(const QImage &render, int width, int height, int scale);

// Turns a POV-Ray render of a product photo into the final opaque picture.
QImage finishPhoto(const QImage &render, int width, int height, int scale);
