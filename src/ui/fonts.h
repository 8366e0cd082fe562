#pragma once

namespace ui {

// Makes the window's faces available: Tahoma and Arial where the system has
// them, otherwise the metric-compatible substitutes shipped inside the
// program, so the layout is the same on every machine. Safe to call again.
void InstallFonts();

}  // namespace ui
