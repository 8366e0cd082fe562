// Reading the numbers of the input fields: the texts the input filter lets
// through, and the whole grammar behind them (spaces, sign, digits, point,
// exponent), whatever the process locale says.
#include "calculator.h"

#include <gtest/gtest.h>

#include <ostream>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

using namespace metal;

namespace {

struct ParseRow {
    const char *name;
    std::string text;
    std::optional<double> value;  // nullopt: the text is not a number
};

// Failures name the row.
void PrintTo(const ParseRow &row, std::ostream *os) { *os << row.name; }

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

const ParseRow kParseRows[] = {
    // What the input filter lets through: digits and '.'.
    {"Integer", "57", 57.0},
    {"Fraction", "3.5", 3.5},
    {"TenthIsNearestDouble", "0.1", 0.1},
    {"LeadingZeros", "007", 7.0},
    {"DoubleZero", "00", 0.0},
    {"ZeroPointZero", "0.0", 0.0},
    {"PointAlone", ".", 0.0},
    {"TrailingPoint", "5.", 5.0},
    {"LeadingPoint", ".5", 0.5},
    {"FiveDigits", "99999", 99999.0},
    {"SmallestTyped", ".0001", 0.0001},
    {"Empty", "", std::nullopt},
    {"TwoPoints", "1.2.3", std::nullopt},
    {"PointPoint", "..", std::nullopt},
    {"PointsApart", "1..5", std::nullopt},
    // Spaces around the number.
    {"SpacesAround", "  12  ", 12.0},
    {"SpacesOnly", "   ", std::nullopt},
    {"SpaceInside", "1 2", std::nullopt},
    {"TabIsNoSpace", "\t5", std::nullopt},
    // Signs.
    {"Plus", "+2", 2.0},
    {"Minus", "-3.5", -3.5},
    {"SpacesThenSign", "  -1.25", -1.25},
    {"SignThenPoint", "+.", 0.0},
    {"MinusPointFive", "-.5", -0.5},
    {"SignAlone", "-", std::nullopt},
    {"TwoSigns", "+-1", std::nullopt},
    {"SpaceAfterSign", "- 1", std::nullopt},
    // Exponents, whose digits may be missing.
    {"Exponent", "1e3", 1000.0},
    {"CapitalExponent", "2E2", 200.0},
    {"PlusExponent", "1e+3", 1000.0},
    {"MinusExponent", "1e-3", 0.001},
    {"ExponentWithoutDigits", "1e", 1.0},
    {"ExponentSignWithoutDigits", "1e-", 1.0},
    {"ExponentPlusWithoutDigits", "7.5E+", 7.5},
    {"PointThenExponent", ".e5", 0.0},
    {"FractionExponent", ".5e1", 5.0},
    {"ExponentThenSpaces", "2.5e1  ", 25.0},
    {"ExponentAlone", "e5", std::nullopt},
    {"SignThenExponent", "-e5", std::nullopt},
    {"FractionalExponent", "1e3.5", std::nullopt},
    {"TwoExponents", "1e2e3", std::nullopt},
    {"ExponentTwoSigns", "1e+-2", std::nullopt},
    // Other texts.
    {"Letters", "abc", std::nullopt},
    {"TrailingLetter", "5a", std::nullopt},
    {"LeadingLetter", "a5", std::nullopt},
    {"Comma", "3,5", std::nullopt},
    {"ThousandsSeparator", "1 000", std::nullopt},
    {"Hexadecimal", "0x10", std::nullopt},
    {"Infinity", "inf", std::nullopt},
    {"NotANumber", "nan", std::nullopt},
    // Magnitudes a double cannot hold: too large fails, too small is zero.
    {"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
    {"TooLarge", "2e308", std::nullopt},
    {"FarTooLarge", "1e99999999999999999999", std::nullopt},
    {"TooManyDigits", Repeat('9', 400), std::nullopt},
    // (10^400 - 1) x 10^-395 lies 10^-395 below 100000, far closer than the
    // next double.
    {"TooManyDigitsScaledDown", Repeat('9', 400) + "e-395", 100000.0},
    {"Tiny", "1e-400", 0.0},
    {"FarTooSmall", "1e-99999999999999999999", 0.0},
    {"TinyByZeros", "0." + Repeat('0', 400) + "1", 0.0},
    {"ZeroWithHugeExponent", "0e99999", 0.0},
    {"SmallestSubnormal", "4.9406564584124654e-324", 4.9406564584124654e-324},
};

class ParseTable : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseTable, ValueOrFailure)
{
    const ParseRow &row = GetParam();
    if (row.value) {
        double value = 0;
        ASSERT_NO_THROW(value = ParseNumber(row.text)) << '"' << row.text << '"';
        EXPECT_EQ(value, *row.value) << '"' << row.text << '"';
    } else {
        EXPECT_THROW(ParseNumber(row.text), CalcError) << '"' << row.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseTable, testing::ValuesIn(kParseRows),
                         [](const testing::TestParamInfo<ParseRow> &info) { return std::string(info.param.name); });

TEST(ParseNumber, MinusZeroKeepsItsSign)
{
    EXPECT_TRUE(std::signbit(ParseNumber("-0")));
    EXPECT_TRUE(std::signbit(ParseNumber("-.")));
    EXPECT_FALSE(std::signbit(ParseNumber("0")));
}

TEST(ParseNumber, ResultIsTheNearestDouble)
{
    // 0.1 + 0.2 in doubles is not 0.3, but the text "0.3" is the double
    // nearest to three tenths, which is what the literal 0.3 is.
    EXPECT_EQ(ParseNumber("0.3"), 0.3);
    EXPECT_EQ(ParseNumber("2.6989"), 2.6989);
    EXPECT_EQ(ParseNumber("11.3415"), 11.3415);
    // A tie between two doubles goes to the even one: 2^53 + 1 lies halfway
    // between 2^53 and 2^53 + 2.
    EXPECT_EQ(ParseNumber("9007199254740993"), 9007199254740992.0);
}

// A locale of the machine whose decimal separator is a comma, if there is one.
bool SelectCommaLocale()
{
    for (const char *name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8",
                             "uk_UA.UTF-8", "it_IT.UTF-8", "es_ES.UTF-8", "nl_NL.UTF-8", "pl_PL.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) && std::string(std::localeconv()->decimal_point) == ",")
            return true;
    }
    std::setlocale(LC_ALL, "C");
    return false;
}

TEST(ParseNumber, PointWhateverTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!SelectCommaLocale()) {
        // The test build provides one; run by hand, the machine may have none.
        ASSERT_EQ(std::getenv("METALCALC_COMMA_LOCALE"), nullptr) << "the build's comma locale is not found";
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    }
    // The C library now reads a comma: the locale really is in force.
    EXPECT_EQ(std::strtod("3,5", nullptr), 3.5);

    EXPECT_EQ(ParseNumber("3.5"), 3.5);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("1.5e3"), 1500.0);
    EXPECT_THROW(ParseNumber("3,5"), CalcError);
    const ResultText shown = FormatResult(1234.5, " ");
    EXPECT_EQ(shown.text, "1 234.5");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
