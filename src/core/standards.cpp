#include "standards.h"

#include "calculator.h"
#include "decimal.h"
#include "extended.h"

#include <charconv>
#include <numbers>
#include <stdexcept>

namespace metal {

namespace {

using detail::ExtendedPrecision;
using detail::RoundToEven;

// A size of a standard that defines its mass by a formula: its designation
// and flag; the mass printed with three decimals.
constexpr StandardSize FormulaSize(std::string_view designation, double area, bool notForNewDesigns)
{
    StandardSize size{};
    if (designation.size() >= sizeof size.name)
        throw std::length_error("designation too long");  // at compile time: the tables are constexpr
    for (std::size_t i = 0; i < designation.size(); ++i)
        size.name[i] = designation[i];
    size.area = area;
    size.massDecimals = 3;
    size.notForNewDesigns = notForNewDesigns;
    return size;
}

// A pipe of outer diameter d and wall t. The pipe standards print sizes and
// define the mass per metre by one formula, the steel's 7.85 g/cm³ times
// π·t·(d − t): 0.0246615·t·(d − t) kg/m, evaluated here as written.
constexpr StandardSize Pipe(std::string_view designation, double d, double t, double area, bool notForNewDesigns)
{
    StandardSize size = FormulaSize(designation, area, notForNewDesigns);
    size.geometry = {d, t};
    size.massPerMetre = 0.0246615 * t * (d - t);
    return size;
}

// A round bar of diameter d: its standard's mass is the geometry's at 7.85
// g/cm³, π·d²/4 mm² × 7.85 g/cm³, in kg/m, evaluated here as written.
constexpr StandardSize RoundBar(std::string_view designation, double d, double area, bool notForNewDesigns)
{
    StandardSize size = FormulaSize(designation, area, notForNewDesigns);
    size.geometry = {d};
    size.massPerMetre = std::numbers::pi * d * d / 4 * kStandardDensity / 1000;
    return size;
}

// Area tolerances: 1 % where a drawing leaves the flange slope open or
// rounds the corners freely, 0.3 % where it fixes the geometry exactly.
constexpr double kLoose = 0.01;
constexpr double kExact = 0.003;

struct KindStandards {
    ProfileKind kind;
    std::span<const Standard> standards;
};

// The tables, their series, standards and kinds, as the importer's one
// description of them says.
#include "standards/index.inc"

}  // namespace

std::span<const Standard> StandardsOf(ProfileKind kind)
{
    for (const KindStandards &k : kStandardsOfKinds)
        if (k.kind == kind)
            return k.standards;
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
    case Section::RoundBar:
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
    return GroupedText(units, size.massDecimals, "");
}

double CalculateStandardResult(const StandardSize &size, MaterialId material, std::string_view quantity, bool massMode)
{
    const double q = ParseNumber(quantity);
    const double w = StandardMassPerMetre(size, material);
    const ExtendedPrecision extended;
    return StandardResultExtended(w, q, massMode);
}

}  // namespace metal
