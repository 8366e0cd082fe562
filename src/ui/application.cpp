#include "application.h"

#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>

namespace ui {

void PrepareApplication()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    InstallFonts();
    // What the window does not set (the tool tips) is in the window's font.
    QFont font(FontFamily("Tahoma"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

}  // namespace ui
