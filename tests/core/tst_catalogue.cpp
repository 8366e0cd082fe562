// The constant data of the calculator: the materials with their densities,
// the profile kinds with their rows and captions, and the captions and units
// that follow the mode.
#include "calculator.h"
#include "catalogue.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

using namespace metal;

namespace {

struct MaterialRow {
    const char *name;
    MaterialId id;
    const char *caption;
    double density;
};

// Failures name the row.
void PrintTo(const MaterialRow &row, std::ostream *os) { *os << row.name; }

// The material list from top to bottom, with the densities in g/cm³.
const MaterialRow kMaterialRows[] = {
    {"CarbonSteel", mtCarbonSteel, " Углеродная сталь", 7.9},
    {"StainlessSteel", mtStainlessSteel, " Нержавеющая сталь", 7.95},
    {"Aluminium", mtAluminium, " Аллюминий", 2.6989},
    {"Titanium", mtTitanium, " Титан", 4.54},
    {"Copper", mtCopper, " Медь", 8.92},
    {"Nickel", mtNickel, " Никель", 8.902},
    {"CastIron", mtCastIron, " Чугун", 7.2},
    {"Nichrome", mtNichrome, " Нихром", 8.5},
    {"Brass", mtBrass, " Латунь", 8.7},
    {"Bronze", mtBronze, " Бронза", 8.0},
    {"Lead", mtLead, " Свинец", 11.3415},
};

class MaterialTable : public testing::TestWithParam<MaterialRow> {};

TEST_P(MaterialTable, DensityAndCaption)
{
    const MaterialRow &row = GetParam();
    EXPECT_EQ(Densities[row.id], row.density);
    EXPECT_EQ(Material(row.id).id, row.id);
    EXPECT_EQ(Material(row.id).listCaption, row.caption);
}

INSTANTIATE_TEST_SUITE_P(Materials, MaterialTable, testing::ValuesIn(kMaterialRows),
                         [](const testing::TestParamInfo<MaterialRow> &info) { return std::string(info.param.name); });

TEST(Materials, ListIsInIdOrderWithBronzeTenthAndLeadLast)
{
    ASSERT_EQ(kMaterials.size(), 11u);
    for (std::size_t i = 0; i < kMaterials.size(); ++i)
        EXPECT_EQ(kMaterials[i].id, static_cast<MaterialId>(i + 1)) << "place " << i + 1;
    EXPECT_EQ(kMaterials[9].id, mtBronze);
    EXPECT_EQ(kMaterials[9].density, 8.0);
    EXPECT_EQ(kMaterials[10].id, mtLead);
    EXPECT_EQ(kMaterials[10].density, 11.3415);
}

TEST(Materials, DensitiesAreNotTheRoundedTextbookValues)
{
    EXPECT_NE(Densities[mtAluminium], 2.7);
    EXPECT_NE(Densities[mtLead], 11.34);
    EXPECT_NE(Densities[mtNickel], Densities[mtCopper]);
}

TEST(Catalogue, PiHasTwelveDecimals)
{
    EXPECT_EQ(PiValue, 3.141592653589);
    EXPECT_NE(PiValue, 3.141592653589793);
}

struct KindRow {
    const char *name;
    ProfileKind id;
    const char *menuCaption;
    int firstRow;
    int quantityRow;
    // Captions of rows 0..4 in mass mode and in length mode; "" for rows the
    // kind does not use.
    const char *massCaptions[kRowCount];
    const char *lengthCaptions[kRowCount];
};

// Failures name the row.
void PrintTo(const KindRow &row, std::ostream *os) { *os << row.name; }

const KindRow kKindRows[] = {
    {"Pipe",
     pkPipe,
     "    Труба",
     1,
     3,
     {"", "Внешний диаметр, мм", "Толщина стенки, мм", "Длина, м", ""},
     {"", "Внешний диаметр, мм", "Толщина стенки, мм", "Масса, кг", ""}},
    {"ProfilePipe",
     pkProfilePipe,
     "    Труба профильная",
     1,
     4,
     {"", "Высота, мм", "Ширина, мм", "Толщина стенки, мм", "Длина, м"},
     {"", "Высота, мм", "Ширина, мм", "Толщина стенки, мм", "Масса, кг"}},
    {"Square",
     pkSquare,
     "    Квадрат",
     1,
     2,
     {"", "Ширина, мм", "Длина, м", "", ""},
     {"", "Ширина, мм", "Масса, кг", "", ""}},
    {"Round",
     pkRound,
     "    Круг / Пруток",
     1,
     2,
     {"", "Диаметр, мм", "Длина, м", "", ""},
     {"", "Диаметр, мм", "Масса, кг", "", ""}},
    {"Angle",
     pkAngle,
     "    Уголок",
     1,
     4,
     {"", "Высота, мм", "Ширина, мм", "Стенка, мм", "Длина, м"},
     {"", "Высота, мм", "Ширина, мм", "Стенка, мм", "Масса, кг"}},
    // The sheet counts sheets in both modes.
    {"Sheet",
     pkSheet,
     "    Лист",
     1,
     4,
     {"", "Ширина, мм", "Длина, мм", "Толщина, мм", "Количество листов, шт"},
     {"", "Ширина, мм", "Длина, мм", "Толщина, мм", "Количество листов, шт"}},
    {"Strip",
     pkStrip,
     "    Лента",
     1,
     3,
     {"", "Ширина, мм", "Толщина, мм", "Длина, м", ""},
     {"", "Ширина, мм", "Толщина, мм", "Масса, кг", ""}},
    {"Hexagon",
     pkHexagon,
     "    Шестигранник",
     1,
     2,
     {"", "Номер (диаметр), мм", "Длина, м", "", ""},
     {"", "Номер (диаметр), мм", "Масса, кг", "", ""}},
    {"Channel",
     pkChannel,
     "    Швеллер",
     1,
     4,
     {"", "Высота, мм", "Ширина, мм", "Стенка, мм", "Длина, м"},
     {"", "Высота, мм", "Ширина, мм", "Стенка, мм", "Масса, кг"}},
    // The beam alone uses the top row.
    {"Beam",
     pkBeam,
     "    Балка",
     0,
     4,
     {"Высота, мм", "Ширина, мм", "Перемычка, мм", "Стенка, мм", "Длина, м"},
     {"Высота, мм", "Ширина, мм", "Перемычка, мм", "Стенка, мм", "Масса, кг"}},
};

class KindTable : public testing::TestWithParam<KindRow> {};

TEST_P(KindTable, RowsAndQuantityRow)
{
    const KindRow &row = GetParam();
    const KindInfo &kind = Kind(row.id);
    EXPECT_EQ(kind.id, row.id);
    EXPECT_EQ(kind.menuCaption, row.menuCaption);
    EXPECT_EQ(kind.firstRow, row.firstRow);
    EXPECT_EQ(kind.quantityRow, row.quantityRow);
    EXPECT_EQ(kind.rowCount(), row.quantityRow - row.firstRow + 1);
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_EQ(kind.usesRow(r), r >= row.firstRow && r <= row.quantityRow) << "row " << r;
}

TEST_P(KindTable, CaptionsInMassMode)
{
    const KindRow &row = GetParam();
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_EQ(FieldCaption(Kind(row.id), r, true), row.massCaptions[r]) << "row " << r;
}

TEST_P(KindTable, CaptionsInLengthMode)
{
    const KindRow &row = GetParam();
    for (int r = 0; r < kRowCount; ++r)
        EXPECT_EQ(FieldCaption(Kind(row.id), r, false), row.lengthCaptions[r]) << "row " << r;
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindTable, testing::ValuesIn(kKindRows),
                         [](const testing::TestParamInfo<KindRow> &info) { return std::string(info.param.name); });

TEST(Kinds, TableIsInIdOrder)
{
    ASSERT_EQ(kKinds.size(), 10u);
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        EXPECT_EQ(kKinds[i].id, static_cast<ProfileKind>(i + 1)) << "entry " << i;
}

TEST(ModeCaptions, QuantityAndTotal)
{
    EXPECT_EQ(QuantityCaption(true), "Длина, м");
    EXPECT_EQ(QuantityCaption(false), "Масса, кг");
    EXPECT_EQ(TotalCaption(true), "Итого вес:");
    EXPECT_EQ(TotalCaption(false), "Итого длина:");
}

TEST(ResultUnits, MassLengthAndSheetArea)
{
    for (const KindInfo &kind : kKinds) {
        SCOPED_TRACE(std::string(kind.menuCaption));
        EXPECT_EQ(ResultUnit(true, kind.id), "кг ");
        EXPECT_EQ(ResultUnit(false, kind.id), kind.id == pkSheet ? "м2 " : "м ");
    }
}

TEST(ResultUnits, NumberSpaceUnitSpace)
{
    EXPECT_EQ(WithResultUnit("1.6", true, pkSquare), "1.6 кг  ");
    EXPECT_EQ(WithResultUnit("2.0", false, pkSquare), "2.0 м  ");
    EXPECT_EQ(WithResultUnit("6.0", false, pkSheet), "6.0 м2  ");
    EXPECT_EQ(WithResultUnit("94.8", true, pkSheet), "94.8 кг  ");
    EXPECT_EQ(WithResultUnit("0.00", true, pkPipe), "0.00 кг  ");
}

}  // namespace
