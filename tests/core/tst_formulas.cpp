// From the texts of the input fields to the text of the result: the formulas
// of every kind in both modes, the rounding to tenths, the range of numbers
// shown, the grouping of digits and the failures that leave the result as it
// was.
#include "calculator.h"
#include "catalogue.h"
#include "precisionresults.h"
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
void PrintTo(const PrecisionRow &row, std::ostream *os) { *os << row.name; }
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

using worked::kPrecisionResults;
using worked::PrecisionRow;

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
