// The one rule of the shown result: what the window shows for the current
// choices and field texts, and what a position of an order recomputes.
// A standard size makes the result its standard's mass, except the sheet's,
// whose standard gives only the thickness: its result stays the formula.
#pragma once

#include "calculator.h"
#include "catalogue.h"
#include "standards.h"

#include <optional>

namespace metal {

// A standard size as it was chosen: the size and the standard that lists
// it, together or not at all (the same designation can name other sections
// in other standards).
struct ChosenSize {
    const Standard *standard = nullptr;
    const StandardSize *size = nullptr;

    constexpr explicit operator bool() const { return size != nullptr; }
    friend constexpr bool operator==(const ChosenSize &, const ChosenSize &) = default;
};

// The four choices of a calculation.
struct Choices {
    ProfileKind kind = pkPipe;
    MaterialId material = mtCarbonSteel;
    bool massMode = true;
    ChosenSize size;
};

// Whether the result is the standard's mass of the chosen size rather than
// the kind's formula.
bool UsesStandardMass(const Choices &choices);

// The value shown for the choices and the texts of the five rows: the
// standard's mass of a chosen size, otherwise the kind's formula. Throws
// CalcError on a field that does not parse or a division by zero.
double ResultValue(const Choices &choices, const FieldTexts &fields);

// Whether the window computes at all: not while the quantity (the lowest
// row of the kind) is empty or "0".
bool QuantityGiven(const Choices &choices, const FieldTexts &fields);

// The result as the window shows it ("4.6 кг ", or the error text), or
// nothing where the window keeps what it showed: no quantity given, or a
// field that does not parse, or a division by zero.
std::optional<ResultText> ShownResultOf(const Choices &choices, const FieldTexts &fields,
                                        std::string_view groupSeparator);

}  // namespace metal
