// The worked results of the calculator: the texts typed into the fields, the
// kind, the material and the mode, and what the result label then shows,
// every one worked out by hand, never by the code under test. The core's
// suite checks every row, the window's suites type every row into the real
// window, and the benchmarks time the kinds' examples.
#pragma once

#include "calculator.h"
#include "catalogue.h"

#include <cstddef>
#include <stdexcept>
#include <string_view>

// The thousands separator of a Russian desktop, a no-break space.
#define NBSP "\u00A0"

namespace worked {

using namespace metal;

struct Result {
    const char *name;
    metal::ProfileKind kind;
    metal::MaterialId material;
    bool massMode;
    metal::FieldTexts fields;  // rows 0 .. 4, top to bottom; "0": left as the window starts
    // The number with its unit, its groups of three apart by a no-break
    // space as on a Russian desktop; or the error text alone.
    const char *shown;
};

inline constexpr bool kMass = true;
inline constexpr bool kLength = false;

// The kinds' examples in carbon steel (7.9 g/cm³): the mass per metre w of
// each section, then Q × w in mass mode and Q ÷ w in length mode (for the
// sheet, Q sheets of 2 m² each). No length lies near a half tenth, so any
// careful arithmetic gives the same tenth.
//   pipe 57 × 3.5:       w = 3.5 × 53.5 × 3.141592653589 × 7.9 ÷ 1000 = 4.64728; 1 m 4.647 kg, 100 kg 21.518 m
//   tube 40 × 20 × 2:    w = 2 × (16 × 2 + 80) × 7.9 ÷ 1000 = 1.7696; 1 m 1.770 kg, 10 kg 5.651 m
//   square 10:           w = 10 × 10 × 7.9 ÷ 1000 = 0.79; 2 m 1.58 kg, 1.58 kg 2 m
//   round 20:            w = 100 × 3.141592653589 × 7.9 ÷ 1000 = 2.48186; 1 m 2.482 kg, 10 kg 4.029 m
//   angle 50 × 50 × 5:   w = 5 × 95 × 7.9 ÷ 1000 = 3.7525; 1 m 3.753 kg, 10 kg 2.665 m
//   sheet 1000 × 2000 × 2: 4 dm³, 31.6 kg a sheet; 3 sheets 94.8 kg, 6 m²
//   strip 20 × 2:        w = 20 × 2 × 7.9 ÷ 1000 = 0.316; 10 m 3.16 kg, 3.16 kg 10 m
//   hexagon 10:          w = 25 × 2√3 × 7.9 ÷ 1000 = 0.684160; 1 m 0.684 kg, 10 kg 14.616 m
//   channel 50 × 100 × 5: w = (5 × 90 + 5 × 100) × 7.9 ÷ 1000 = 7.505; 1 m 7.505 kg, 100 kg 13.324 m
//   beam 200 × 100 × 5.2 × 8.4: w = (5.2 × 183.2 + 100 × 16.8) × 7.9 ÷ 1000 = 20.7979; 1 m 20.798 kg,
//                        100 kg 4.808 m
inline constexpr Result kResults[] = {
    // Each kind in mass mode, then in length mode with the same dimensions.
    {"Pipe", pkPipe, mtCarbonSteel, kMass, {"0", "57", "3.5", "1", "0"}, "4.6 кг  "},
    {"ProfilePipe", pkProfilePipe, mtCarbonSteel, kMass, {"0", "40", "20", "2", "1"}, "1.8 кг  "},
    {"Square", pkSquare, mtCarbonSteel, kMass, {"0", "10", "2", "0", "0"}, "1.6 кг  "},
    {"Round", pkRound, mtCarbonSteel, kMass, {"0", "20", "1", "0", "0"}, "2.5 кг  "},
    {"Angle", pkAngle, mtCarbonSteel, kMass, {"0", "50", "50", "5", "1"}, "3.8 кг  "},
    {"Sheet", pkSheet, mtCarbonSteel, kMass, {"0", "1000", "2000", "2", "3"}, "94.8 кг  "},
    {"Strip", pkStrip, mtCarbonSteel, kMass, {"0", "20", "2", "10", "0"}, "3.2 кг  "},
    {"Hexagon", pkHexagon, mtCarbonSteel, kMass, {"0", "10", "1", "0", "0"}, "0.7 кг  "},
    {"Channel", pkChannel, mtCarbonSteel, kMass, {"0", "50", "100", "5", "1"}, "7.5 кг  "},
    {"Beam", pkBeam, mtCarbonSteel, kMass, {"200", "100", "5.2", "8.4", "1"}, "20.8 кг  "},
    {"PipeLength", pkPipe, mtCarbonSteel, kLength, {"0", "57", "3.5", "100", "0"}, "21.5 м  "},
    {"ProfilePipeLength", pkProfilePipe, mtCarbonSteel, kLength, {"0", "40", "20", "2", "10"}, "5.7 м  "},
    {"SquareLength", pkSquare, mtCarbonSteel, kLength, {"0", "10", "1.58", "0", "0"}, "2.0 м  "},
    {"RoundLength", pkRound, mtCarbonSteel, kLength, {"0", "20", "10", "0", "0"}, "4.0 м  "},
    {"AngleLength", pkAngle, mtCarbonSteel, kLength, {"0", "50", "50", "5", "10"}, "2.7 м  "},
    {"SheetArea", pkSheet, mtCarbonSteel, kLength, {"0", "1000", "2000", "2", "3"}, "6.0 м2  "},
    {"StripLength", pkStrip, mtCarbonSteel, kLength, {"0", "20", "2", "3.16", "0"}, "10.0 м  "},
    {"HexagonLength", pkHexagon, mtCarbonSteel, kLength, {"0", "10", "10", "0", "0"}, "14.6 м  "},
    {"ChannelLength", pkChannel, mtCarbonSteel, kLength, {"0", "50", "100", "5", "100"}, "13.3 м  "},
    {"BeamLength", pkBeam, mtCarbonSteel, kLength, {"200", "100", "5.2", "8.4", "100"}, "4.8 м  "},

    // Sheet areas with the thickness left at "0": exactly 0.25 and 0.75 m²
    // go to the even tenth; 0.35 is held just below 0.35, 0.45 just above.
    {"SheetAreaTieDown", pkSheet, mtCarbonSteel, kLength, {"0", "500", "500", "0", "1"}, "0.2 м2  "},
    {"SheetAreaTieUp", pkSheet, mtCarbonSteel, kLength, {"0", "750", "1000", "0", "1"}, "0.8 м2  "},
    {"SheetAreaBelowTie", pkSheet, mtCarbonSteel, kLength, {"0", "350", "1000", "0", "1"}, "0.3 м2  "},
    {"SheetAreaAboveTie", pkSheet, mtCarbonSteel, kLength, {"0", "450", "1000", "0", "1"}, "0.5 м2  "},

    // 10 000 m of a 10 mm square bar weigh 1000 times the density in g/cm³,
    // so every digit of each density shows. 10 × 10 × 2.6989 ÷ 1000 = 0.26989
    // kg per metre: 1000 m of aluminium weigh 269.89 kg, not the 270.0 kg a
    // density of 2.7 would give.
    {"SquareLead", pkSquare, mtLead, kMass, {"0", "10", "1", "0", "0"}, "1.1 кг  "},
    {"SquareAluminium", pkSquare, mtAluminium, kMass, {"0", "10", "1000", "0", "0"}, "269.9 кг  "},
    {"CarbonSteel", pkSquare, mtCarbonSteel, kMass, {"0", "10", "10000", "0", "0"}, "7" NBSP "900.0 кг  "},
    {"StainlessSteel", pkSquare, mtStainlessSteel, kMass, {"0", "10", "10000", "0", "0"}, "7" NBSP "950.0 кг  "},
    {"Aluminium", pkSquare, mtAluminium, kMass, {"0", "10", "10000", "0", "0"}, "2" NBSP "698.9 кг  "},
    {"Titanium", pkSquare, mtTitanium, kMass, {"0", "10", "10000", "0", "0"}, "4" NBSP "540.0 кг  "},
    {"Copper", pkSquare, mtCopper, kMass, {"0", "10", "10000", "0", "0"}, "8" NBSP "920.0 кг  "},
    {"Nickel", pkSquare, mtNickel, kMass, {"0", "10", "10000", "0", "0"}, "8" NBSP "902.0 кг  "},
    {"CastIron", pkSquare, mtCastIron, kMass, {"0", "10", "10000", "0", "0"}, "7" NBSP "200.0 кг  "},
    {"Nichrome", pkSquare, mtNichrome, kMass, {"0", "10", "10000", "0", "0"}, "8" NBSP "500.0 кг  "},
    {"Brass", pkSquare, mtBrass, kMass, {"0", "10", "10000", "0", "0"}, "8" NBSP "700.0 кг  "},
    {"Bronze", pkSquare, mtBronze, kMass, {"0", "10", "10000", "0", "0"}, "8" NBSP "000.0 кг  "},
    {"Lead", pkSquare, mtLead, kMass, {"0", "10", "10000", "0", "0"}, "11" NBSP "341.5 кг  "},
    // The sheet's area does not depend on the material.
    {"SheetAreaLead", pkSheet, mtLead, kLength, {"0", "1000", "2000", "2", "3"}, "6.0 м2  "},
    {"SheetLead", pkSheet, mtLead, kMass, {"0", "1000", "2000", "2", "3"}, "136.1 кг  "},

    // Values that are no answer: the error text, without a unit. A pipe
    // whose wall is thicker than its diameter has a negative cross
    // section: 3 × (2 − 3) × π × 7.9 ÷ 1000 = −0.0745 kg/m, and with a 2.9 mm
    // diameter −0.0074 kg/m; in length mode the length is negative as well.
    // 99999 sheets of 99999 × 99999 mm cover about 999 970 000 m², beyond the
    // largest number shown; 1000 × 1000 × 7.9 ÷ 1000 = 7900 kg/m, and 99999 m
    // weigh 789 992 100 kg.
    {"PipeNegativeTenth", pkPipe, mtCarbonSteel, kMass, {"0", "2", "3", "1", "0"}, "Ошибка  "},
    {"PipeNegativeBelowHalfTenth", pkPipe, mtCarbonSteel, kMass, {"0", "2.9", "3", "1", "0"}, "Ошибка  "},
    {"PipeNegativeLength", pkPipe, mtCarbonSteel, kLength, {"0", "2", "3", "1", "0"}, "Ошибка  "},
    {"AngleNegative", pkAngle, mtCarbonSteel, kMass, {"0", "1", "1", "5", "1"}, "Ошибка  "},
    {"SheetAreaTooLarge", pkSheet, mtCarbonSteel, kLength, {"0", "99999", "99999", "0", "99999"}, "Ошибка  "},
    {"SheetMassTooLarge", pkSheet, mtLead, kMass, {"0", "99999", "99999", "99999", "1"}, "Ошибка  "},
    {"SquareTooHeavy", pkSquare, mtCarbonSteel, kMass, {"0", "1000", "99999", "0", "0"}, "Ошибка  "},
};

// The example of a kind in a mode, in carbon steel: one of the first twenty
// rows.
inline const Result &Example(ProfileKind kind, bool massMode)
{
    const Result &row = kResults[(massMode ? 0 : kKindCount) + static_cast<std::size_t>(kind) - 1];
    if (row.kind != kind || row.massMode != massMode)
        throw std::logic_error("the kinds' examples are out of order");
    return row;
}

// A row by its name.
inline const Result &Named(std::string_view name)
{
    for (const Result &row : kResults)
        if (name == row.name)
            return row;
    throw std::logic_error("no worked result of that name");
}

}  // namespace worked
