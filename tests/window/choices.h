// What a person chooses from, as the window shows it: the ten kinds of the
// profile menu with the rows each shows, and the eleven materials of the
// list. Written out by hand for the window tests, apart from the program's
// own tables.
#pragma once

#include <array>

struct KindShown {
    const char *name;                      // the menu caption after its four spaces
    int itemTop;                           // the menu item's top inside the menu panel
    const char *picture;                   // "pipe": the drawing kind-pipe.png, the photo photo-pipe.jpg
    int firstRow;                          // rows firstRow .. quantityRow are shown
    int quantityRow;                       // the lowest row of the kind
    std::array<const char *, 5> captions;  // rows 0 .. 4; empty: hidden, or the quantity caption of the mode
};

// In the order of the menu, kind 1 at the top.
// clang-format off
inline constexpr std::array<KindShown, 10> kKindsShown{{
    {"Труба",            0,   "pipe",         1, 3, {"", "Внешний диаметр, мм", "Толщина стенки, мм", "", ""}},
    {"Труба профильная", 34,  "profile-pipe", 1, 4, {"", "Высота, мм", "Ширина, мм", "Толщина стенки, мм", ""}},
    {"Квадрат",          67,  "square",       1, 2, {"", "Ширина, мм", "", "", ""}},
    {"Круг / Пруток",    100, "round",        1, 2, {"", "Диаметр, мм", "", "", ""}},
    {"Уголок",           133, "angle",        1, 4, {"", "Высота, мм", "Ширина, мм", "Стенка, мм", ""}},
    {"Лист",             166, "sheet",        1, 4,
        {"", "Ширина, мм", "Длина, мм", "Толщина, мм", "Количество листов, шт"}},
    {"Лента",            199, "strip",        1, 3, {"", "Ширина, мм", "Толщина, мм", "", ""}},
    {"Шестигранник",     232, "hexagon",      1, 2, {"", "Номер (диаметр), мм", "", "", ""}},
    {"Швеллер",          265, "channel",      1, 4, {"", "Высота, мм", "Ширина, мм", "Стенка, мм", ""}},
    {"Балка",            298, "beam",         0, 4, {"Высота, мм", "Ширина, мм", "Перемычка, мм", "Стенка, мм", ""}},
}};
// clang-format on

inline const KindShown &KindShownAs(int kind) { return kKindsShown.at(static_cast<std::size_t>(kind) - 1); }

// The materials from the top of the list, which is the order of their ids.
inline constexpr std::array<const char *, 11> kMaterialNames{
    "Углеродная сталь",
    "Нержавеющая сталь",
    "Аллюминий",
    "Титан",
    "Медь",
    "Никель",
    "Чугун",
    "Нихром",
    "Латунь",
    "Бронза",
    "Свинец",
};
