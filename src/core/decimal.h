// Exact decimal numbers for what an order counts: the quantities as the list
// shows them and money. A person checks a cost with a pocket calculator, so
// a cost is the shown quantity times the price, worked out in decimal digits
// and rounded once to the kopeck; binary floating point never holds money.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace metal {

// units × 10^-scale: "2.50" is {250, 2}. Parsed from and written as text;
// never converted from a double.
struct Decimal {
    std::int64_t units = 0;
    int scale = 0;

    // Digits with at most one '.' (a text as the calculator's fields take
    // it), at most maxScale decimals and 15 digits in all; nothing else.
    static std::optional<Decimal> Parse(std::string_view text, int maxScale = 6);
    static constexpr Decimal Whole(std::int64_t n) { return {n, 0}; }

    bool isZero() const { return units == 0; }
    // The exact product; nullopt when it does not fit.
    friend std::optional<Decimal> operator*(Decimal a, Decimal b);
    // The value with exactly `decimals` decimals, rounded half away from
    // zero; nullopt when it does not fit.
    std::optional<std::int64_t> RoundedTo(int decimals) const;
    // With '.' and no grouping, every decimal kept ("6", "2.50"): the text
    // that reads back as the same value.
    std::string text() const;
    // Compares values, not digits: 2.5 == 2.50.
    friend bool operator==(Decimal a, Decimal b);
};

// Money in kopecks.
struct Money {
    std::int64_t kopecks = 0;

    friend constexpr Money operator+(Money a, Money b) { return {a.kopecks + b.kopecks}; }
    friend constexpr bool operator==(Money, Money) = default;
};

// "1 234 567.80": rubles grouped by three with the separator, '.', two
// decimals.
std::string MoneyText(Money money, std::string_view groupSeparator);

// A fixed-point value units × 10^-decimals with its integer part grouped by
// three: "1 240.5". The shown result, a standard's mass per metre and the
// list's numbers are all written by it. Negative values are not shown.
std::string GroupedText(std::int64_t units, int decimals, std::string_view groupSeparator);

}  // namespace metal
