// The constant data of the calculator: the ten profile kinds and the eleven
// materials. Everything that differs from kind to kind or from material to
// material is in these two tables; the calculator and the window read them.
#pragma once

#include <array>
#include <string_view>

namespace metal {

enum ProfileKind : int {
    pkPipe = 1,
    pkProfilePipe = 2,
    pkSquare = 3,
    pkRound = 4,
    pkAngle = 5,
    pkSheet = 6,
    pkStrip = 7,
    pkHexagon = 8,
    pkChannel = 9,
    pkBeam = 10,
};

enum MaterialId : int {
    mtCarbonSteel = 1,
    mtStainlessSteel = 2,
    mtAluminium = 3,
    mtTitanium = 4,
    mtCopper = 5,
    mtNickel = 6,
    mtCastIron = 7,
    mtNichrome = 8,
    mtBrass = 9,
    mtBronze = 10,
    mtLead = 11,
};

inline constexpr int kKindCount = 10;
inline constexpr int kMaterialCount = 11;
// Input rows from top to bottom on screen; row 0 is used by the beam only.
inline constexpr int kRowCount = 5;

struct KindInfo {
    ProfileKind id;
    std::string_view menuCaption;  // begins with four spaces
    int firstRow;                  // rows firstRow .. quantityRow are used
    int quantityRow;               // the quantity is the lowest row of the kind
    // Caption of each used row; empty for unused rows and for a quantity row
    // whose caption follows the mode (length or mass).
    std::array<std::string_view, kRowCount> captions;

    constexpr int rowCount() const { return quantityRow - firstRow + 1; }
    constexpr bool usesRow(int row) const { return row >= firstRow && row <= quantityRow; }
    // The sheet counts sheets in both modes; every other quantity is a
    // length in mass mode and a mass in length mode.
    constexpr bool quantityFollowsMode() const { return captions[quantityRow].empty(); }
};

inline constexpr std::array<KindInfo, kKindCount> kKinds{{
    {pkPipe, "    Труба", 1, 3, {"", "Внешний диаметр, мм", "Толщина стенки, мм", "", ""}},
    {pkProfilePipe, "    Труба профильная", 1, 4, {"", "Высота, мм", "Ширина, мм", "Толщина стенки, мм", ""}},
    {pkSquare, "    Квадрат", 1, 2, {"", "Ширина, мм", "", "", ""}},
    {pkRound, "    Круг / Пруток", 1, 2, {"", "Диаметр, мм", "", "", ""}},
    {pkAngle, "    Уголок", 1, 4, {"", "Высота, мм", "Ширина, мм", "Стенка, мм", ""}},
    {pkSheet, "    Лист", 1, 4, {"", "Ширина, мм", "Длина, мм", "Толщина, мм", "Количество листов, шт"}},
    {pkStrip, "    Лента", 1, 3, {"", "Ширина, мм", "Толщина, мм", "", ""}},
    {pkHexagon, "    Шестигранник", 1, 2, {"", "Номер (диаметр), мм", "", "", ""}},
    {pkChannel, "    Швеллер", 1, 4, {"", "Высота, мм", "Ширина, мм", "Стенка, мм", ""}},
    {pkBeam, "    Балка", 0, 4, {"Высота, мм", "Ширина, мм", "Перемычка, мм", "Стенка, мм", ""}},
}};

// Kind ids come only from the menu items, so they are always 1..10.
constexpr const KindInfo &Kind(ProfileKind id) { return kKinds[static_cast<std::size_t>(id) - 1]; }

struct MaterialInfo {
    MaterialId id;
    std::string_view listCaption;  // begins with one space
    double density;                // g/cm³
};

// In id order, which is also the order of the list from top to bottom.
inline constexpr std::array<MaterialInfo, kMaterialCount> kMaterials{{
    {mtCarbonSteel, " Углеродная сталь", 7.9},
    {mtStainlessSteel, " Нержавеющая сталь", 7.95},
    {mtAluminium, " Аллюминий", 2.6989},
    {mtTitanium, " Титан", 4.54},
    {mtCopper, " Медь", 8.92},
    {mtNickel, " Никель", 8.902},
    {mtCastIron, " Чугун", 7.2},
    {mtNichrome, " Нихром", 8.5},
    {mtBrass, " Латунь", 8.7},
    {mtBronze, " Бронза", 8.0},
    {mtLead, " Свинец", 11.3415},
}};

// Material ids come only from the list items' tags, so they are always 1..11.
constexpr const MaterialInfo &Material(MaterialId id) { return kMaterials[static_cast<std::size_t>(id) - 1]; }

// Densities[id], indexed by material id 1..11, read from the material table.
struct DensityTable {
    constexpr double operator[](MaterialId id) const { return Material(id).density; }
};
inline constexpr DensityTable Densities{};

// π to twelve decimals: the pipe and round-bar masses are defined with it,
// so it must not be replaced by the full-precision value.
inline constexpr double PiValue = 3.141592653589;

}  // namespace metal
