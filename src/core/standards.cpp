#include "standards.h"

#include "calculator.h"
#include "extended.h"

#include <charconv>
#include <stdexcept>

namespace metal {

namespace {

using detail::ExtendedPrecision;
using detail::RoundToEven;

// A pipe of outer diameter d and wall t. The pipe standards print sizes and
// define the mass per metre by one formula, the steel's 7.85 g/cm³ times
// π·t·(d − t): 0.0246615·t·(d − t) kg/m, evaluated here as written.
constexpr StandardSize Pipe(std::string_view designation, double d, double t, double area)
{
    StandardSize size{};
    if (designation.size() >= sizeof size.name)
        throw std::length_error("designation too long");  // at compile time: the tables are constexpr
    for (std::size_t i = 0; i < designation.size(); ++i)
        size.name[i] = designation[i];
    size.geometry = {d, t};
    size.area = area;
    size.massPerMetre = 0.0246615 * t * (d - t);
    size.massDecimals = 3;
    return size;
}

// One table per standard and series, each as its file says.
constexpr StandardSize kGost8239[] = {
#include "standards/gost_8239_89.inc"
};
constexpr StandardSize kGost26020B[] = {
#include "standards/gost_26020_83_b.inc"
};
constexpr StandardSize kGost26020Sh[] = {
#include "standards/gost_26020_83_sh.inc"
};
constexpr StandardSize kGost26020K[] = {
#include "standards/gost_26020_83_k.inc"
};
constexpr StandardSize kGost26020D[] = {
#include "standards/gost_26020_83_d.inc"
};
constexpr StandardSize kGost8240U[] = {
#include "standards/gost_8240_97_u.inc"
};
constexpr StandardSize kGost8240P[] = {
#include "standards/gost_8240_97_p.inc"
};
constexpr StandardSize kGost8240E[] = {
#include "standards/gost_8240_97_e.inc"
};
constexpr StandardSize kGost8509[] = {
#include "standards/gost_8509_93.inc"
};
constexpr StandardSize kGost8510[] = {
#include "standards/gost_8510_86.inc"
};
constexpr StandardSize kGost30245Square[] = {
#include "standards/gost_30245_2003_square.inc"
};
constexpr StandardSize kGost30245Rect[] = {
#include "standards/gost_30245_2003_rect.inc"
};
constexpr StandardSize kGost10704[] = {
#include "standards/gost_10704_91.inc"
};
constexpr StandardSize kGost8732[] = {
#include "standards/gost_8732_78.inc"
};
constexpr StandardSize kGost2591[] = {
#include "standards/gost_2591_88.inc"
};
constexpr StandardSize kGost2879[] = {
#include "standards/gost_2879_88.inc"
};
constexpr StandardSize kGost19903[] = {
#include "standards/gost_19903_74.inc"
};

constexpr SizeSeries kSeries8239[] = {{"с уклоном граней полок", kGost8239}};
constexpr SizeSeries kSeries26020[] = {{"Б — нормальные", kGost26020B},
                                       {"Ш — широкополочные", kGost26020Sh},
                                       {"К — колонные", kGost26020K},
                                       {"Д — дополнительные", kGost26020D}};
constexpr SizeSeries kSeries8240Sloped[] = {{"У — с уклоном граней полок", kGost8240U}};
constexpr SizeSeries kSeries8240Parallel[] = {{"П — с параллельными гранями полок", kGost8240P},
                                              {"Э — экономичные", kGost8240E}};
constexpr SizeSeries kSeries8509[] = {{"равнополочные", kGost8509}};
constexpr SizeSeries kSeries8510[] = {{"неравнополочные", kGost8510}};
constexpr SizeSeries kSeries30245[] = {{"квадратные", kGost30245Square}, {"прямоугольные", kGost30245Rect}};
constexpr SizeSeries kSeries10704[] = {{"электросварные", kGost10704}};
constexpr SizeSeries kSeries8732[] = {{"бесшовные горячедеформированные", kGost8732}};
constexpr SizeSeries kSeries2591[] = {{"квадрат", kGost2591}};
constexpr SizeSeries kSeries2879[] = {{"шестигранник", kGost2879}};
constexpr SizeSeries kSeries19903[] = {{"толщина листа", kGost19903}};

// Area tolerances: 1 % where a drawing leaves the flange slope open or
// rounds the corners freely, 0.3 % where it fixes the geometry exactly.
constexpr double kLoose = 0.01;
constexpr double kExact = 0.003;

constexpr Standard kPipes[] = {{"ГОСТ 10704-91", Section::Pipe, kExact, kSeries10704},
                               {"ГОСТ 8732-78", Section::Pipe, kExact, kSeries8732}};
constexpr Standard kTubes[] = {{"ГОСТ 30245-2003", Section::HollowSection, kExact, kSeries30245}};
constexpr Standard kSquares[] = {{"ГОСТ 2591-88", Section::SquareBar, kExact, kSeries2591}};
constexpr Standard kAngles[] = {{"ГОСТ 8509-93", Section::Angle, kExact, kSeries8509},
                                {"ГОСТ 8510-86", Section::Angle, kExact, kSeries8510}};
constexpr Standard kSheets[] = {{"ГОСТ 19903-74", Section::SheetThickness, kExact, kSeries19903}};
constexpr Standard kHexagons[] = {{"ГОСТ 2879-88", Section::HexagonBar, kExact, kSeries2879}};
// Series У has sloped flanges and П, Э parallel ones: two sections of one
// standard.
constexpr Standard kChannels[] = {{"ГОСТ 8240-97", Section::SlopedChannel, kLoose, kSeries8240Sloped},
                                  {"ГОСТ 8240-97", Section::ParallelChannel, kLoose, kSeries8240Parallel}};
constexpr Standard kBeams[] = {{"ГОСТ 8239-89", Section::SlopedIBeam, kLoose, kSeries8239},
                               {"ГОСТ 26020-83", Section::ParallelIBeam, kExact, kSeries26020}};

}  // namespace

std::span<const Standard> StandardsOf(ProfileKind kind)
{
    switch (kind) {
    case pkPipe:
        return kPipes;
    case pkProfilePipe:
        return kTubes;
    case pkSquare:
        return kSquares;
    case pkAngle:
        return kAngles;
    case pkSheet:
        return kSheets;
    case pkHexagon:
        return kHexagons;
    case pkChannel:
        return kChannels;
    case pkBeam:
        return kBeams;
    case pkRound:
    case pkStrip:
        break;
    }
    return {};
}

int GeometryOfRow(Section section, int row)
{
    // Each kind's rows keep their own meaning: the beam's are h, b, the
    // web's s and the flanges' t; the channel's are the flange b, the
    // height h and one thickness, the web's s.
    static constexpr int kNone = -1;
    using Rows = std::array<int, kRowCount>;
    Rows rows{kNone, kNone, kNone, kNone, kNone};
    switch (section) {
    case Section::SlopedIBeam:
    case Section::ParallelIBeam:
        rows = {0, 1, 2, 3, kNone};
        break;
    case Section::SlopedChannel:
    case Section::ParallelChannel:
        rows = {kNone, 1, 0, 2, kNone};
        break;
    case Section::Angle:
    case Section::HollowSection:
        rows = {kNone, 0, 1, 2, kNone};
        break;
    case Section::Pipe:
        rows = {kNone, 0, 1, kNone, kNone};
        break;
    case Section::SquareBar:
    case Section::HexagonBar:
        rows = {kNone, 0, kNone, kNone, kNone};
        break;
    case Section::SheetThickness:
        rows = {kNone, kNone, kNone, 0, kNone};
        break;
    }
    return row >= 0 && row < kRowCount ? rows[static_cast<std::size_t>(row)] : kNone;
}

std::string DimensionText(double millimetres)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, millimetres).ptr;
    return std::string(text, end);
}

namespace {

METALCALC_OPAQUE double MassPerMetreExtended(double standard, double density)
{
    return static_cast<double>(Ext(standard) * Ext(density) / Ext(kStandardDensity));
}

METALCALC_OPAQUE double StandardResultExtended(double massPerMetre, double quantity, bool massMode)
{
    if (massMode)
        return static_cast<double>(Ext(quantity) * Ext(massPerMetre));
    return static_cast<double>(Ext(quantity) / Ext(massPerMetre));
}

METALCALC_OPAQUE long long ScaledToDecimals(double value, int decimals)
{
    Ext scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    return static_cast<long long>(RoundToEven(Ext(value) * scale));
}

}  // namespace

double StandardMassPerMetre(const StandardSize &size, MaterialId material)
{
    // The standards' masses are carbon steel's, as printed.
    if (material == mtCarbonSteel)
        return size.massPerMetre;
    const ExtendedPrecision extended;
    return MassPerMetreExtended(size.massPerMetre, Densities[material]);
}

std::string StandardMassText(const StandardSize &size, MaterialId material)
{
    const double value = StandardMassPerMetre(size, material);
    long long units = 0;
    {
        const ExtendedPrecision extended;
        units = ScaledToDecimals(value, size.massDecimals);
    }
    // Whole units, then the decimals: 9.46 is 946 with two.
    const std::string digits = std::to_string(units);
    const auto decimals = static_cast<std::size_t>(size.massDecimals);
    const std::string padded =
        std::string(decimals + 1 > digits.size() ? decimals + 1 - digits.size() : 0, '0') + digits;
    const std::size_t whole = padded.size() - decimals;
    return decimals == 0 ? padded : padded.substr(0, whole) + '.' + padded.substr(whole);
}

double CalculateStandardResult(const StandardSize &size, MaterialId material, std::string_view quantity, bool massMode)
{
    const double q = ParseNumber(quantity);
    const double w = StandardMassPerMetre(size, material);
    const ExtendedPrecision extended;
    return StandardResultExtended(w, q, massMode);
}

}  // namespace metal
