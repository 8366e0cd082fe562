// An order: a list of positions, each a calculation of the window kept with
// its number of pieces and its price, and the totals of the list.
//
// A position holds what recomputes it, never its results: the kind, the
// material, the standard size if one was chosen, the texts of the dimension
// rows, the pieces and what one piece is. Its figures follow from these by
// the window's own rule (ResultValue), so the same inputs give the same
// numbers in the window and in the list:
//
// - given by its length (the window's mass mode): its mass is the result for
//   the whole length, pieces × length, as if that were typed as the window's
//   quantity ("4 pieces of 6 m" weighs what 24 m weighs in the window);
// - given by its mass (the window's length mode): its mass is pieces × the
//   mass of one, its length per piece the window's result for that mass;
// - a sheet: its mass is the window's result for that number of sheets.
//
// Every number the list shows is rounded as the window rounds its result,
// and a cost is computed from the number as shown: shown quantity × price,
// in exact decimals, rounded to the kopeck half away from zero. The totals
// add the positions as shown.
//
// A file of the order needs no more than a position's fields to read it
// back: the kind and material by id, the size by FindSize (the standard's
// number and the designation), the texts and decimals as their text().
#pragma once

#include "calculator.h"
#include "decimal.h"
#include "result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace metal {

// Why a calculation cannot become a position, or an edit is refused; the
// text says it to the person ("результат равен нулю").
class OrderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class PriceUnit : std::uint8_t { PerTonne, PerKilogram, PerMetre, PerPiece, PerSquareMetre };
inline constexpr std::array<PriceUnit, 5> kPriceUnits{PriceUnit::PerTonne, PriceUnit::PerKilogram, PriceUnit::PerMetre,
                                                      PriceUnit::PerPiece, PriceUnit::PerSquareMetre};
// "₽/т", "₽/кг", "₽/м", "₽/шт", "₽/м²".
std::string_view PriceUnitText(PriceUnit unit);
// A sheet is priced by the square metre and not by the metre; every other
// kind the other way round.
bool PriceUnitFits(ProfileKind kind, PriceUnit unit);

// Prices are money: at most two decimals.
inline constexpr int kPriceDecimals = 2;

struct Position {
    // The kind, material and size; massMode says what a piece is given by:
    // its length (mass mode) or its mass. Always mass mode for a sheet.
    Choices choices;
    std::array<std::string, kRowCount> fields;  // as typed; the quantity row is unused
    std::int64_t pieces = 1;                    // pieces, or sheets
    Decimal perPiece;                           // m, or kg, of one piece; unused for a sheet
    Decimal price;                              // ₽ per unit
    PriceUnit unit = PriceUnit::PerTonne;
};

// A position's numbers as the list shows them.
struct PositionFigures {
    std::int64_t massTenths = 0;         // kg
    std::optional<Decimal> pieceLength;  // m; none for a sheet
    Money cost;
};

// The figures of a position. Throws OrderError when the position has none:
// a field that does not parse, a result out of the shown range, an amount
// too large to count.
PositionFigures FiguresOf(const Position &position);

// The window's calculation as a position of one piece (of the length or the
// mass typed), or of the typed number of sheets, at no price per tonne.
// Throws OrderError, saying why, on an error or a zero result.
Position PositionFrom(const Choices &choices, const FieldTexts &fields);

// "Балка 20Б1, ГОСТ 26020-83" with a standard size (other than a sheet's
// thickness), else the kind and its dimensions: "Труба 57×3.5", a sheet by
// thickness × width × length.
std::string PositionName(const Position &position);
// "Балка", "Круг / Пруток".
std::string_view KindName(ProfileKind kind);
// "Углеродная сталь".
std::string_view MaterialName(MaterialId material);

// The size of a kind's standard by the standard's number and the
// designation, as a position names them; empty when there is none.
ChosenSize FindSize(ProfileKind kind, std::string_view standardNumber, std::string_view designation);

// Mass in kg, "1 240.5"; in tonnes to two decimals (half away from zero),
// "1.24".
std::string MassText(std::int64_t massTenths, std::string_view groupSeparator);
std::string TonnesText(std::int64_t massTenths, std::string_view groupSeparator);

struct OrderTotals {
    std::size_t count = 0;
    std::int64_t massTenths = 0;
    Money cost;
};

// The list. Each change keeps the figures of its positions and the totals
// at once; edits, removals and moves can be undone, last first.
class Order {
public:
    std::size_t size() const { return positions_.size(); }
    bool empty() const { return positions_.empty(); }
    const Position &position(std::size_t row) const { return positions_[row].position; }
    const PositionFigures &figures(std::size_t row) const { return positions_[row].figures; }
    const OrderTotals &totals() const { return totals_; }

    // Throws OrderError, leaving the order as it was.
    void Append(Position position);
    // An edit; throws OrderError, leaving the order as it was.
    void Replace(std::size_t row, Position position);
    // Removes the rows, given in any order, as one step.
    void Remove(std::span<const std::size_t> rows);
    // Swaps the row with the one above (-1) or below (1); false at an end.
    bool Move(std::size_t row, int step);

    bool canUndo() const { return !history_.empty(); }
    // Undoes the last edit, removal or move; returns the first row it
    // changed, or nothing when there was nothing to undo.
    std::optional<std::size_t> Undo();

private:
    struct Entry {
        Position position;
        PositionFigures figures;
    };
    struct Step {
        enum class Kind : std::uint8_t { Edit, Removal, Move } kind;
        std::size_t row;                                    // edited, or moved from
        std::size_t other;                                  // moved to
        std::vector<std::pair<std::size_t, Entry>> before;  // ascending rows
    };
    void Count(const PositionFigures &figures, int sign);

    std::vector<Entry> positions_;
    std::vector<Step> history_;
    OrderTotals totals_;
};

}  // namespace metal
