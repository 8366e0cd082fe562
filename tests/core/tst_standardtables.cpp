// The standard size tables: every shipped size against the drawing of its
// section and the standard's rule for the mass; the lists' names, lengths and
// order; the fields a size fills; the mass it gives in each material.
#include "calculator.h"
#include "catalogue.h"
#include "sizesearch.h"
#include "standards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <numbers>
#include <span>
#include <string>
#include <vector>

using namespace metal;

namespace {

using std::numbers::pi;

// One shipped size and where the list shows it.
struct Entry {
    ProfileKind kind;
    const Standard *standard;
    const SizeSeries *series;
    const StandardSize *size;
};

std::vector<Entry> AllSizes()
{
    std::vector<Entry> all;
    for (int k = 1; k <= kKindCount; ++k)
        for (const Standard &standard : StandardsOf(static_cast<ProfileKind>(k)))
            for (const SizeSeries &series : standard.series)
                for (const StandardSize &size : series.sizes)
                    all.push_back({static_cast<ProfileKind>(k), &standard, &series, &size});
    return all;
}

std::string Where(const Entry &e)
{
    return std::string(e.standard->number) + " «" + std::string(e.series->name) + "» " +
           std::string(e.size->designation());
}

// The first size of a kind with this designation (and standard, if given).
Entry Find(ProfileKind kind, std::string_view designation, std::string_view number = {})
{
    for (const Entry &e : AllSizes())
        if (e.kind == kind && e.size->designation() == designation && (number.empty() || e.standard->number == number))
            return e;
    ADD_FAILURE() << "no size " << designation << " " << number;
    return {};
}

// How many geometry values each section has, in Section's order; the rest are 0.
constexpr int kValueCount[] = {6, 5, 6, 6, 5, 5, 2, 1, 1, 1, 1};
int ValueCount(Section section) { return kValueCount[static_cast<int>(section)]; }

// The area per R² that a fillet adds where a web meets a flange sloped by
// `slope` (a toe's rounding takes as much per r²): cot(45° + α/2) − (90° − α)/2,
// α = atan(slope); 1 − π/4 where the faces are parallel.
double Fillet(double slope)
{
    const double a = std::atan(slope);
    return 1 / std::tan(pi / 4 + a / 2) - (pi / 2 - a) / 2;
}

// The area in cm² that the drawing of a section gives its geometry (mm). A
// sloped flange's t is measured where each outstand is t(b − s)/2.
double DrawnArea(Section section, const std::array<double, 6> &g)
{
    const double k0 = Fillet(0), fillets = g[4] * g[4] - g[5] * g[5], corners = g[3] * g[3] - g[4] * g[4];
    switch (section) {
    case Section::SlopedIBeam:
        return (g[0] * g[2] + 2 * g[3] * (g[1] - g[2]) + 4 * Fillet(0.12) * fillets) / 100;
    case Section::ParallelIBeam:
        return (2 * g[1] * g[3] + (g[0] - 2 * g[3]) * g[2] + 4 * k0 * g[4] * g[4]) / 100;
    case Section::SlopedChannel:
        return (g[0] * g[2] + 2 * g[3] * (g[1] - g[2]) + 2 * Fillet(0.10) * fillets) / 100;
    case Section::ParallelChannel:
        return (g[0] * g[2] + 2 * g[3] * (g[1] - g[2]) + 2 * k0 * fillets) / 100;
    case Section::Angle:
        return (g[2] * (g[0] + g[1] - g[2]) + k0 * (g[3] * g[3] - 2 * g[4] * g[4])) / 100;
    case Section::HollowSection:
        return (2 * g[2] * (g[0] + g[1] - 2 * g[2]) - (4 - pi) * corners) / 100;
    case Section::Pipe:
        return pi * g[1] * (g[0] - g[1]) / 100;
    case Section::SquareBar:
        return g[0] * g[0] / 100;
    case Section::HexagonBar:
        return std::sqrt(3.0) / 2 * g[0] * g[0] / 100;
    case Section::RoundBar:
        return pi / 4 * g[0] * g[0] / 100;
    case Section::SheetThickness:
        break;
    }
    return 0;
}

// Decimals of the shortest text of a value: no more than it was printed with.
int WrittenDecimals(double value)
{
    char text[32];
    const std::string_view s(text, static_cast<std::size_t>(std::to_chars(text, text + sizeof text, value).ptr - text));
    return s.find('.') == s.npos ? 0 : static_cast<int>(s.size() - s.find('.') - 1);
}

// (drawn − printed) / printed.
double AreaDeviation(Section section, const StandardSize &size)
{
    return (DrawnArea(section, size.geometry) - size.area) / size.area;
}
// Off its drawing: by more than the standard's tolerance (never over 1 %)
// and by more than the printed area's own rounding (8732 prints 20×2.5 as
// 1.37 cm², 0.33 % under its drawing and within half its last digit).
bool AreaOff(const Standard &standard, const StandardSize &size)
{
    const double tolerance = std::min(standard.areaTolerance, 0.01);
    const double rounding = 0.5 * std::pow(10.0, -WrittenDecimals(size.area));
    return std::abs(AreaDeviation(standard.section, size)) > tolerance &&
           std::abs(DrawnArea(standard.section, size.geometry) - size.area) > rounding + 1e-12;
}

// (printed − from the area) / from the area; more than the rounding of both
// printed numbers; and more than the limit.
struct MassCheck {
    double deviation;
    bool beyondRounding, misprint;
};

// The printed mass against 0.785 kg/m per cm² of the printed area (the sheet:
// 7.85 kg/m² per mm). Within the rounding of both numbers it agrees; the
// area's rounding is taken from its shortest text, which has no more decimals
// than the print, so that bound is never too tight. Beyond the rounding but
// under 1 % is what the standards do where they print areas to three figures
// and masses from the unrounded areas (8239, 8240, 26020 Д); over 1 % is a
// misprint. The sheet's mass must round exactly; the pipes' mass, their
// formula unrounded, must match the area to 0.3 %. Where no area is printed
// (water-gas pipe, round bar) the mass is held to the drawing's area.
MassCheck CheckMass(Section section, const StandardSize &size)
{
    double expected = kStandardDensity * size.geometry[0], limit = 0;
    const bool formula = section == Section::Pipe && size.area > 0;
    double rounding = formula ? 0 : 0.5 * std::pow(10.0, -size.massDecimals);
    if (section != Section::SheetThickness && size.area == 0) {
        expected = kStandardDensity / 10 * DrawnArea(section, size.geometry);
        limit = 0.01;
    } else if (section != Section::SheetThickness) {
        expected = kStandardDensity / 10 * size.area;
        rounding += kStandardDensity / 10 * 0.5 * std::pow(10.0, -WrittenDecimals(size.area));
        limit = formula ? 0.003 : 0.01;
    }
    const double deviation = (size.massPerMetre - expected) / expected;
    const bool beyond = std::abs(size.massPerMetre - expected) > rounding + 1e-9;
    return {deviation, beyond, beyond && std::abs(deviation) > limit};
}

// Standards that print the mass of the drawing's unrounded area, and how far
// from 0.785 × that area, in units of the mass's last printed digit: GOST
// 30245-2003 rounds it (one decimal from 100 kg/m on); GOST 8639-82 and
// 8645-68 cut the last digit and take areas rounded to three figures. A mass
// from the printed, rounded area (30245's first transcription) or a
// misprint under 1 % passes CheckMass, not this.
struct MassRule {
    std::string_view number;
    double units;
};
constexpr MassRule kMassRules[] = {{"ГОСТ 30245-2003", 0.5}, {"ГОСТ 8639-82", 2}, {"ГОСТ 8645-68", 2}};
const MassRule *MassRuleOf(const Standard &standard)
{
    for (const MassRule &rule : kMassRules)
        if (rule.number == standard.number)
            return &rule;
    return nullptr;
}
bool OffDrawnAreaMass(const MassRule &rule, Section section, const StandardSize &size)
{
    const double unit = std::pow(10.0, -size.massDecimals);
    return std::abs(size.massPerMetre - kStandardDensity / 10 * DrawnArea(section, size.geometry)) >
           rule.units * unit + 1e-9;
}

// The largest deviation of a list, as "+0.401 % (10)".
struct Worst {
    double value = 0;
    std::string text = "n/a";
    void Take(double v, std::string_view designation)
    {
        if (text != "n/a" && std::abs(v) <= std::abs(value))
            return;
        char number[32];
        std::snprintf(number, sizeof number, "%+.3f %% (", 100 * v);
        value = v;
        text = number + std::string(designation) + ")";
    }
};

// Every row of every list: the section's geometry values, the printed area
// from them, the mass from the area. Prints each list's worst deviations, to
// read beside check_gost.py's report.
TEST(StandardSizes, EveryRowAgreesWithItsDrawingAndItsMass)
{
    const std::vector<Entry> all = AllSizes();
    ASSERT_FALSE(all.empty());
    for (std::size_t i = 0; i < all.size();) {
        const Entry &first = all[i];
        const Section section = first.standard->section;
        Worst area, mass;
        int rows = 0, minor = 0;
        for (; i < all.size() && all[i].series == first.series; ++i, ++rows) {
            const StandardSize &size = *all[i].size;
            const std::string where = Where(all[i]);
            for (int v = 0; v < 6; ++v)
                EXPECT_TRUE(v < ValueCount(section) ? size.geometry[v] > 0 : size.geometry[v] == 0)
                    << where << " #" << v;
            EXPECT_TRUE(size.massPerMetre > 0 && size.massDecimals >= 0 && size.massDecimals <= 3) << where;
            if (section == Section::SheetThickness) {
                EXPECT_EQ(size.area, 0) << where;
            } else if (size.area == 0) {  // none printed: the mass is held to the drawing
                EXPECT_TRUE(section == Section::Pipe || section == Section::RoundBar) << where;
            } else {
                area.Take(AreaDeviation(section, size), size.designation());
                EXPECT_FALSE(AreaOff(*first.standard, size))
                    << where << ": printed " << size.area << " cm², drawn " << DrawnArea(section, size.geometry);
            }
            const MassCheck m = CheckMass(section, size);
            mass.Take(m.deviation, size.designation());
            minor += m.beyondRounding && !m.misprint;
            EXPECT_FALSE(m.misprint) << where << ": " << size.massPerMetre << " kg/m, " << 100 * m.deviation << " %";
            if (const MassRule *rule = MassRuleOf(*first.standard)) {
                EXPECT_FALSE(OffDrawnAreaMass(*rule, section, size)) << where << ": " << size.massPerMetre << " kg/m";
            }
            if (section == Section::Pipe && size.area > 0) {  // the mass of the pipes that print sizes only
                const double d = size.geometry[0], t = size.geometry[1];
                EXPECT_DOUBLE_EQ(size.massPerMetre, 0.0246615 * t * (d - t)) << where;
            }
        }
        std::cout << "[ summary  ] " << first.standard->number << " «" << first.series->name << "»: " << rows
                  << " rows; worst area " << area.text << "; worst mass " << mass.text << "; " << minor
                  << " beyond rounding, under the limit\n";
    }
}

// The lists in the menu's order, with the lengths of the transcriptions in
// tools/standards/data; the strip has none.
struct ListRow {
    ProfileKind kind;
    const char *number;
    Section section;
    const char *series;
    std::size_t count;
    const char *first, *last;
    std::size_t bracketed = 0;  // sizes not for new designs
};
const ListRow kLists[] = {
    {pkPipe, "ГОСТ 10704-91", Section::Pipe, "электросварные", 803, "10×1", "1420×20"},
    // 1276 sizes and 517 that the standard marks * (D 20 … 508, walls 2.6 and 3.2)
    {pkPipe, "ГОСТ 8732-78", Section::Pipe, "бесшовные горячедеформированные", 1793, "20×2.5", "550×75", 590},
    {pkPipe, "ГОСТ 3262-75", Section::Pipe, "ВГП лёгкие", 15, "Ду 6×1.8 (10.2)", "Ду 150×4 (165)"},
    {pkPipe, "ГОСТ 3262-75", Section::Pipe, "ВГП обыкновенные", 15, "Ду 6×2 (10.2)", "Ду 150×4.5 (165)"},
    {pkPipe, "ГОСТ 3262-75", Section::Pipe, "ВГП усиленные", 15, "Ду 6×2.5 (10.2)", "Ду 150×5.5 (165)"},
    {pkProfilePipe, "ГОСТ 30245-2003", Section::HollowSection, "квадратные", 155, "40×40×2", "300×300×12"},
    {pkProfilePipe, "ГОСТ 30245-2003", Section::HollowSection, "прямоугольные", 424, "50×25×2", "400×200×12"},
    {pkProfilePipe, "ГОСТ 8639-82", Section::HollowSection, "квадратные", 93, "10×10×1", "180×180×14"},
    {pkProfilePipe, "ГОСТ 8639-82", Section::HollowSection, "специальные размеры", 3, "32×32×4", "65×65×6"},
    {pkProfilePipe, "ГОСТ 8645-68", Section::HollowSection, "прямоугольные", 231, "15×10×1", "180×150×12", 10},
    {pkProfilePipe, "ГОСТ 8645-68", Section::HollowSection, "специальные размеры", 17, "28×25×1.5", "230×100×8"},
    {pkSquare, "ГОСТ 2591-88", Section::SquareBar, "квадрат", 65, "6", "200"},
    {pkRound, "ГОСТ 2590-2006", Section::RoundBar, "круг", 100, "5", "270"},
    {pkAngle, "ГОСТ 8509-93", Section::Angle, "равнополочные", 89, "20×20×3", "250×250×35"},
    {pkAngle, "ГОСТ 8510-86", Section::Angle, "неравнополочные", 62, "25×16×3", "200×125×16"},
    {pkSheet, "ГОСТ 19903-74", Section::SheetThickness, "толщина листа", 117, "0.40", "160"},
    {pkHexagon, "ГОСТ 2879-88", Section::HexagonBar, "шестигранник", 41, "8", "100"},
    {pkChannel, "ГОСТ 8240-97", Section::SlopedChannel, "У — с уклоном граней полок", 18, "5У", "40У"},
    {pkChannel, "ГОСТ 8240-97", Section::ParallelChannel, "П — с параллельными гранями полок", 18, "5П", "40П"},
    {pkChannel, "ГОСТ 8240-97", Section::ParallelChannel, "Э — экономичные", 16, "5Э", "40Э"},
    {pkBeam, "ГОСТ 8239-89", Section::SlopedIBeam, "с уклоном граней полок", 17, "10", "60"},
    {pkBeam, "ГОСТ 26020-83", Section::ParallelIBeam, "Б — нормальные", 37, "10Б1", "100Б4"},
    {pkBeam, "ГОСТ 26020-83", Section::ParallelIBeam, "Ш — широкополочные", 26, "20Ш1", "70Ш5"},
    {pkBeam, "ГОСТ 26020-83", Section::ParallelIBeam, "К — колонные", 18, "20К1", "40К5"},
    {pkBeam, "ГОСТ 26020-83", Section::ParallelIBeam, "Д — дополнительные", 10, "24ДБ1", "50ДШ1"},
    {pkBeam, "СТО АСЧМ 20-93", Section::ParallelIBeam, "Б — нормальные", 14, "20Б1", "60Б2"},
    {pkBeam, "СТО АСЧМ 20-93", Section::ParallelIBeam, "Ш — широкополочные", 29, "20Ш1", "100Ш4"},
    {pkBeam, "СТО АСЧМ 20-93", Section::ParallelIBeam, "К — колонные", 16, "20К1", "40К5"},
};

TEST(StandardSizes, ListsAndTheirLengths)
{
    std::size_t n = 0;
    for (int k = 1; k <= kKindCount; ++k)
        for (const Standard &standard : StandardsOf(static_cast<ProfileKind>(k)))
            for (const SizeSeries &series : standard.series) {
                ASSERT_LT(n, std::size(kLists)) << "more lists: " << standard.number << " «" << series.name << "»";
                const ListRow &row = kLists[n++];
                SCOPED_TRACE(std::string(row.number) + " «" + row.series + "»");
                EXPECT_EQ(k, row.kind);
                EXPECT_EQ(standard.number, row.number);
                EXPECT_EQ(standard.section, row.section);
                EXPECT_EQ(series.name, row.series);
                ASSERT_EQ(series.sizes.size(), row.count);
                EXPECT_EQ(series.sizes.front().designation(), row.first);
                EXPECT_EQ(series.sizes.back().designation(), row.last);
                EXPECT_EQ(std::count_if(series.sizes.begin(), series.sizes.end(),
                                        [](const StandardSize &size) { return size.notForNewDesigns; }),
                          row.bracketed);
            }
    EXPECT_EQ(n, std::size(kLists));
    EXPECT_TRUE(StandardsOf(pkStrip).empty());
}

// A water-gas pipe's designation: "Ду 20×2.8 (26.8)", nominal bore × wall
// (outer diameter).
constexpr std::string_view kBore = "Ду ";

// The numbers of a designation: "50×50×5" → 50, 50, 5; "18аУ" → 18;
// "Ду 20×2.8 (26.8)" → 20, 2.8, 26.8.
std::vector<double> NumbersOf(std::string_view designation)
{
    constexpr std::string_view by = "×";
    std::vector<double> numbers;
    if (designation.starts_with(kBore)) {
        designation.remove_prefix(kBore.size());
        const std::size_t open = designation.find(" (");
        if (open == designation.npos || !designation.ends_with(")"))
            return {};
        numbers = NumbersOf(designation.substr(0, open));
        const std::string_view outer = designation.substr(open + 2, designation.size() - open - 3);
        double d = 0;
        if (std::from_chars(outer.data(), outer.data() + outer.size(), d).ptr == outer.data() + outer.size())
            numbers.push_back(d);
        return numbers;
    }
    const char *end = designation.data() + designation.size();
    double value = 0;
    for (auto r = std::from_chars(designation.data(), end, value); r.ec == std::errc();
         r = std::from_chars(r.ptr + by.size(), end, value)) {
        numbers.push_back(value);
        if (!std::string_view(r.ptr, static_cast<std::size_t>(end - r.ptr)).starts_with(by))
            break;
    }
    return numbers;
}

// A designation names its size: pipes, tubes and angles by their dimensions
// (D×t, H×B×t, B×b×t), bars and sheet by theirs; water-gas pipes by the
// nominal bore, under D, the wall and D; beams and channels by their number,
// the nominal height in cm, within 10 % of h. It is unique within a
// standard; two standards of a kind may name a size alike: the same pipe,
// or another section (30Ш1 of 26020 and of СТО АСЧМ 20-93; 40×40×2 of 30245
// and of 8639, other corners), which is why the window names the standard.
// The order is the standard's: beams and channels by their number, not
// decreasing (12Б1, 12Б2); every other list strictly increasing in its
// geometry, first value first (pipes: D, then t). 26020's series Д lists
// 35ДБ1 after 36ДБ1 and the ДШ sizes after the ДБ ones, as the standard
// does: those two may follow a higher number.
TEST(StandardSizes, DesignationsNameTheirSizesUniquelyAndInOrder)
{
    const std::string_view mayFall[] = {"35ДБ1", "30ДШ1"};
    std::map<std::pair<int, std::string_view>, Entry> seen;
    const std::vector<Entry> all = AllSizes();
    int shared = 0, other = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const Entry &e = all[i];
        const std::array<double, 6> &g = e.size->geometry;
        const std::string where = Where(e);
        const std::vector<double> numbers = NumbersOf(e.size->designation());
        ASSERT_FALSE(numbers.empty()) << where;
        const Section section = e.standard->section;
        const bool byNumber = section <= Section::ParallelChannel;  // the beams and channels
        if (byNumber) {
            EXPECT_EQ(numbers.size(), 1u) << where;
            EXPECT_NEAR(g[0], 10 * numbers[0], numbers[0]) << where;
        } else if (e.size->designation().starts_with(kBore)) {
            EXPECT_EQ(numbers.size(), 3u) << where;
            EXPECT_EQ(numbers, (std::vector<double>{numbers[0], g[1], g[0]})) << where;
            EXPECT_LT(numbers[0], g[0]) << where;
        } else {
            const int count = section == Section::Pipe ? 2 : ValueCount(section) == 5 ? 3 : 1;
            EXPECT_EQ(numbers, std::vector<double>(g.begin(), g.begin() + count)) << where;
        }
        if (i > 0 && all[i - 1].series == e.series) {
            const StandardSize &previous = *all[i - 1].size;
            if (!byNumber) {
                EXPECT_LT(previous.geometry, g) << where << " after " << previous.designation();
            } else if (std::find(std::begin(mayFall), std::end(mayFall), e.size->designation()) == std::end(mayFall)) {
                EXPECT_LE(NumbersOf(previous.designation())[0], numbers[0])
                    << where << " after " << previous.designation();
            }
        }
        const auto [it, fresh] = seen.emplace(std::pair{e.kind, e.size->designation()}, e);
        if (!fresh) {
            ++shared;
            other += it->second.size->geometry != g;
            EXPECT_NE(it->second.standard->number, e.standard->number) << where << " twice";
        }
    }
    std::cout << "[ summary  ] designations that two standards of one kind use: " << shared << ", " << other
              << " of them for other sections\n";
}

// The fields that a size fills, as texts; "-" where it leaves the row as it is.
struct Fill {
    ProfileKind kind;
    const char *designation;
    std::array<const char *, kRowCount> rows;
};
const Fill kFills[] = {
    {pkBeam, "20Б1", {"200", "100", "5.6", "8.5", "-"}},  // h, b, s, t
    {pkBeam, "12Б1", {"117.6", "64", "3.8", "5.1", "-"}},
    {pkChannel, "12П", {"-", "52", "120", "4.8", "-"}},  // b, h, s
    {pkAngle, "50×50×5", {"-", "50", "50", "5", "-"}},
    {pkAngle, "200×125×16", {"-", "200", "125", "16", "-"}},
    {pkProfilePipe, "50×25×2", {"-", "50", "25", "2", "-"}},  // H, B, t
    {pkPipe, "57×3.5", {"-", "57", "3.5", "-", "-"}},
    {pkPipe, "Ду 20×2.8 (26.8)", {"-", "26.8", "2.8", "-", "-"}},
    {pkRound, "20", {"-", "20", "-", "-", "-"}},
    {pkHexagon, "47", {"-", "47", "-", "-", "-"}},
    {pkSheet, "0.40", {"-", "-", "-", "0.4", "-"}},  // the thickness only
};

TEST(StandardSizes, WorkedFills)
{
    for (const Fill &fill : kFills) {
        const Entry e = Find(fill.kind, fill.designation);
        ASSERT_NE(e.size, nullptr);
        for (int row = 0; row < kRowCount; ++row) {
            const int g = GeometryOfRow(e.standard->section, row);
            EXPECT_EQ(g < 0 ? "-" : DimensionText(e.size->geometry[static_cast<std::size_t>(g)]), fill.rows[row])
                << fill.designation << " row " << row;
        }
    }
}

// Every size fills only its kind's dimension rows, with at most five
// characters that read back as the value; a filled pipe or round bar gives
// the window's own formula the standard's mass.
TEST(StandardSizes, EveryFillFitsItsFieldAndReadsBack)
{
    for (const Entry &e : AllSizes()) {
        const KindInfo &kind = Kind(e.kind);
        std::array<std::string, kRowCount> texts{};
        for (int row = -1; row <= kRowCount; ++row) {
            const int g = GeometryOfRow(e.standard->section, row);
            if (g < 0)
                continue;
            ASSERT_TRUE(kind.usesRow(row) && row != kind.quantityRow && g < ValueCount(e.standard->section))
                << Where(e) << " row " << row;
            const double value = e.size->geometry[static_cast<std::size_t>(g)];
            const std::string &text = texts[static_cast<std::size_t>(row)] = DimensionText(value);
            EXPECT_LE(text.size(), 5u) << Where(e) << ": " << text;
            EXPECT_EQ(ParseNumber(text), value) << Where(e) << ": " << text;
        }
        if (e.kind == pkPipe || e.kind == pkRound) {
            // The formula's mass unrounded; a printed one (water-gas pipe) rounded.
            texts[static_cast<std::size_t>(kind.quantityRow)] = "1";
            const FieldTexts fields{texts[0], texts[1], texts[2], texts[3], texts[4]};
            const double w = CalculateResult(e.kind, fields, kStandardDensity, true);
            const bool printed = e.size->area == 0 && e.kind == pkPipe;
            EXPECT_NEAR(w, e.size->massPerMetre, printed ? 0.5 * std::pow(10.0, -e.size->massDecimals) : 1e-6 * w)
                << Where(e);
        }
    }
}

// Misprints that the standards or their copies carry, as printed; the shipped
// rows are corrected (or left out). The checks above reject each misprint and
// pass the shipped row.
struct Misprint {
    ProfileKind kind;
    const char *number;
    StandardSize printed;
    bool areaWrong, massWrong;
    bool offRule = false;  // off the standard's own rule for its masses (kMassRules)
    bool shipped = true;   // false: the row is left out of the table
};
const Misprint kMisprints[] = {
    {pkAngle, "ГОСТ 8509-93", {"160×160×14", {160, 160, 14, 16.0, 5.3}, 43.57, 34.20, 2}, true, false},
    {pkAngle, "ГОСТ 8510-86", {"40×30×4", {40, 30, 4, 4.0, 1.3}, 2.67, 2.26, 2}, false, true},
    {pkAngle, "ГОСТ 8510-86", {"40×30×5", {40, 30, 5, 4.0, 1.3}, 3.28, 2.46, 2}, false, true},
    {pkAngle, "ГОСТ 8510-86", {"50×32×4", {50, 32, 4, 5.5, 1.8}, 3.17, 2.4, 1}, false, true},
    {pkAngle, "ГОСТ 8510-86", {"80×50×5", {80, 50, 5, 8.0, 2.7}, 6.36, 4.49, 2}, false, true},
    {pkSquare, "ГОСТ 2591-88", {"38", {38}, 14.14, 11.24, 2}, true, true},
    {pkHexagon, "ГОСТ 2879-88", {"47", {47}, 19.040, 14.95, 2}, true, false},
    // The printed table of 10704: under wall 1.6 of D 18, the mass of wall 1.8.
    {pkPipe, "ГОСТ 10704-91", {"18×1.6", {18, 1.6}, 0.8243, 0.719, 3}, false, true},
    // The first transcription of 30245 multiplied the printed, rounded area
    // by 0.785; the print gives 60×30×2 the values of 60×40×2, which its
    // correction sheet mends.
    {pkProfilePipe, "ГОСТ 30245-2003", {"100×100×8", {100, 100, 8, 20, 12}, 27.24, 21.38, 2}, false, false, true},
    {pkProfilePipe, "ГОСТ 30245-2003", {"350×300×10", {350, 300, 10, 25, 15}, 122.6, 96.24, 2}, false, false, true},
    {pkProfilePipe, "ГОСТ 30245-2003", {"60×30×2", {60, 30, 2, 4, 2}, 3.74, 2.93, 2}, true, false, true},
    // 8645's three misprints; the last one is under 1 %, beyond its rule.
    {pkProfilePipe, "ГОСТ 8645-68", {"25×10×2", {25, 10, 2, 3, 1}, 0.17, 0.919, 3}, true, true},
    {pkProfilePipe, "ГОСТ 8645-68", {"50×35×2.5", {50, 35, 2.5, 3.75, 1.25}, 3.89, 3.09, 2}, false, true, true},
    {pkProfilePipe, "ГОСТ 8645-68", {"196×170×18", {196, 170, 18, 27, 9}, 113.24, 88.99, 2}, false, false, true},
    // A copy of 3262 gives Ду 50 a wall of 4 mm with the mass of 4.5 mm.
    {pkPipe, "ГОСТ 3262-75", {"Ду 50×4.5 (60)", {60, 4}, 0, 6.16, 2}, false, true},
    // The printed column of 8732: 21.3×2.8 as 1.22 kg/m, the formula 1.28.
    {pkPipe, "ГОСТ 8732-78", {"21.3×2.8", {21.3, 2.8}, 0, 1.22, 2}, false, true},
    // 70Б0 of СТО АСЧМ 20-93: its area and mass fit a web of 11.8 mm, not 11.3.
    {pkBeam, "СТО АСЧМ 20-93", {"70Б0", {693, 230, 11.3, 15.2, 24}, 153.05, 120.1, 1}, true, false, false, false},
};

const Standard *StandardNamed(ProfileKind kind, std::string_view number)
{
    for (const Standard &standard : StandardsOf(kind))
        if (standard.number == number)
            return &standard;
    ADD_FAILURE() << "no standard " << number;
    return nullptr;
}

TEST(StandardSizes, ChecksRejectTheKnownMisprints)
{
    for (const Misprint &row : kMisprints) {
        SCOPED_TRACE(std::string(row.number) + " " + std::string(row.printed.designation()));
        const Standard *standard = StandardNamed(row.kind, row.number);
        ASSERT_NE(standard, nullptr);
        const Section section = standard->section;
        const MassRule *rule = MassRuleOf(*standard);
        EXPECT_EQ(row.printed.area > 0 && AreaOff(*standard, row.printed), row.areaWrong);
        EXPECT_EQ(CheckMass(section, row.printed).misprint, row.massWrong);
        EXPECT_EQ(rule && OffDrawnAreaMass(*rule, section, row.printed), row.offRule);
        if (!row.shipped) {
            for (const Entry &e : AllSizes())
                EXPECT_FALSE(e.standard == standard && e.size->designation() == row.printed.designation());
            continue;
        }
        const Entry shipped = Find(row.kind, row.printed.designation(), row.number);
        ASSERT_NE(shipped.size, nullptr);
        if (shipped.size->area > 0) {
            EXPECT_FALSE(AreaOff(*standard, *shipped.size));
        }
        EXPECT_FALSE(CheckMass(section, *shipped.size).misprint);
        EXPECT_FALSE(rule && OffDrawnAreaMass(*rule, section, *shipped.size));
    }
}

// Searches as the window passes them (× for x, a point for a comma), the
// number of sizes they find, and the first ones in order, as "standard
// designation".
struct Query {
    ProfileKind kind;
    const char *search;
    std::size_t count;
    std::vector<const char *> first;
};
const Query kQueries[] = {
    // D 20 of 10704 (7) and 8732 (7), Ду 20 of 3262 (3), then 8732's 35 of D 203.
    {pkPipe,
     "20",
     52,
     {"ГОСТ 10704-91 20×1", "ГОСТ 10704-91 20×1.2", "ГОСТ 10704-91 20×1.4", "ГОСТ 10704-91 20×1.5",
      "ГОСТ 10704-91 20×1.6", "ГОСТ 10704-91 20×1.8", "ГОСТ 10704-91 20×2", "ГОСТ 8732-78 20×2.5",
      "ГОСТ 8732-78 20×2.6", "ГОСТ 8732-78 20×2.8", "ГОСТ 8732-78 20×3", "ГОСТ 8732-78 20×3.2", "ГОСТ 8732-78 20×3.5",
      "ГОСТ 8732-78 20×4", "ГОСТ 3262-75 Ду 20×2.5 (26.8)", "ГОСТ 3262-75 Ду 20×2.8 (26.8)",
      "ГОСТ 3262-75 Ду 20×3.2 (26.8)", "ГОСТ 8732-78 203×6"}},
    // D 40 (10 + 15), Ду 40 (3), then 406.4 and 402.
    {pkPipe, "40", 109, {"ГОСТ 10704-91 40×1.2", "ГОСТ 10704-91 40×1.4", "ГОСТ 10704-91 40×1.5"}},
    {pkPipe, "20×2.8", 2, {"ГОСТ 8732-78 20×2.8", "ГОСТ 3262-75 Ду 20×2.8 (26.8)"}},
    {pkPipe, "ду20", 3, {"ГОСТ 3262-75 Ду 20×2.5 (26.8)", "ГОСТ 3262-75 Ду 20×2.8 (26.8)"}},
    {pkPipe, "Ду 20×2.8", 1, {"ГОСТ 3262-75 Ду 20×2.8 (26.8)"}},
    {pkPipe, "26.8", 3, {"ГОСТ 3262-75 Ду 20×2.5 (26.8)"}},
    {pkPipe, "26.8×2.8", 1, {"ГОСТ 3262-75 Ду 20×2.8 (26.8)"}},
    {pkPipe, "3000", 0, {}},
    {pkBeam,
     "20",
     9,
     {"ГОСТ 8239-89 20", "ГОСТ 26020-83 20Б1", "ГОСТ 26020-83 20Ш1", "ГОСТ 26020-83 20К1", "ГОСТ 26020-83 20К2",
      "СТО АСЧМ 20-93 20Б1", "СТО АСЧМ 20-93 20Ш1", "СТО АСЧМ 20-93 20К1", "СТО АСЧМ 20-93 20К2"}},
    {pkBeam, "30ш1", 2, {"ГОСТ 26020-83 30Ш1", "СТО АСЧМ 20-93 30Ш1"}},
    {pkBeam, "20б", 2, {"ГОСТ 26020-83 20Б1", "СТО АСЧМ 20-93 20Б1"}},
    {pkChannel, "12п", 1, {"ГОСТ 8240-97 12П"}},
    {pkProfilePipe, "20×20", 3, {"ГОСТ 8639-82 20×20×1", "ГОСТ 8639-82 20×20×1.5", "ГОСТ 8639-82 20×20×2"}},
    {pkProfilePipe, "40×20", 5, {"ГОСТ 8645-68 40×20×2", "ГОСТ 8645-68 40×20×2.5"}},
    {pkProfilePipe,
     "40×40×2",
     4,
     {"ГОСТ 30245-2003 40×40×2", "ГОСТ 8639-82 40×40×2", "ГОСТ 30245-2003 40×40×2.5", "ГОСТ 8639-82 40×40×2.5"}},
    {pkSheet, "0.4", 2, {"ГОСТ 19903-74 0.40", "ГОСТ 19903-74 0.45"}},
    {pkRound, "20", 2, {"ГОСТ 2590-2006 20", "ГОСТ 2590-2006 200"}},
};

// The exact designation first, then those whose first number is the
// search's, then the rest that start with it; each in the list's order.
TEST(SizeSearch, RanksTheExactDesignationFirstThenItsFirstNumber)
{
    for (const Query &q : kQueries) {
        SCOPED_TRACE("kind " + std::to_string(q.kind) + " \"" + std::string(q.search) + "\"");
        const std::vector<SizeHit> hits = FindSizes(q.kind, q.search);
        EXPECT_EQ(hits.size(), q.count);
        ASSERT_LE(q.first.size(), hits.size());
        for (std::size_t i = 0; i < q.first.size(); ++i)
            EXPECT_EQ(std::string(hits[i].standard->number) + " " + std::string(hits[i].size->designation()),
                      q.first[i])
                << "hit " << i;
    }
    std::size_t all = 0;
    for (const Standard &standard : StandardsOf(pkPipe))
        for (const SizeSeries &series : standard.series)
            all += series.sizes.size();
    EXPECT_EQ(FindSizes(pkPipe, "").size(), all);
    EXPECT_TRUE(FindSizes(pkStrip, "1").empty());
}

// The mass as the window writes it, with the standard's decimals.
struct MassTextRow {
    ProfileKind kind;
    const char *designation;
    MaterialId material;
    const char *text;
};
const MassTextRow kMassTexts[] = {
    {pkBeam, "20", mtCarbonSteel, "21.00"},     {pkBeam, "20Б1", mtCarbonSteel, "22.4"},
    {pkBeam, "20", mtAluminium, "7.22"},        {pkBeam, "20", mtLead, "30.34"},
    {pkSquare, "6", mtCarbonSteel, "0.283"},    {pkSquare, "6", mtAluminium, "0.097"},
    {pkPipe, "57×3.5", mtCarbonSteel, "4.618"}, {pkSheet, "155", mtCarbonSteel, "1217"},
    {pkSheet, "0.45", mtCarbonSteel, "3.532"},
};

// Carbon steel's mass is the standard's as printed (the list's density is
// 7.9, the standards' 7.85); every other material's scales by its density.
TEST(StandardMass, InEachMaterialAsTextAndForAQuantity)
{
    for (const Entry &e : AllSizes()) {
        EXPECT_EQ(StandardMassPerMetre(*e.size, mtCarbonSteel), e.size->massPerMetre) << Where(e);
        for (const MaterialInfo &m : std::span(kMaterials).subspan(1)) {  // after carbon steel
            const double expected = e.size->massPerMetre * m.density / kStandardDensity;
            EXPECT_NEAR(StandardMassPerMetre(*e.size, m.id), expected, 1e-12 * expected) << Where(e) << " " << m.id;
        }
    }
    for (const MassTextRow &row : kMassTexts) {
        const Entry e = Find(row.kind, row.designation);
        ASSERT_NE(e.size, nullptr);
        EXPECT_EQ(StandardMassText(*e.size, row.material), row.text) << Where(e) << " in material " << row.material;
    }
    const Entry i20 = Find(pkBeam, "20", "ГОСТ 8239-89");
    ASSERT_NE(i20.size, nullptr);
    const StandardSize &size = *i20.size;
    EXPECT_EQ(CalculateStandardResult(size, mtCarbonSteel, "1", true), 21.0);
    EXPECT_EQ(CalculateStandardResult(size, mtCarbonSteel, "2.5", true), 52.5);
    EXPECT_EQ(CalculateStandardResult(size, mtCarbonSteel, "42", false), 2.0);
    EXPECT_NEAR(CalculateStandardResult(size, mtAluminium, "1", true), 21.0 * 2.6989 / 7.85, 1e-12);
    for (const char *bad : {"", "abc", "2,5", "1 м"})
        EXPECT_THROW(CalculateStandardResult(size, mtCarbonSteel, bad, true), CalcError) << bad;
}

}  // namespace
