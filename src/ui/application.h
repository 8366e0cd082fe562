#pragma once

namespace ui {

// The look that the window is drawn for, whatever the desktop's theme: the
// Fusion style with its light palette, and the window's fonts.
void PrepareApplication();

}  // namespace ui
