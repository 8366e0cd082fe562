// The standard sizes of the kinds: for each kind the standards (GOST) that
// list its sizes, each with its series and sizes in the standard's order.
// A size carries its designation as the standard writes it, its geometry as
// the standard's drawing names it, the printed area and the standard's mass
// per metre: printed, or by the standard's own formula where it prints only
// sizes (pipes). The tables are constant data, one file per standard and
// series in standards/, made from checked transcriptions by
// tools/standards/import.py; nothing is built or parsed at run time.
#pragma once

#include "catalogue.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace metal {

// The density at which the standards give their masses, g/cm³.
inline constexpr double kStandardDensity = 7.85;

// What a standard's drawing shows, and so what each geometry value is and
// how the area follows from them.
enum class Section : std::uint8_t {
    SlopedIBeam,      // h, b, s, t, R (fillet), r (toe); t at (b − s)/4 from the tip
    ParallelIBeam,    // h, b, s, t, R (fillet)
    SlopedChannel,    // h, b, s, t, R (fillet), r (toe); t at (b − s)/2 from the tip
    ParallelChannel,  // h, b, s, t, R (fillet), r (toe)
    Angle,            // B, b, t, R (fillet), r (toe); B = b for equal legs
    HollowSection,    // H, B, t, R (outer corner), r (inner corner)
    Pipe,             // D, t
    SquareBar,        // a
    HexagonBar,       // s, across flats
    RoundBar,         // d
    SheetThickness,   // t; the mass is per square metre
};

struct StandardSize {
    // "20Б1", "50×50×5", "57×3.5" (a decimal comma as '.'), "Ду 20×2.8
    // (26.8)" (a water-gas pipe: nominal bore × wall (outer diameter)), in UTF-8. Held
    // in the size itself, not pointed to: tables without pointers need no
    // relocation when the program loads, so they are not touched at start.
    char name[24];
    std::array<double, 6> geometry;  // mm, in the section's order
    double area;                     // cm², as printed; 0 where none is (sheet)
    double massPerMetre;             // kg/m at 7.85 g/cm³ (the sheet: kg/m²)
    int massDecimals;                // as the standard prints it
    // The standard puts the size in brackets: not for new designs.
    bool notForNewDesigns = false;

    constexpr std::string_view designation() const { return name; }
};

struct SizeSeries {
    std::string_view name;  // as the list heads it: "Б — нормальные"
    std::span<const StandardSize> sizes;
};

struct Standard {
    std::string_view number;  // "ГОСТ 26020-83": number and edition
    Section section;
    // The tolerance of the printed area against the drawing's geometry, as
    // a fraction: the drawings of sloped flanges leave the slope open.
    double areaTolerance;
    std::span<const SizeSeries> series;
};

// The standards of a kind, in the order the list shows them; empty for a
// kind without standard sizes (strip).
std::span<const Standard> StandardsOf(ProfileKind kind);

// The geometry value that a size writes into a field row of its kind, or
// -1 where the size leaves the row as it is (the quantity; the sheet's
// width and length).
int GeometryOfRow(Section section, int row);

// The field text of a dimension: the shortest text that reads back as it.
std::string DimensionText(double millimetres);

// The mass per metre of a size in a material: the standard's for carbon
// steel, otherwise scaled by the material's density ÷ 7.85.
double StandardMassPerMetre(const StandardSize &size, MaterialId material);
// The same as the window writes it, with the standard's decimals.
std::string StandardMassText(const StandardSize &size, MaterialId material);

// The value shown for a standard size (not the sheet, whose thickness only
// fills its field): in mass mode the mass of the quantity, a length in m;
// in length mode the length that the quantity, a mass in kg, makes.
// Throws CalcError on a quantity that does not parse.
double CalculateStandardResult(const StandardSize &size, MaterialId material, std::string_view quantity, bool massMode);

}  // namespace metal
