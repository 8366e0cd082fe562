// The order: a position weighs what the window shows for the same inputs,
// its cost is the shown quantity times the price in exact decimals, the
// totals add the positions as shown, and edits, removals and moves undo.
#include "order.h"
#include "workedresults.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

using namespace metal;

namespace {

constexpr bool kMass = true;
constexpr bool kLength = false;

Choices ChoicesOf(ProfileKind kind, MaterialId material, bool massMode, std::string_view standard = {},
                  std::string_view designation = {})
{
    Choices choices{kind, material, massMode, {}};
    if (!standard.empty())
        choices.size = FindSize(kind, standard, designation);
    return choices;
}

// The number the window's result label shows, without its unit.
std::string WindowShows(const Choices &choices, FieldTexts fields)
{
    const std::optional<ResultText> shown = ShownResultOf(choices, fields, NBSP);
    if (!shown || shown->error)
        return "no result";
    return shown->text.substr(0, shown->text.find(' '));
}

struct MassRow {
    const char *name;
    Choices choices;
    FieldTexts fields;  // as typed into the window, the quantity for one piece
    std::int64_t pieces;
    const char *whole;  // the window's quantity for all the pieces
    const char *mass;   // kg, worked out by hand
    const char *pieceLength;
};
void PrintTo(const MassRow &row, std::ostream *os) { *os << row.name; }

// By hand (w the mass per metre):
//   20Б1 prints 22.4 kg/m: 24 m 537.6 kg; in stainless × 7.95/7.85, 544.448
//   pipe 57×3.5 of ГОСТ 10704-91: w = 0.0246615 × 3.5 × 53.5 = 4.61786, 12 m 55.414
//   pipe 57×3.5 by its formula: w = 4.64728, 12 m 55.767
//   square 20 of ГОСТ 2591-88 in stainless: 3.14 × 7.95/7.85 = 3.18, 2 m 6.36
//   square 10: w = 0.79; 1.58 kg is 2 m, three such 4.74 kg
//   sheet 1250 × 2500 × 2: 49.375 kg a sheet, three 148.125; 1000 × 2000 × 2: 31.6, three 94.8
//   angle 50×50×5: w = 3.7525, 4 m 15.01
//   channel 50×100×5 in aluminium: w = 950 × 2.6989 ÷ 1000 = 2.563955, 3 m 7.692
//   round 20: w = 2.48186; 10 kg is 4.029 m, two such 20 kg
const MassRow kMassRows[] = {
    {"Beam20B1FourOfSix",
     ChoicesOf(pkBeam, mtCarbonSteel, kMass, "ГОСТ 26020-83", "20Б1"),
     {"200", "100", "5.6", "8.5", "6"},
     4,
     "24",
     "537.6",
     "6"},
    {"Beam20B1Stainless",
     ChoicesOf(pkBeam, mtStainlessSteel, kMass, "ГОСТ 26020-83", "20Б1"),
     {"200", "100", "5.6", "8.5", "6"},
     4,
     "24",
     "544.4",
     "6"},
    {"Pipe10704Twelve",
     ChoicesOf(pkPipe, mtCarbonSteel, kMass, "ГОСТ 10704-91", "57×3.5"),
     {"0", "57", "3.5", "12", "0"},
     1,
     "12",
     "55.4",
     "12"},
    {"PipeFormulaThreeOfFour",
     ChoicesOf(pkPipe, mtCarbonSteel, kMass),
     {"0", "57", "3.5", "4", "0"},
     3,
     "12",
     "55.8",
     "4"},
    {"SquareStainlessTwo",
     ChoicesOf(pkSquare, mtStainlessSteel, kMass, "ГОСТ 2591-88", "20"),
     {"0", "20", "2", "0", "0"},
     1,
     "2",
     "6.4",
     "2"},
    {"AngleFourOfOne", ChoicesOf(pkAngle, mtCarbonSteel, kMass), {"0", "50", "50", "5", "1"}, 4, "4", "15.0", "1"},
    {"ChannelAluminium",
     ChoicesOf(pkChannel, mtAluminium, kMass),
     {"0", "50", "100", "5", "1.5"},
     2,
     "3",
     "7.7",
     "1.5"},
    {"SheetThree", ChoicesOf(pkSheet, mtCarbonSteel, kMass), {"0", "1250", "2500", "2", "3"}, 3, "3", "148.1", ""},
    {"SheetAreaModeThree",
     ChoicesOf(pkSheet, mtCarbonSteel, kLength),
     {"0", "1000", "2000", "2", "3"},
     3,
     "3",
     "94.8",
     ""},
    {"SquareByMassThree",
     ChoicesOf(pkSquare, mtCarbonSteel, kLength),
     {"0", "10", "1.58", "0", "0"},
     3,
     "4.74",
     "4.7",
     "2.0"},
    {"RoundByMassTwo", ChoicesOf(pkRound, mtCarbonSteel, kLength), {"0", "20", "10", "0", "0"}, 2, "20", "20.0", "4.0"},
};

class PositionMass : public testing::TestWithParam<MassRow> {};

TEST_P(PositionMass, IsTheWindowsResult)
{
    const MassRow &row = GetParam();
    Position position = PositionFrom(row.choices, row.fields);
    if (row.choices.kind != pkSheet)
        position.pieces = row.pieces;
    else
        ASSERT_EQ(position.pieces, row.pieces);
    const PositionFigures figures = FiguresOf(position);
    EXPECT_EQ(MassText(figures.massTenths, NBSP), row.mass);
    EXPECT_EQ(figures.pieceLength ? figures.pieceLength->text() : "", row.pieceLength);

    // The window, given all the pieces at once, shows the same mass; given
    // one piece by its mass, its length.
    const std::size_t quantity = static_cast<std::size_t>(Kind(row.choices.kind).quantityRow);
    FieldTexts whole = row.fields;
    whole[quantity] = row.whole;
    Choices massMode = row.choices;
    massMode.massMode = row.choices.massMode || row.choices.kind == pkSheet;
    if (massMode.massMode)
        EXPECT_EQ(WindowShows(massMode, whole), row.mass);
    else
        EXPECT_EQ(WindowShows(row.choices, row.fields), row.pieceLength);
}

INSTANTIATE_TEST_SUITE_P(Table, PositionMass, testing::ValuesIn(kMassRows),
                         [](const testing::TestParamInfo<MassRow> &info) { return std::string(info.param.name); });

struct RefusalRow {
    const char *name;
    Choices choices;
    FieldTexts fields;
    const char *why;
};
void PrintTo(const RefusalRow &row, std::ostream *os) { *os << row.name; }

const RefusalRow kRefusals[] = {
    {"NoLength", ChoicesOf(pkPipe, mtCarbonSteel, kMass), {"0", "57", "3.5", "0", "0"}, "не задано количество"},
    {"ZeroShown", ChoicesOf(pkPipe, mtCarbonSteel, kMass), {"0", "57", "3.5", "0.01", "0"}, "результат равен нулю"},
    {"ZeroWidthByMass", ChoicesOf(pkSquare, mtCarbonSteel, kLength), {"0", "0", "5", "0", "0"}, "ошибка в расчёте"},
    {"OutOfRange", ChoicesOf(pkSquare, mtLead, kMass), {"0", "99999", "99999", "0", "0"}, "ошибка в расчёте"},
    {"PartSheet", ChoicesOf(pkSheet, mtCarbonSteel, kMass), {"0", "1000", "2000", "2", "2.5"}, "число листов не целое"},
    {"SheetWithoutThickness",
     ChoicesOf(pkSheet, mtCarbonSteel, kLength),
     {"0", "1000", "2000", "0", "2"},
     "результат равен нулю"},
};

class Refusal : public testing::TestWithParam<RefusalRow> {};

TEST_P(Refusal, SaysWhy)
{
    const RefusalRow &row = GetParam();
    try {
        PositionFrom(row.choices, row.fields);
        FAIL() << "added";
    } catch (const OrderError &error) {
        EXPECT_STREQ(error.what(), row.why);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Refusal, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<RefusalRow> &info) { return std::string(info.param.name); });

struct CostRow {
    const char *name;
    ProfileKind kind;
    FieldTexts fields;  // one piece
    std::int64_t pieces;
    const char *price;
    PriceUnit unit;
    const char *cost;  // ₽, by hand from the shown quantity
};
void PrintTo(const CostRow &row, std::ostream *os) { *os << row.name; }

// Carbon steel. Each price meets a quantity whose product binary floating
// point gets wrong or cannot hold: 2.675 and 0.345 are just below their
// halves as doubles, 0.1 × 3 is not 0.3.
const CostRow kCosts[] = {
    // Beam 200×100×5.6×8.5 by its formula: w = (5.6 × 183 + 100 × 17) × 7.9 ÷ 1000 = 21.52592,
    // 24 m 516.622 kg, shown 516.6 = 0.5166 t × 85 000.
    {"PerTonne", pkBeam, {"200", "100", "5.6", "8.5", "6"}, 4, "85000", PriceUnit::PerTonne, "43" NBSP "911.00"},
    // Square 10 × 338.6 m: 267.494 kg, shown 267.5 = 0.2675 t × 10 ₽ = 2.675, half away: 2.68.
    {"PerTonneHalfKopeck", pkSquare, {"0", "10", "338.6", "0", "0"}, 1, "10", PriceUnit::PerTonne, "2.68"},
    // Square 10 × 0.4 m: 0.3 kg × 0.1 ₽ = 0.03.
    {"PerKilogramTenths", pkSquare, {"0", "10", "0.4", "0", "0"}, 1, "0.1", PriceUnit::PerKilogram, "0.03"},
    // Square 20 2 m: 3.16 × 2 = 6.32 kg, shown 6.3 × 450.
    {"PerKilogram", pkSquare, {"0", "20", "2", "0", "0"}, 1, "450", PriceUnit::PerKilogram, "2" NBSP "835.00"},
    // 3 × 0.1 m = 0.3 m × 1.15 = 0.345, half away: 0.35.
    {"PerMetreHalfKopeck", pkSquare, {"0", "10", "0.1", "0", "0"}, 3, "1.15", PriceUnit::PerMetre, "0.35"},
    {"PerMetre", pkPipe, {"0", "57", "3.5", "12", "0"}, 1, "120", PriceUnit::PerMetre, "1" NBSP "440.00"},
    // A million pieces at a kopeck.
    {"PerPieceMillion", pkSquare, {"0", "10", "1", "0", "0"}, 1000000, "0.01", PriceUnit::PerPiece, "10" NBSP "000.00"},
    // 3 × 1.25 × 2.5 = 9.375 m² × 0.02 = 0.1875, half away: 0.19.
    {"PerSquareMetre", pkSheet, {"0", "1250", "2500", "2", "3"}, 3, "0.02", PriceUnit::PerSquareMetre, "0.19"},
    // 148.1 kg = 0.1481 t × 90 000.
    {"SheetPerTonne", pkSheet, {"0", "1250", "2500", "2", "3"}, 3, "90000", PriceUnit::PerTonne, "13" NBSP "329.00"},
};

Position PricedPosition(ProfileKind kind, FieldTexts fields, std::int64_t pieces, const char *price, PriceUnit unit)
{
    Position position = PositionFrom(ChoicesOf(kind, mtCarbonSteel, kMass), fields);
    position.pieces = pieces;
    position.price = *Decimal::Parse(price, kPriceDecimals);
    position.unit = unit;
    return position;
}

class Cost : public testing::TestWithParam<CostRow> {};

TEST_P(Cost, IsTheShownQuantityTimesThePrice)
{
    const CostRow &row = GetParam();
    const Position position = PricedPosition(row.kind, row.fields, row.pieces, row.price, row.unit);
    EXPECT_EQ(MoneyText(FiguresOf(position).cost, NBSP), row.cost);
}

INSTANTIATE_TEST_SUITE_P(Table, Cost, testing::ValuesIn(kCosts),
                         [](const testing::TestParamInfo<CostRow> &info) { return std::string(info.param.name); });

TEST(Cost, RefusesWhatDoesNotFitRatherThanWrapping)
{
    Position position = PricedPosition(pkSquare, {"0", "10", "1", "0", "0"}, 1, "99999999999.99", PriceUnit::PerPiece);
    position.pieces = 1000000;  // 790 000 kg, but 10^17 ₽
    EXPECT_THROW(FiguresOf(position), OrderError);
    position.unit = PriceUnit::PerSquareMetre;  // a sheet's unit
    position.pieces = 1;
    EXPECT_THROW(FiguresOf(position), OrderError);
}

TEST(PositionName, SizeOrDimensions)
{
    const auto name = [](Choices choices, FieldTexts fields) { return PositionName(PositionFrom(choices, fields)); };
    EXPECT_EQ(name(ChoicesOf(pkBeam, mtCarbonSteel, kMass, "ГОСТ 26020-83", "20Б1"), {"200", "100", "5.6", "8.5", "6"}),
              "Балка 20Б1, ГОСТ 26020-83");
    EXPECT_EQ(name(ChoicesOf(pkPipe, mtCarbonSteel, kMass), {"0", "57", "3.5", "1", "0"}), "Труба 57×3.5");
    // A sheet's standard gives only its thickness: it is named by its sizes.
    EXPECT_EQ(name(ChoicesOf(pkSheet, mtCarbonSteel, kMass, "ГОСТ 19903-74", "2.0"), {"0", "1250", "2500", "2", "3"}),
              "Лист 2×1250×2500");
    EXPECT_EQ(MaterialName(mtStainlessSteel), "Нержавеющая сталь");
}

// Totals add the shown costs: ten positions of 0.1 ₽ and twenty of 0.2 ₽
// make 5.00 ₽, which adding the doubles does not.
TEST(Order, TotalsAddThePositionsAsShown)
{
    Order order;
    for (int i = 0; i < 30; ++i)
        order.Append(
            PricedPosition(pkSquare, {"0", "10", "1", "0", "0"}, 1, i < 10 ? "0.1" : "0.2", PriceUnit::PerPiece));
    EXPECT_EQ(order.totals().count, 30u);
    EXPECT_EQ(MoneyText(order.totals().cost, ""), "5.00");
    EXPECT_EQ(MassText(order.totals().massTenths, ""), "24.0");  // 30 × 0.8 kg as shown
    EXPECT_EQ(TonnesText(order.totals().massTenths, ""), "0.02");
}

// Each change, then its undo, last first; the totals follow every step.
TEST(Order, EditsRemovalsAndMovesUndo)
{
    Order order;
    for (const char *price : {"1", "2", "3", "4"})
        order.Append(PricedPosition(pkSquare, {"0", "10", "1", "0", "0"}, 1, price, PriceUnit::PerPiece));
    const auto prices = [&order] {
        std::string text;
        for (std::size_t row = 0; row < order.size(); ++row)
            text += order.position(row).price.text();
        return text + " " + MoneyText(order.totals().cost, "");
    };
    EXPECT_EQ(prices(), "1234 10.00");

    Position edited = order.position(1);
    edited.pieces = 5;
    order.Replace(1, edited);
    EXPECT_EQ(prices(), "1234 18.00");
    Position refused = edited;
    refused.pieces = 0;
    EXPECT_THROW(order.Replace(1, refused), OrderError);
    EXPECT_EQ(prices(), "1234 18.00");

    const std::size_t removed[] = {3, 0};
    order.Remove(removed);
    EXPECT_EQ(prices(), "23 13.00");
    EXPECT_TRUE(order.Move(0, 1));
    EXPECT_FALSE(order.Move(1, 1));
    EXPECT_EQ(prices(), "32 13.00");

    EXPECT_EQ(order.Undo(), 0u);
    EXPECT_EQ(prices(), "23 13.00");
    EXPECT_EQ(order.Undo(), 0u);
    EXPECT_EQ(prices(), "1234 18.00");
    EXPECT_EQ(order.totals().count, 4u);
    EXPECT_EQ(order.Undo(), 1u);
    EXPECT_EQ(prices(), "1234 10.00");
    EXPECT_FALSE(order.Undo().has_value());
}

struct DecimalRow {
    const char *text;
    bool parses;
    const char *back;  // text(), rounded to two decimals
    std::int64_t kopecks;
};

TEST(Decimal, ParsesOnlyPlainDecimals)
{
    const DecimalRow rows[] = {
        {"0.125", true, "0.125", 13}, {"2.50", true, "2.50", 250}, {".5", true, "0.5", 50},
        {"1e3", false, "", 0},        {"-1", false, "", 0},        {"", false, "", 0},
        {".", false, "", 0},          {"1.2.3", false, "", 0},     {"1234567890123456", false, "", 0},
    };
    for (const DecimalRow &row : rows) {
        const auto d = Decimal::Parse(row.text);
        ASSERT_EQ(d.has_value(), row.parses) << row.text;
        if (d) {
            EXPECT_EQ(d->text(), row.back);
            EXPECT_EQ(d->RoundedTo(2), row.kopecks) << row.text;
        }
    }
    EXPECT_FALSE(Decimal::Parse("0.125", kPriceDecimals));
}

}  // namespace
