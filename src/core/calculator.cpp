#include "calculator.h"

#include "decimal.h"
#include "extended.h"

#include <charconv>
#include <cmath>

namespace metal {

namespace {

using detail::ExtendedPrecision;
using detail::RoundToEven;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipSpaces(std::string_view s, std::size_t i)
{
    while (i < s.size() && s[i] == ' ')
        ++i;
    return i;
}

std::size_t SkipDigits(std::string_view s, std::size_t i)
{
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i;
}

[[noreturn]] void Fail(const char *why) { throw CalcError(why); }

// Decimal exponent of the leading non-zero digit, saturated so that absurd
// exponent texts cannot overflow. Tells an underflow from an overflow.
long LeadingExponent(std::string_view intDigits, std::string_view fracDigits, std::string_view expText)
{
    long exponent = 0;
    bool negative = false;
    std::size_t i = 0;
    if (i < expText.size() && (expText[i] == '+' || expText[i] == '-'))
        negative = expText[i++] == '-';
    for (; i < expText.size(); ++i)
        exponent = std::min(exponent * 10 + (expText[i] - '0'), 100000L);
    if (negative)
        exponent = -exponent;

    const auto firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string_view::npos)
        return exponent + static_cast<long>(intDigits.size() - firstInt) - 1;
    const auto firstFrac = fracDigits.find_first_not_of('0');
    return exponent - static_cast<long>(firstFrac) - 1;
}

}  // namespace

double ParseNumber(std::string_view text)
{
    std::size_t i = SkipSpaces(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    const std::size_t intBegin = i;
    i = SkipDigits(text, i);
    const std::string_view intDigits = text.substr(intBegin, i - intBegin);
    bool point = false;
    std::string_view fracDigits;
    if (i < text.size() && text[i] == '.') {
        point = true;
        const std::size_t fracBegin = ++i;
        i = SkipDigits(text, i);
        fracDigits = text.substr(fracBegin, i - fracBegin);
    }
    if (intDigits.empty() && fracDigits.empty() && !point)
        Fail("no number");

    std::string_view expText;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const std::size_t expBegin = ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        i = SkipDigits(text, i);
        expText = text.substr(expBegin, i - expBegin);
    }
    if (SkipSpaces(text, i) != text.size())
        Fail("not a number");

    if (intDigits.find_first_not_of('0') == std::string_view::npos &&
        fracDigits.find_first_not_of('0') == std::string_view::npos)
        return negative ? -0.0 : 0.0;

    // from_chars rounds correctly and ignores the locale; it wants the plain
    // form "digits.digits" with an exponent that has digits.
    std::string plain;
    plain.reserve(intDigits.size() + fracDigits.size() + expText.size() + 4);
    plain.append(intDigits.empty() ? "0" : intDigits).append(".").append(fracDigits.empty() ? "0" : fracDigits);
    if (!expText.empty() && IsDigit(expText.back()))
        plain.append("e").append(expText);

    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (LeadingExponent(intDigits, fracDigits, expText) > 0)
            Fail("too large");
        value = 0;  // too small for a double: it rounds to zero
    } else if (ec != std::errc() || end != plain.data() + plain.size()) {
        Fail("not a number");
    }
    return negative ? -value : value;
}

namespace {

// Parses a row when the formula asks for it, so a kind reads only its rows.
class Fields {
public:
    explicit Fields(const FieldTexts &texts) : texts_(texts) {}
    Ext operator()(int row) const { return ParseNumber(texts_[static_cast<std::size_t>(row)]); }

private:
    const FieldTexts &texts_;
};

// Mass per metre in kg/m: the cross-section area in mm² times the density.
// Each formula is written in its order of evaluation.
double MassPerMetre(ProfileKind kind, const Fields &f, Ext rho)
{
    switch (kind) {
    case pkPipe: {
        const Ext f1 = f(1), f2 = f(2);
        return static_cast<double>(f2 * (f1 - f2) * Ext(PiValue) * rho / 1000);
    }
    case pkProfilePipe: {
        const Ext f1 = f(1), f2 = f(2), f3 = f(3);
        return static_cast<double>(f3 * ((f2 - f3 * 2) * 2 + f1 * 2) * rho / 1000);
    }
    case pkSquare: {
        const Ext f1 = f(1);
        return static_cast<double>(f1 * f1 * rho / 1000);
    }
    case pkRound: {
        const Ext f1 = f(1);
        return static_cast<double>(f1 * f1 / 4 * Ext(PiValue) * rho / 1000);
    }
    case pkAngle: {
        const Ext f1 = f(1), f2 = f(2), f3 = f(3);
        return static_cast<double>(f3 * ((f1 + f2) - f3) * rho / 1000);
    }
    case pkStrip: {
        const Ext f1 = f(1), f2 = f(2);
        return static_cast<double>(f1 * f2 * rho / 1000);
    }
    case pkHexagon: {
        const Ext f1 = f(1);
        const Ext k = std::sqrt(Ext(3)) * 2;
        return static_cast<double>((f1 / 2) * ((f1 / 2) * k) * rho / 1000);
    }
    case pkChannel: {
        const Ext f1 = f(1), f2 = f(2), f3 = f(3);
        return static_cast<double>((f3 * (f2 - f3 * 2) + f3 * (f1 * 2)) * rho / 1000);
    }
    case pkBeam: {
        const Ext f0 = f(0), f1 = f(1), f2 = f(2), f3 = f(3);
        return static_cast<double>((f2 * (f0 - f3 * 2) + f1 * (f3 * 2)) * rho / 1000);
    }
    case pkSheet:
        break;
    }
    throw std::logic_error("the sheet has no mass per metre");
}

METALCALC_OPAQUE double CalculateExtended(ProfileKind kind, const FieldTexts &texts, double density, bool massMode)
{
    const Fields f(texts);
    const Ext rho = density;
    if (kind == pkSheet) {
        const Ext f1 = f(1), f2 = f(2);
        if (massMode) {
            const Ext f3 = f(3), f4 = f(4);
            return static_cast<double>(f4 * (f2 * (f1 * f3) * rho / 1000000));
        }
        const Ext f4 = f(4);
        return static_cast<double>(f4 * (f1 * f2) / 1000000);
    }

    const double w = MassPerMetre(kind, f, rho);
    const Ext q = f(Kind(kind).quantityRow);
    if (massMode)
        return static_cast<double>(q * w);
    if (w == 0)
        Fail("division by zero");
    const Ext reciprocal = 1 / Ext(w);
    return static_cast<double>(q * reciprocal);
}

METALCALC_OPAQUE ResultText FormatExtended(double value, std::string_view groupSeparator)
{
    // Tenths, ties to the even tenth: 0.25 gives 0.2, 0.75 gives 0.8.
    const double r = static_cast<double>(RoundToEven(Ext(value) * 10) * 0.1L);
    // The limit is the extended value of 9999999.9, just below the double
    // nearest to it, so 9999999.9 itself is out of range. A negative mass,
    // length or area is no answer either. NaN fails both comparisons.
    if (!(value >= 0) || !(Ext(r) < 9999999.9L))
        return {std::string(kErrorText), true};

    // 0 <= r < 1e7, so its tenths fit an integer exactly; -0.0 shows as 0.0.
    const auto tenths = static_cast<long long>(std::llround(Ext(r) * 10));
    return {GroupedText(tenths, 1, groupSeparator), false};
}

}  // namespace

double CalculateResult(ProfileKind kind, const FieldTexts &texts, double density, bool massMode)
{
    const ExtendedPrecision extended;
    return CalculateExtended(kind, texts, density, massMode);
}

ResultText FormatResult(double value, std::string_view groupSeparator)
{
    const ExtendedPrecision extended;
    return FormatExtended(value, groupSeparator);
}

std::string_view ResultUnit(bool massMode, ProfileKind kind)
{
    if (massMode)
        return "кг ";
    return kind == pkSheet ? "м2 " : "м ";
}

std::string WithResultUnit(std::string_view number, bool massMode, ProfileKind kind)
{
    std::string text(number);
    text.append(" ").append(ResultUnit(massMode, kind)).append(" ");
    return text;
}

std::string ShownResult(const ResultText &result, bool massMode, ProfileKind kind)
{
    return result.error ? result.text : WithResultUnit(result.text, massMode, kind);
}

std::string_view QuantityCaption(bool massMode) { return massMode ? "Длина, м" : "Масса, кг"; }

std::string_view TotalCaption(bool massMode) { return massMode ? "Итого вес:" : "Итого длина:"; }

std::string_view FieldCaption(const KindInfo &kind, int row, bool massMode)
{
    if (!kind.usesRow(row))
        return {};
    if (row == kind.quantityRow && kind.quantityFollowsMode())
        return QuantityCaption(massMode);
    return kind.captions[static_cast<std::size_t>(row)];
}

}  // namespace metal
