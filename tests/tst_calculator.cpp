// From the texts of the input fields to the text of the result: the formulas
// of every kind in both modes, the rounding to tenths, the range of numbers
// shown, the grouping of digits and the failures that leave the result as it
// was.
#include "calculator.h"
#include "catalogue.h"
#include "workedresults.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <string>

using namespace metal;
using worked::kLength;
using worked::kMass;

namespace worked {
// Failures name the row.
void PrintTo(const Result &row, std::ostream *os) { *os << row.name; }
}  // namespace worked

namespace {

// What the result label shows for the fields: the number and its unit, or the
// error text alone.
std::string Shown(ProfileKind kind, const FieldTexts &fields, MaterialId material, bool massMode,
                  std::string_view separator = NBSP)
{
    const ResultText result = FormatResult(CalculateResult(kind, fields, Densities[material], massMode), separator);
    return ShownResult(result, massMode, kind);
}

std::string ErrorText() { return std::string(kErrorText); }

class WorkedResults : public testing::TestWithParam<worked::Result> {};

// The text shown, and whether it is the error text, which is shown in red.
TEST_P(WorkedResults, ShownAsWorkedOut)
{
    const worked::Result &row = GetParam();
    const ResultText result =
        FormatResult(CalculateResult(row.kind, row.fields, Densities[row.material], row.massMode), NBSP);
    EXPECT_EQ(result.error, row.shown == kErrorText);
    EXPECT_EQ(ShownResult(result, row.massMode, row.kind), row.shown);
}

INSTANTIATE_TEST_SUITE_P(ByHand, WorkedResults, testing::ValuesIn(worked::kResults),
                         [](const testing::TestParamInfo<worked::Result> &info) {
                             return std::string(info.param.name);
                         });

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

// Failures name the row.
void PrintTo(const PrecisionRow &row, std::ostream *os) { *os << row.name; }

// clang-format off
const PrecisionRow kPrecisionResults[] = {
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

class ExtendedPrecision : public testing::TestWithParam<PrecisionRow> {};

TEST_P(ExtendedPrecision, TenthOfTheExtendedValue)
{
    const PrecisionRow &row = GetParam();
    EXPECT_EQ(Shown(row.kind, row.fields, row.material, row.massMode, ""), row.shown)
        << "the other arithmetic would show " << row.otherwise;
}

// The x87 control word as a caller outside the core may leave it: Windows may
// start a thread at 53 bits of precision, a library may lower it further or
// change the rounding. The precision is bits 8-9, the rounding bits 10-11.
unsigned short ControlWord()
{
    unsigned short word;
    asm volatile("fnstcw %0" : "=m"(word)::"memory");
    return word;
}

void SetControlWord(unsigned short word) { asm volatile("fldcw %0" ::"m"(word) : "memory"); }

TEST_P(ExtendedPrecision, SameTenthWhateverTheCallerLeftInTheX87Unit)
{
    const struct {
        const char *name;
        unsigned short bits;  // precision and rounding
    } callers[] = {
        {"53 bits", 0x0200},
        {"24 bits", 0x0000},
        {"53 bits rounding up", 0x0A00},
        {"64 bits rounding toward zero", 0x0F00},
    };
    const PrecisionRow &row = GetParam();
    const unsigned short original = ControlWord();
    for (const auto &caller : callers) {
        const unsigned short lowered = static_cast<unsigned short>((original & ~0x0F00) | caller.bits);
        SetControlWord(lowered);
        const std::string shown = Shown(row.kind, row.fields, row.material, row.massMode, "");
        const unsigned short after = ControlWord();
        SetControlWord(original);
        EXPECT_EQ(shown, row.shown) << caller.name;
        EXPECT_EQ(after, lowered) << caller.name << ": the caller's setting is given back";
    }
}

INSTANTIATE_TEST_SUITE_P(NearHalfTenths, ExtendedPrecision, testing::ValuesIn(kPrecisionResults),
                         [](const testing::TestParamInfo<PrecisionRow> &info) { return std::string(info.param.name); });

struct FormatRow {
    const char *name;
    double value;
    const char *shown;  // nullptr: the error text
};

// Failures name the row.
void PrintTo(const FormatRow &row, std::ostream *os) { *os << row.name; }

const FormatRow kFormatRows[] = {
    // Exact halves of a tenth go to the even tenth.
    {"QuarterDown", 0.25, "0.2"},
    {"ThreeQuartersUp", 0.75, "0.8"},
    {"OneAndAQuarterDown", 1.25, "1.2"},
    {"TwoAndAHalf", 2.5, "2.5"},
    // Decimal halves are not doubles: each rounds by the side its double lies
    // on. 0.35 and 0.15 lie just below, 0.45 and 1.35 just above.
    {"PointThreeFive", 0.35, "0.3"},
    {"PointOneFive", 0.15, "0.1"},
    {"PointFourFive", 0.45, "0.5"},
    {"OnePointThreeFive", 1.35, "1.4"},
    {"CarryIntoHundred", 99.95, "100.0"},
    {"CarryIntoThousand", 999.95, "1 000.0"},
    {"Zero", 0.0, "0.0"},
    {"MinusZero", -0.0, "0.0"},
    {"BelowHalfATenth", 0.04, "0.0"},
    {"SmallestDouble", std::numeric_limits<double>::denorm_min(), "0.0"},
    {"OneDecimal", 4.6, "4.6"},
    {"Integer", 10.0, "10.0"},
    // The range: 9999999.8 is the largest tenth shown. The double of
    // 9999999.85 lies 3.7e-10 below it and rounds down; the next double lies
    // 1.5e-9 above it and rounds up to 9999999.9, which is no longer shown.
    {"LargestTenth", 9999999.8, "9 999 999.8"},
    {"JustBelowLargestTenth", 9999999.84, "9 999 999.8"},
    {"HalfTenthAboveLargestRoundsDown", 9999999.85, "9 999 999.8"},
    {"NextDoubleRoundsToLimit", std::nextafter(9999999.85, 1e300), nullptr},
    {"RoundsToLimit", 9999999.86, nullptr},
    {"Limit", 9999999.9, nullptr},
    {"AboveLimit", 10000000.0, nullptr},
    {"Huge", 1e300, nullptr},
    {"Infinity", std::numeric_limits<double>::infinity(), nullptr},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), nullptr},
    // No mass, length or area is negative, however small.
    {"MinusATenth", -0.1, nullptr},
    {"NegativeBelowHalfATenth", -0.0074, nullptr},
    {"NegativeTiny", -std::numeric_limits<double>::denorm_min(), nullptr},
    {"NegativeHuge", -1e300, nullptr},
    {"MinusInfinity", -std::numeric_limits<double>::infinity(), nullptr},
};

class FormatTable : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatTable, TextOrError)
{
    const FormatRow &row = GetParam();
    const ResultText result = FormatResult(row.value, " ");
    if (row.shown) {
        EXPECT_FALSE(result.error);
        EXPECT_EQ(result.text, row.shown);
    } else {
        EXPECT_TRUE(result.error);
        EXPECT_EQ(result.text, ErrorText());
    }
}

INSTANTIATE_TEST_SUITE_P(Values, FormatTable, testing::ValuesIn(kFormatRows),
                         [](const testing::TestParamInfo<FormatRow> &info) { return std::string(info.param.name); });

// The separators that users' locales really have.
struct Separator {
    const char *name;
    const char *text;
};

// Failures name the row.
void PrintTo(const Separator &row, std::ostream *os) { *os << row.name; }

const Separator kSeparators[] = {
    {"Russian", "\u00A0"}, {"French", "\u202F"}, {"English", ","}, {"German", "."}, {"None", ""},
};

class Grouping : public testing::TestWithParam<Separator> {};

TEST_P(Grouping, ThreeDigitGroups)
{
    const std::string sep = GetParam().text;
    EXPECT_EQ(FormatResult(7110, sep).text, "7" + sep + "110.0");
    EXPECT_EQ(FormatResult(1234567.8, sep).text, "1" + sep + "234" + sep + "567.8");
    EXPECT_EQ(FormatResult(100000, sep).text, "100" + sep + "000.0");
    EXPECT_EQ(FormatResult(999.9, sep).text, "999.9");
    EXPECT_EQ(FormatResult(0.0, sep).text, "0.0");
    // The separator never reaches the error text.
    EXPECT_EQ(FormatResult(9999999.9, sep).text, ErrorText());
}

INSTANTIATE_TEST_SUITE_P(Locales, Grouping, testing::ValuesIn(kSeparators),
                         [](const testing::TestParamInfo<Separator> &info) { return std::string(info.param.name); });

// In length mode a cross section of zero has no length to give: the
// calculation fails and the label keeps what it showed.
struct ZeroSection {
    const char *name;
    ProfileKind kind;
    FieldTexts fields;  // carbon steel
};

// Failures name the row.
void PrintTo(const ZeroSection &row, std::ostream *os) { *os << row.name; }

const ZeroSection kDivisionByZero[] = {
    {"SquareSideZero", pkSquare, {"0", "0", "5", "0", "0"}},
    {"PipeWallEqualsDiameter", pkPipe, {"0", "3", "3", "5", "0"}},
    {"PipeWallZero", pkPipe, {"0", "57", "0", "5", "0"}},
    {"ProfilePipeWallZero", pkProfilePipe, {"0", "40", "20", "0", "5"}},
    {"RoundDiameterZero", pkRound, {"0", "0", "5", "0", "0"}},
    {"AngleWallZero", pkAngle, {"0", "50", "50", "0", "5"}},
    {"StripWidthZero", pkStrip, {"0", "0", "2", "5", "0"}},
    {"HexagonZero", pkHexagon, {"0", "0", "5", "0", "0"}},
    {"ChannelWallZero", pkChannel, {"0", "50", "100", "0", "5"}},
    {"BeamAllZero", pkBeam, {"0", "0", "0", "0", "5"}},
    // An angle whose wall equals the sum of its legs: 5 × (2 + 3 − 5) = 0.
    {"AngleWallEqualsLegs", pkAngle, {"0", "2", "3", "5", "5"}},
    // A side of 1e-200 mm has a cross section that the stored double of w
    // cannot hold: it is zero, and so the division fails too.
    {"SquareSideUnderflows", pkSquare, {"0", "1e-200", "5", "0", "0"}},
};

class DivisionByZero : public testing::TestWithParam<ZeroSection> {};

TEST_P(DivisionByZero, LengthModeFails)
{
    const ZeroSection &row = GetParam();
    EXPECT_THROW(CalculateResult(row.kind, row.fields, Densities[mtCarbonSteel], kLength), CalcError);
}

TEST_P(DivisionByZero, MassModeWeighsNothing)
{
    const ZeroSection &row = GetParam();
    EXPECT_EQ(Shown(row.kind, row.fields, mtCarbonSteel, kMass), "0.0 кг  ");
}

INSTANTIATE_TEST_SUITE_P(LengthMode, DivisionByZero, testing::ValuesIn(kDivisionByZero),
                         [](const testing::TestParamInfo<ZeroSection> &info) { return std::string(info.param.name); });

TEST(SheetArea, NeverDividesByAField)
{
    EXPECT_EQ(Shown(pkSheet, {"0", "0", "2000", "0", "3"}, mtCarbonSteel, kLength), "0.0 м2  ");
    EXPECT_EQ(Shown(pkSheet, {"0", "1000", "0", "2", "3"}, mtCarbonSteel, kLength), "0.0 м2  ");
}

// Fields of every kind that give a non-zero cross section: the kind's
// worked example.
const FieldTexts &SensibleFields(ProfileKind kind) { return worked::Example(kind, kMass).fields; }

class EveryKind : public testing::TestWithParam<ProfileKind> {};

// A quantity of "0.0", "00" or "." is a number, zero: the result is 0.0 in
// both modes, also where w is not zero. ("0" itself never gets past the
// window's gate; the calculation treats it like the others.)
TEST_P(EveryKind, ZeroQuantityTextsComputeZero)
{
    const ProfileKind kind = GetParam();
    for (const char *zero : {"0.0", "00", ".", "0"}) {
        FieldTexts fields = SensibleFields(kind);
        fields[static_cast<std::size_t>(Kind(kind).quantityRow)] = zero;
        for (bool massMode : {kMass, kLength}) {
            SCOPED_TRACE(std::string("quantity \"") + zero + (massMode ? "\", mass mode" : "\", length mode"));
            const std::string expected = std::string("0.0 ") + std::string(ResultUnit(massMode, kind)) + " ";
            EXPECT_EQ(Shown(kind, fields, mtCarbonSteel, massMode), expected);
        }
    }
}

// Only the rows a kind uses are read: text that is no number in another row
// changes nothing, while in a used row it makes the calculation fail.
TEST_P(EveryKind, ReadsOnlyItsOwnRows)
{
    const ProfileKind kind = GetParam();
    const KindInfo &info = Kind(kind);
    for (bool massMode : {kMass, kLength}) {
        const FieldTexts &sensible = SensibleFields(kind);
        const double expected = CalculateResult(kind, sensible, Densities[mtCarbonSteel], massMode);
        EXPECT_GT(expected, 0);
        for (int row = 0; row < kRowCount; ++row) {
            SCOPED_TRACE("row " + std::to_string(row) + (massMode ? ", mass mode" : ", length mode"));
            FieldTexts fields = sensible;
            fields[static_cast<std::size_t>(row)] = "1.2.3";
            // The sheet's area needs no thickness.
            const bool read = info.usesRow(row) && !(kind == pkSheet && !massMode && row == 3);
            if (read) {
                EXPECT_THROW(CalculateResult(kind, fields, Densities[mtCarbonSteel], massMode), CalcError);
                fields[static_cast<std::size_t>(row)] = "";
                EXPECT_THROW(CalculateResult(kind, fields, Densities[mtCarbonSteel], massMode), CalcError);
            } else {
                EXPECT_EQ(CalculateResult(kind, fields, Densities[mtCarbonSteel], massMode), expected);
            }
        }
    }
}

const char *const kKindNames[] = {"Pipe",  "ProfilePipe", "Square",  "Round",   "Angle",
                                  "Sheet", "Strip",       "Hexagon", "Channel", "Beam"};

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind,
                         testing::Values(pkPipe, pkProfilePipe, pkSquare, pkRound, pkAngle, pkSheet, pkStrip, pkHexagon,
                                         pkChannel, pkBeam),
                         [](const testing::TestParamInfo<ProfileKind> &info) {
                             return std::string(kKindNames[static_cast<int>(info.param) - 1]);
                         });

}  // namespace
