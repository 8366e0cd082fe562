#include "application.h"

#include "fonts.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace ui {

void PrepareApplication()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    InstallFonts();
}

}  // namespace ui
