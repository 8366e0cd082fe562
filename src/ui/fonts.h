#pragma once

#include <QString>

namespace ui {

// Makes the window's faces available: Tahoma and Arial where the system has
// them, otherwise the metric-compatible substitutes shipped inside the
// program, so the layout is the same on every machine. Safe to call again.
void InstallFonts();

// The installed family that stands for a face the window names ("Arial"
// may be "Liberation Sans"). Controls ask for it directly: asking Qt for a
// family it lacks makes it consult fontconfig's aliases, which is slow.
QString FontFamily(const char *face);

}  // namespace ui
