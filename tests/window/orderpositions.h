// The order the window tests of the list's files and exports use: the four
// positions a buyer makes, as the window's calculation gives them.
#pragma once

#include "order.h"

#include <vector>

namespace {

using namespace metal;

// The order of four positions a buyer makes: 20Б1, 4 × 6 m at 85 000 ₽/т;
// pipe 57×3.5, 12 m at 120 ₽/м; sheet 2 × 1250 × 2500, 3 sheets at
// 90 000 ₽/т; stainless square 20, 2 m at 450 ₽/кг.
struct Made {
    Choices choices;
    FieldTexts fields;
    std::int64_t pieces;
    const char *price;
    PriceUnit unit;
};
std::vector<Position> FourPositions()
{
    const Made made[] = {
        {{pkBeam, mtCarbonSteel, true, FindSize(pkBeam, "ГОСТ 26020-83", "20Б1")},
         {"200", "100", "5.6", "8.5", "6"},
         4,
         "85000",
         PriceUnit::PerTonne},
        {{pkPipe, mtCarbonSteel, true, FindSize(pkPipe, "ГОСТ 10704-91", "57×3.5")},
         {"0", "57", "3.5", "12", "0"},
         1,
         "120",
         PriceUnit::PerMetre},
        {{pkSheet, mtCarbonSteel, true, {}}, {"0", "1250", "2500", "2", "3"}, 3, "90000", PriceUnit::PerTonne},
        {{pkSquare, mtStainlessSteel, true, FindSize(pkSquare, "ГОСТ 2591-88", "20")},
         {"0", "20", "2", "0", "0"},
         1,
         "450",
         PriceUnit::PerKilogram},
    };
    std::vector<Position> positions;
    for (const Made &m : made) {
        Position position = PositionFrom(m.choices, m.fields);
        position.pieces = m.pieces;
        position.price = *Decimal::Parse(m.price);
        position.unit = m.unit;
        positions.push_back(position);
    }
    return positions;
}

}  // namespace
