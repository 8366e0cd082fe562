#pragma once

#include "workedresults.h"

namespace worked {

// Results whose tenth depends on holding the intermediate values of the
// formula in 80-bit extended precision. Each lies so close to a half tenth
// that evaluating the same formula in plain double arithmetic, in the same
// order, shows the tenth in the last column instead. A few more depend on w
// being stored as a double between the formula and the quantity.
//
// They were found by a search over the texts the input filter lets through
// (digits and '.', at most five characters). The expected tenth was then
// established independently with exact rational arithmetic (Python's
// fractions module): every field, density and π parsed to its nearest
// double, every operation of the formula carried out exactly and rounded to
// nearest-even at 64 significant bits (53 for w and the result, where they
// are stored as doubles), √3 rounded correctly to 64 bits, and the result
// rounded to tenths by the same rule as FormatResult. The search program and
// the recomputation are under tools/precision.
struct PrecisionRow {
    const char *name;
    ProfileKind kind;
    MaterialId material;
    bool massMode;
    FieldTexts fields;
    const char *shown;
    const char *otherwise;  // what the other arithmetic would show, for the reader
};

// clang-format off
inline const PrecisionRow kPrecisionResults[] = {
    {"PipeMass", pkPipe, mtCarbonSteel, kMass,
     {"0", "2581", "76.12", "988.5", "0"}, "4677775.1 кг  ", "4677775.2"},
    {"PipeLength", pkPipe, mtCarbonSteel, kLength,
     {"0", "8.904", ".0184", "35573", "0"}, "8766756.6 м  ", "8766756.5"},
    // Here w is the same double either way; the reciprocal and the product
    // decide.
    {"PipeLengthReciprocal", pkPipe, mtCarbonSteel, kLength,
     {"0", "3.846", ".3499", "70683", "0"}, "2328146.1 м  ", "2328146.0"},
    {"ProfilePipeMass", pkProfilePipe, mtCarbonSteel, kMass,
     {"0", "622.9", "220.5", "141.2", "625"}, "782230.3 кг  ", "782230.4"},
    {"ProfilePipeLengthCastIron", pkProfilePipe, mtCastIron, kLength,
     {"0", "105.7", "851.8", "78.75", "45.36"}, "0.1 м  ", "0.0"},
    // 1.5 × 1.5 × 7.9 ÷ 1000 × 2000 is 35.55 in decimals.
    {"SquareMass", pkSquare, mtCarbonSteel, kMass,
     {"0", "1.5", "2000", "0", "0"}, "35.5 кг  ", "35.6"},
    // 1185 ÷ (1000 × 1000 × 7.9 ÷ 1000) is 0.15 in decimals.
    {"SquareLength", pkSquare, mtCarbonSteel, kLength,
     {"0", "1000", "1185", "0", "0"}, "0.1 м  ", "0.2"},
    {"RoundMass", pkRound, mtCarbonSteel, kMass,
     {"0", "98.18", "97056", "0", "0"}, "5804775.4 кг  ", "5804775.3"},
    {"RoundLengthCopper", pkRound, mtCopper, kLength,
     {"0", ".9145", "40615", "0", "0"}, "6932091.7 м  ", "6932091.8"},
    {"AngleMass", pkAngle, mtCarbonSteel, kMass,
     {"0", "70379", "76509", "2", "125"}, "290099.8 кг  ", "290099.9"},
    {"AngleLength", pkAngle, mtCarbonSteel, kLength,
     {"0", "36.22", "2.596", "35.2", "98197"}, "97656.3 м  ", "97656.2"},
    {"SheetMassCopper", pkSheet, mtCopper, kMass,
     {"0", "78.2", "14010", "8", "78125"}, "6107869.7 кг  ", "6107869.6"},
    // 6000 × 2.04 × 4375 ÷ 1000000 is 53.55 in decimals.
    {"SheetArea", pkSheet, mtCarbonSteel, kLength,
     {"0", "6000", "2.04", "0", "4375"}, "53.6 м2  ", "53.5"},
    {"StripMass", pkStrip, mtCarbonSteel, kMass,
     {"0", "51415", "10.45", "2000", "0"}, "8489130.6 кг  ", "8489130.7"},
    // The extended length is exactly 1.75, which goes to the even tenth.
    {"StripLength", pkStrip, mtCarbonSteel, kLength,
     {"0", ".448", "62.5", ".3871", "0"}, "1.8 м  ", "1.7"},
    // No carbon steel or lead hexagon in mass mode depends on the precision:
    // the search tried every pair of texts for them.
    {"HexagonMassAluminium", pkHexagon, mtAluminium, kMass,
     {"0", "2686", "255", "0", "0"}, "4300011.6 кг  ", "4300011.5"},
    {"HexagonLength", pkHexagon, mtCarbonSteel, kLength,
     {"0", ".7847", "30750", "0", "0"}, "7299281.1 м  ", "7299281.2"},
    {"ChannelMass", pkChannel, mtCarbonSteel, kMass,
     {"0", "103.3", "7399", "275", "50"}, "766414.6 кг  ", "766414.5"},
    {"ChannelLengthBronze", pkChannel, mtBronze, kLength,
     {"0", "15.85", "469.6", ".05", ".7518"}, "3.7 м  ", "3.8"},
    {"BeamLength", pkBeam, mtCarbonSteel, kLength,
     {".6016", "9.292", "9.359", "9.873", "36938"}, "1085505.1 м  ", "1085505.0"},
    // The extended mass is exactly 5088.75, which goes to the even tenth.
    {"BeamMassBronze", pkBeam, mtBronze, kMass,
     {"810", "1.047", ".872", "889.8", "625"}, "5088.8 кг  ", "5088.7"},

    // Kept in extended precision, w would give the tenths in the last column.
    // 7.11 ÷ (12 × 12 × 7.9 ÷ 1000) is 6.25 in decimals; plain doubles show
    // 6.2 as well.
    {"SquareLengthStoredW", pkSquare, mtCarbonSteel, kLength,
     {"0", "12", "7.11", "0", "0"}, "6.3 м  ", "6.2"},
    {"SquareMassStoredWBrass", pkSquare, mtBrass, kMass,
     {"0", "412.5", "208", "0", "0"}, "307914.7 кг  ", "307914.8"},
    {"StripMassStoredW", pkStrip, mtCarbonSteel, kMass,
     {"0", "2260", "73675", "3", "0"}, "3946180.3 кг  ", "3946180.4"},

    // The length is the mass times the reciprocal of w. The quotient mass ÷ w
    // rounds just above 3906.25, while the product lands exactly on 3906.25
    // in extended precision and goes to the even tenth; plain doubles show
    // 3906.3 as well.
    {"SquareLengthReciprocalBronze", pkSquare, mtBronze, kLength,
     {"0", "3.44", "369.8", "0", "0"}, "3906.2 м  ", "3906.3"},
};
// clang-format on

}  // namespace worked
