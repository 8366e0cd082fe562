// The colours and texts of the window's design that its behaviour uses at
// run time. The designed place, font and colour of each control are in its
// row of the layout table (layout.cpp); DesignedPlace gives a place to the
// code that moves a control from it.
#pragma once

#include "controls.h"

#include <QRect>
#include <QString>

namespace design {

// Profile menu items: dark grey, the selected one white, the one under the
// pointer on a light blue bar.
inline constexpr QRgb kMenuItem = ui::Bgr(5395026);
inline constexpr QRgb kSelectedItem = qRgb(255, 255, 255);
inline constexpr QRgb kHoveredItem = ui::Bgr(14013909);
// The material under the pointer in the list.
inline constexpr QRgb kListHover = ui::Bgr(14657103);
// The size list, in the material list's blue.
inline constexpr QRgb kSizeList = qRgb(146, 214, 255);
// A size in the list that its standard puts in brackets (not for new designs).
inline constexpr QRgb kNotForNewDesigns = qRgb(96, 110, 128);
// The result: a number in black, the error text in red.
inline constexpr QRgb kResultNumber = qRgb(0, 0, 0);
inline constexpr QRgb kResultError = ui::Bgr(255);
// The grey of the footer's year, of the line under the size box and of the
// line under the result that tells what the list holds.
inline constexpr QRgb kGreyText = ui::Bgr(7566195);

// The result before anything is computed, without its unit.
inline QString ZeroResult() { return QStringLiteral("0.00"); }
// The words of the mode toggle, by which screen readers name its zones: the
// left zone reads "Площадь" for the sheet.
inline QString LengthWord() { return QStringLiteral("Длина"); }
inline QString AreaWord() { return QStringLiteral("Площадь"); }
inline QString MassWord() { return QStringLiteral("Масса"); }
// The size box: its name for screen readers, and its text while the
// kind's own formula makes the result.
inline QString SizeWord() { return QStringLiteral("Типоразмер"); }
inline QString NoSizeText() { return QStringLiteral("по размерам"); }
// What screen readers add to a size the standard puts in brackets.
inline QString NotForNewDesignsText() { return QStringLiteral("не для новых проектов"); }

}  // namespace design

class TForm1;

// The place of a control as the window is designed (its row of the layout
// table): by the window's member (&TForm1::Edit1), or by the control.
template <class T> QRect DesignedPlace(T *TForm1::*control);
QRect DesignedPlace(const QWidget *control);
