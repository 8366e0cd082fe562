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
// The items of the material list and of the size list, dark blue.
inline constexpr QRgb kListText = ui::Bgr(8017250);
// The grey of the footer's year, of the line under the size box, of the
// size list's headings and of the line under the result that tells what
// the list holds.
inline constexpr QRgb kGreyText = ui::Bgr(7566195);
// The size list, in the material list's blue.
inline constexpr QRgb kSizeList = qRgb(146, 214, 255);
// The size list (Panel4): under its search line, the list of sizes in rows
// of one height; a heading (a standard and its series) in small grey
// letters, a size bold in the lists' dark blue and set in further, the
// highlighted one on the material list's hover colour.
inline constexpr QRect kSizeListPlace{2, 26, 246, 204};  // in the panel
inline constexpr int kSizeRowHeight = 16;
struct SizeRowLook {
    int pixels;
    bool bold;
    QRgb colour;
    int indent;  // of the text, from the row's left
};
inline constexpr int kSizeTextEnd = 4;  // the text's end, before the row's right
inline constexpr SizeRowLook kSizeHeading{11, false, kGreyText, 4};
inline constexpr SizeRowLook kSizeItem{12, true, kListText, 12};
// A size in the list that its standard puts in brackets (not for new designs).
inline constexpr QRgb kNotForNewDesigns = qRgb(96, 110, 128);
// The result: a number in black, the error text in red.
inline constexpr QRgb kResultNumber = qRgb(0, 0, 0);
inline constexpr QRgb kResultError = ui::Bgr(255);

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
// The box's text: the chosen designation, or NoSizeText, after two spaces.
inline QString SizeBoxText(const QString &shown) { return QStringLiteral("  ") + shown; }
// The size list's search line, before and after a size is typed.
inline QString SearchLine(const QString &typed)
{
    return typed.isEmpty() ? QStringLiteral("Поиск: наберите размер") : QStringLiteral("Поиск: ") + typed;
}
// A standard and what follows it: a heading of the size list ("ГОСТ 26020-83
// · Б"), the line under the box ("ГОСТ 26020-83 · 22.4 кг/м", "ГОСТ
// 19903-74 · толщина 3.0 мм").
inline QString StandardAnd(const QString &standard, const QString &what)
{
    return standard + QStringLiteral(" · ") + what;
}
inline QString MassPerMetreText(const QString &mass) { return mass + QStringLiteral(" кг/м"); }
inline QString ThicknessText(const QString &thickness)
{
    return QStringLiteral("толщина ") + thickness + QStringLiteral(" мм");
}
// What screen readers add to a size the standard puts in brackets.
inline QString NotForNewDesignsText() { return QStringLiteral("не для новых проектов"); }

}  // namespace design

class TForm1;

// The place of a control as the window is designed (its row of the layout
// table): by the window's member (&TForm1::Edit1), or by the control.
template <class T> QRect DesignedPlace(T *TForm1::*control);
QRect DesignedPlace(const QWidget *control);
