// What the window's missing frame would give: dragging by the background,
// close and minimise, and the footer's links to the seller's web site.
#include "frame.h"

#include "mainunit.h"
#include "picunit.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QWindow>

#ifdef METALCALC_X11
#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace {

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// Where the desktop does not let a program place its own window (Wayland),
// the desktop moves it instead.
bool DesktopMovesWindows() { return OnWayland(); }

// Whether a compositing manager runs on X11: it owns the selection
// _NET_WM_CM_S0.
bool X11Composites()
{
#ifdef METALCALC_X11
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t *connection = x11->connection();
    static constexpr char kSelection[] = "_NET_WM_CM_S0";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof kSelection - 1, kSelection), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool running = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return running;
#else
    return false;
#endif
}

}  // namespace

bool DesktopComposites() { return OnWayland() || X11Composites(); }

QPoint PlaceOnScreen(QSize window, const QRect &available)
{
    // A screen too small for the window keeps its top, with the title, close
    // and minimise, in reach: the rest can be dragged into view.
    if (window.width() > available.width() || window.height() > available.height())
        return available.topLeft();
    return available.center() - QRect(QPoint(), window).center();
}

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
