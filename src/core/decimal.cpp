#include "decimal.h"

#include <limits>

namespace metal {

namespace {

// Products of two decimals are formed in 128 bits and checked before they
// are narrowed: a price times a mass can pass 2^63 on the way to kopecks.
__extension__ using Wide = __int128;

constexpr int kMaxDigits = 15;
constexpr int kMaxScale = 18;

constexpr Wide PowerOfTen(int n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

bool FitsInt64(Wide v)
{
    return v >= std::numeric_limits<std::int64_t>::min() && v <= std::numeric_limits<std::int64_t>::max();
}

// Divides, rounding half away from zero.
Wide DivideRounded(Wide value, Wide divisor)
{
    const Wide quotient = value / divisor, remainder = value % divisor;
    const Wide twice = remainder < 0 ? -remainder * 2 : remainder * 2;
    if (twice >= divisor)
        return value < 0 ? quotient - 1 : quotient + 1;
    return quotient;
}

}  // namespace

std::optional<Decimal> Decimal::Parse(std::string_view text, int maxScale)
{
    Decimal d;
    int digits = 0;
    bool point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++digits > kMaxDigits || (point && d.scale == maxScale))
                return std::nullopt;
            d.units = d.units * 10 + (c - '0');
            d.scale += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    return d;
}

std::optional<Decimal> operator*(Decimal a, Decimal b)
{
    const Wide product = Wide(a.units) * b.units;
    const int scale = a.scale + b.scale;
    if (!FitsInt64(product) || scale > kMaxScale)
        return std::nullopt;
    return Decimal{static_cast<std::int64_t>(product), scale};
}

std::optional<std::int64_t> Decimal::RoundedTo(int decimals) const
{
    if (decimals - scale > kMaxScale || scale - decimals > kMaxScale)
        return std::nullopt;
    const Wide value = decimals >= scale ? Wide(units) * PowerOfTen(decimals - scale)
                                         : DivideRounded(units, PowerOfTen(scale - decimals));
    if (!FitsInt64(value))
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

std::string Decimal::text() const { return GroupedText(units, scale, ""); }

bool operator==(Decimal a, Decimal b)
{
    const int scale = a.scale > b.scale ? a.scale : b.scale;
    return Wide(a.units) * PowerOfTen(scale - a.scale) == Wide(b.units) * PowerOfTen(scale - b.scale);
}

std::string GroupedText(std::int64_t units, int decimals, std::string_view groupSeparator)
{
    const bool negative = units < 0;
    const auto magnitude = static_cast<std::uint64_t>(units);
    std::string digits = std::to_string(negative ? 0 - magnitude : magnitude);
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    const std::size_t whole = digits.size() - static_cast<std::size_t>(decimals);
    std::string text = negative ? "-" : "";
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0)
            text.append(groupSeparator);
        text.push_back(digits[i]);
    }
    if (decimals > 0)
        text.append(".").append(digits, whole);
    return text;
}

std::string MoneyText(Money money, std::string_view groupSeparator)
{
    return GroupedText(money.kopecks, 2, groupSeparator);
}

}  // namespace metal
