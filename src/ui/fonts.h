#pragma once

#include <QString>

namespace ui {

// Makes the window's faces available: Tahoma and Arial where the system has
// them (or Liberation Sans, Arial's metric-compatible substitute), otherwise
// the substitutes shipped inside the program, Wine's Tahoma and Liberation
// Sans cut down to the characters the program writes (named Metalcalc
// Sans), so the layout is the same on every machine. Safe to call again.
void InstallFonts();

// The installed family that stands for a face the window names ("Arial"
// may be "Liberation Sans" or "Metalcalc Sans"). Controls ask for it
// directly: asking Qt for a family it lacks makes it consult fontconfig's
// aliases, which is slow.
QString FontFamily(const char *face);

}  // namespace ui
