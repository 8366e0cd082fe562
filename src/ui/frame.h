// The window on the desktop (frame.cpp): where it opens and how it is
// shaped.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the window opens on a screen: centred in the area the desktop
// leaves free, or at its top-left corner when the window does not fit.
QPoint PlaceOnScreen(QSize window, const QRect &available);

// Whether the desktop blends windows with what lies beneath them: on
// Wayland always, on X11 when a compositing manager runs.
bool DesktopComposites();
