// What the window's missing frame would give: dragging by the background,
// close and minimise, and the footer's links to the seller's web site.
#include "mainunit.h"
#include "picunit.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWindow>

namespace {

// Where the desktop does not let a program place its own window (Wayland),
// the desktop moves it instead.
bool DesktopMovesWindows() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace

void TForm1::Image1MouseDown(ui::Control *, Qt::MouseButton Button, QPoint pos)
{
    if (Button != Qt::LeftButton)
        return;
    if (DesktopMovesWindows()) {
        if (QWindow *window = windowHandle())
            window->startSystemMove();
        return;
    }
    Dragging = true;
    OldLeft = pos.x();
    OldTop = pos.y();
}

void TForm1::Image1MouseMove(ui::Control *, QPoint pos)
{
    // The point pressed stays under the pointer.
    if (Dragging)
        move(pos.x() + x() - OldLeft, pos.y() + y() - OldTop);
}

void TForm1::Image1MouseUp(ui::Control *, Qt::MouseButton, QPoint) { Dragging = false; }

void TForm1::Image8Click(ui::Control *) { QCoreApplication::quit(); }

void TForm1::Image8MouseEnter(ui::Control *) { Image8->setPicture(Form2->Image28.picture()); }

void TForm1::Image8MouseLeave(ui::Control *) { Image8->setPicture(Form2->Image27.picture()); }

void TForm1::Image10Click(ui::Control *) { showMinimized(); }

void TForm1::Image10MouseEnter(ui::Control *) { Image10->setPicture(Form2->Image30.picture()); }

void TForm1::Image10MouseLeave(ui::Control *) { Image10->setPicture(Form2->Image29.picture()); }

void TForm1::Image9Click(ui::Control *)
{
    // Whether the desktop can open it is not our concern.
    QDesktopServices::openUrl(QUrl(QStringLiteral(SELLER_URL)));
}
