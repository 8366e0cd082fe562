// The arithmetic that turns the texts of the input fields into the result
// text. Numbers are parsed and formatted here with '.' as the decimal
// separator whatever the process locale says; the thousands separator of the
// result is handed in by the caller, which reads the user's locale once.
#pragma once

#include "catalogue.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace metal {

// The one kind of failure of a calculation: a field that is not a number, or
// a division by zero. The window discards it and keeps the previous result.
class CalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decimal number: optional spaces, optional sign, digits with an optional
// '.' and fraction, an optional exponent, optional spaces. At least one digit
// or the '.' must be there ("." is 0). Throws CalcError on any other text and
// on a value too large for a double.
double ParseNumber(std::string_view text);

// Texts of the five input rows, top to bottom.
using FieldTexts = std::array<std::string_view, kRowCount>;

// The value shown for a kind: in mass mode the total mass in kg; in length
// mode the length in m that the mass makes, or for the sheet the area in m².
// Parses only the rows the kind uses. Throws CalcError.
double CalculateResult(ProfileKind kind, const FieldTexts &fields, double density, bool massMode);

inline constexpr std::string_view kErrorText = "Ошибка  ";

struct ResultText {
    std::string text;
    bool error;  // the error text, shown in red without a unit
};

// Rounds to tenths (ties to even) and formats with one decimal, '.' as the
// decimal point and groupSeparator between groups of three digits. A value
// of 9999999.9 or more, or below zero, gives the error text.
ResultText FormatResult(double value, std::string_view groupSeparator);

// "кг ", "м " or, for the sheet in length mode, "м2 ".
std::string_view ResultUnit(bool massMode, ProfileKind kind);
// The shown result: the number, a space, the unit and a space.
std::string WithResultUnit(std::string_view number, bool massMode, ProfileKind kind);
// The result as the window shows it: a number with its unit, the error text
// without one.
std::string ShownResult(const ResultText &result, bool massMode, ProfileKind kind);

std::string_view QuantityCaption(bool massMode);
std::string_view TotalCaption(bool massMode);

// The caption of a row of a kind in the given mode (empty for unused rows).
std::string_view FieldCaption(const KindInfo &kind, int row, bool massMode);

}  // namespace metal
