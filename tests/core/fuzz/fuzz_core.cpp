// The fuzz target of the calculation core (clang's libFuzzer). The first byte
// of an input chooses what the rest is:
//   '0'  a field text for ParseNumber, which must accept exactly the texts of
//        the number grammar and give their value (numbergrammar.h);
//   '1'  a whole calculation: a kind ('0'..'9' for kinds 1..10), a material
//        ('a'..'k' for 1..11), a mode and separator byte (bit 0: length mode,
//        bits 1..3: the group separator), then the five field texts, top row
//        first, split by '|'. The result must fail exactly when a field the
//        kind reads is not a number or a mass per metre of zero is divided
//        by, agree with the cross-section taken from the kind's drawing, and
//        show as a number with its unit or as the error text;
//   '2'  a value for FormatResult: a separator byte, then a number text or
//        else eight raw bytes of a double. The text must be the error text
//        exactly when the value is negative, not a number, or rounds to
//        9999999.9 or more; otherwise groups of three digits, '.', one
//        decimal, the tenth nearest to the value (ties to the even tenth).
// Any other first byte chooses by its value modulo 3. A broken rule prints
// what it saw and aborts, so libFuzzer keeps the input.
#include "calculator.h"
#include "numbergrammar.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

using namespace metal;

namespace {

using Ext = long double;

const std::array<std::string_view, 8> kSeparators{" ", "\u00A0", "\u202F", ",", ".", "'", "\u2019", ""};

std::string Printable(std::string_view text)
{
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out + "\"";
}

[[noreturn]] void Broken(const std::string &what)
{
    std::fprintf(stderr, "BROKEN RULE: %s\n", what.c_str());
    std::abort();
}

std::string Number(Ext value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", value);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The tenths a result text shows, read back by the shown grammar: a first
// group of one to three digits (no leading zero unless it is the only
// digit), then groups of three, each after the separator, then '.' and one
// digit. nullopt when the text does not follow it.
std::optional<long long> ShownTenths(std::string_view text, std::string_view separator)
{
    if (text.size() < 3 || text[text.size() - 2] != '.' || !IsDigit(text.back()))
        return std::nullopt;
    std::string_view whole = text.substr(0, text.size() - 2);
    std::string digits;
    for (bool first = true;; first = false) {
        std::size_t size = 0;
        while (size < whole.size() && IsDigit(whole[size]))
            ++size;
        // Without a separator the groups run together.
        if (first ? size < 1 || (size > 3 && !separator.empty()) : size != 3)
            return std::nullopt;
        digits.append(whole.substr(0, size));
        whole.remove_prefix(size);
        if (whole.empty())
            break;
        if (separator.empty() || whole.substr(0, separator.size()) != separator)
            return std::nullopt;
        whole.remove_prefix(separator.size());
    }
    if (digits.size() > 1 && digits.front() == '0')
        return std::nullopt;
    if (digits.size() > 8)
        return std::nullopt;
    return std::stoll(digits) * 10 + (text.back() - '0');
}

// FormatResult's text for a value, held to the shown grammar and the value.
ResultText CheckShown(double value, std::string_view separator)
{
    const ResultText shown = FormatResult(value, separator);
    const Ext tenths = Ext(value) * 10;  // exact: 53 + 4 bits
    const auto seen = [&] {
        return "FormatResult(" + Number(value) + ", " + Printable(separator) + ") = " + Printable(shown.text) +
               (shown.error ? " (error)" : "");
    };

    // The nearest tenth, ties to the even one, decides the range.
    bool inRange = false;
    if (value >= 0 && tenths < 1e12L) {
        const Ext below = std::floor(tenths);
        const Ext rest = tenths - below;
        const Ext nearest = rest > 0.5L ? below + 1 : rest < 0.5L ? below : below + std::fmod(below, 2.0L);
        inRange = nearest <= 99999998;
    }
    if (!inRange) {
        if (!shown.error || shown.text != kErrorText)
            Broken(seen() + ": out of range, must be the error text");
        return shown;
    }
    if (shown.error)
        Broken(seen() + ": in range, must be a number");
    const std::optional<long long> read = ShownTenths(shown.text, separator);
    if (!read)
        Broken(seen() + ": not in the shown grammar");
    const Ext off = std::fabs(Ext(*read) - tenths);
    if (off > 0.5L || (off == 0.5L && *read % 2 != 0))
        Broken(seen() + ": not the nearest tenth, ties to even");
    return shown;
}

void CheckParse(std::string_view text)
{
    const std::optional<double> expected = fuzz::GrammarValue(text);
    double value = 0;
    try {
        value = ParseNumber(text);
    } catch (const CalcError &) {
        if (expected)
            Broken("ParseNumber rejects " + Printable(text) + ", a number of value " + Number(*expected));
        return;
    }
    if (!expected)
        Broken("ParseNumber accepts " + Printable(text) + " as " + Number(value) + ", which is not a number");
    if (std::memcmp(&value, &*expected, sizeof value) != 0)
        Broken("ParseNumber reads " + Printable(text) + " as " + Number(value) + ", not " + Number(*expected));
}

// A quantity as a draughtsman takes it from the kind's drawing, with the
// size of its largest term, which bounds the rounding of any evaluation
// order.
struct Taken {
    Ext value;
    Ext scale;
};

// The cross-section in mm², from the dimensions of the rows top to bottom.
Taken CrossSection(ProfileKind kind, const std::array<Ext, kRowCount> &f)
{
    const Ext pi = PiValue;
    const auto a = [](Ext v) { return std::fabs(v); };
    switch (kind) {
    case pkPipe: {  // outer diameter f1, wall f2: outer disc less the bore
        const Ext bore = f[1] - 2 * f[2];
        return {pi / 4 * (f[1] * f[1] - bore * bore),
                pi / 4 * (f[1] * f[1] + (a(f[1]) + 2 * a(f[2])) * (a(f[1]) + 2 * a(f[2])))};
    }
    case pkProfilePipe: {  // height f1, width f2, wall f3: outer rectangle less the hollow
        const Ext h = f[1] - 2 * f[3], w = f[2] - 2 * f[3];
        return {f[1] * f[2] - h * w, a(f[1]) * a(f[2]) + (a(f[1]) + 2 * a(f[3])) * (a(f[2]) + 2 * a(f[3]))};
    }
    case pkSquare:
        return {f[1] * f[1], f[1] * f[1]};
    case pkRound:
        return {pi * f[1] * f[1] / 4, pi * f[1] * f[1] / 4};
    case pkAngle: {  // legs f1 and f2, thickness f3: two strips sharing a corner square
        const Ext v = f[1] * f[3] + f[2] * f[3] - f[3] * f[3];
        return {v, (a(f[1]) + a(f[2]) + a(f[3])) * a(f[3])};
    }
    case pkStrip:
        return {f[1] * f[2], a(f[1] * f[2])};
    case pkHexagon:  // across flats f1: six triangles of height f1 / 2
        return {std::sqrt(3.0L) / 2 * f[1] * f[1], f[1] * f[1]};
    case pkChannel: {  // height f1, width f2, wall f3: two full walls and the web between them
        const Ext v = 2 * f[1] * f[3] + (f[2] - 2 * f[3]) * f[3];
        return {v, (2 * a(f[1]) + a(f[2]) + 2 * a(f[3])) * a(f[3])};
    }
    case pkBeam: {  // height f0, flange width f1, web f2, flange thickness f3
        const Ext v = 2 * f[1] * f[3] + (f[0] - 2 * f[3]) * f[2];
        return {v, 2 * a(f[1] * f[3]) + (a(f[0]) + 2 * a(f[3])) * a(f[2])};
    }
    case pkSheet:
        break;
    }
    Broken("no cross-section for the sheet");
}

// The rows a kind's result depends on: its dimensions and its quantity; in
// area mode the sheet's thickness plays no part.
bool ReadsRow(ProfileKind kind, bool massMode, int row)
{
    if (kind == pkSheet && !massMode && row == 3)
        return false;
    return Kind(kind).usesRow(row);
}

constexpr Ext kRelative = 1e-14L;    // rounding of a few dozen operations
constexpr Ext kSubnormal = 1e-320L;  // a double's resolution near zero

void CheckCalculation(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return;
    const auto kind = static_cast<ProfileKind>(1 + static_cast<unsigned char>(data[0] - '0') % kKindCount);
    const auto material = static_cast<MaterialId>(1 + static_cast<unsigned char>(data[1] - 'a') % kMaterialCount);
    const unsigned flags = static_cast<unsigned char>(data[2] - '0');
    const bool massMode = (flags & 1) == 0;
    const std::string_view separator = kSeparators[(flags >> 1) % kSeparators.size()];

    std::array<std::string, kRowCount> texts;
    std::size_t row = 0;
    for (std::size_t i = 3; i < size; ++i) {
        if (data[i] == '|' && row + 1 < texts.size())
            ++row;
        else
            texts[row] += static_cast<char>(data[i]);
    }
    FieldTexts fields;
    for (std::size_t r = 0; r < texts.size(); ++r)
        fields[r] = texts[r];
    // What was computed, for a broken rule.
    const auto inputs = [&] {
        std::string seen = "kind " + std::to_string(kind) + ", material " + std::to_string(material) +
                           (massMode ? ", mass mode" : ", length mode") + ", fields";
        for (const std::string &text : texts)
            seen += " " + Printable(text);
        return seen;
    };

    std::array<Ext, kRowCount> f{};
    bool numbers = true;
    for (int r = 0; r < kRowCount; ++r) {
        const auto value = fuzz::GrammarValue(texts[static_cast<std::size_t>(r)]);
        if (ReadsRow(kind, massMode, r)) {
            numbers = numbers && value.has_value();
            f[static_cast<std::size_t>(r)] = value.value_or(0);
        }
    }

    double result = 0;
    bool failed = false;
    try {
        result = CalculateResult(kind, fields, Densities[material], massMode);
    } catch (const CalcError &) {
        failed = true;
    }
    if (!numbers) {
        if (!failed)
            Broken(inputs() + ": computed " + Number(result) + " though a field it reads is not a number");
        return;
    }

    const Ext rho = Densities[material];
    const Ext q = f[static_cast<std::size_t>(Kind(kind).quantityRow)];
    const auto seen = [&] { return inputs() + ": " + (failed ? std::string("failed") : Number(result)); };
    bool agrees = true;
    if (kind == pkSheet) {
        if (failed)
            Broken(seen() + ": the sheet divides by nothing");
        const Ext area = q * f[1] * f[2];
        const Ext expected = massMode ? area * f[3] * rho / 1e6L : area / 1e6L;
        if (std::isinf(result))
            agrees = std::fabs(expected) * (1 + kRelative) >= DBL_MAX;
        else
            agrees = std::fabs(result - expected) <= kRelative * std::fabs(expected) + kSubnormal;
        if (!agrees)
            Broken(seen() + ", expected " + Number(expected));
    } else {
        const Taken section = CrossSection(kind, f);
        const Ext w = section.value * rho / 1000;
        const Ext wAllowance = kRelative * section.scale * rho / 1000 + kSubnormal;
        if (section.scale * rho / 1000 * (1 + kRelative) >= DBL_MAX)
            return;  // the mass per metre may not fit a double: nothing to compare
        if (failed) {
            if (massMode || std::fabs(w) > wAllowance)
                Broken(seen() + ", mass per metre " + Number(w) + ": failed on a mass per metre that is not zero");
        } else if (massMode) {
            if (std::isinf(result))
                agrees = std::fabs(q) * (std::fabs(w) + wAllowance) * (1 + kRelative) >= DBL_MAX;
            else
                agrees = std::fabs(result - q * w) <=
                         std::fabs(q) * wAllowance + kRelative * std::fabs(Ext(result)) + kSubnormal;
        } else if (std::isinf(result)) {
            agrees = std::fabs(q) * (1 + kRelative) >= DBL_MAX * (std::fabs(w) - wAllowance);
        } else {
            // result ≈ q ÷ w, compared as result × w ≈ q, so that a w near
            // zero does not magnify the allowance.
            agrees = std::fabs(Ext(result) * w - q) <= kRelative * std::fabs(q) +
                                                           (1 + kRelative) * std::fabs(Ext(result)) * wAllowance +
                                                           std::fabs(w) * kSubnormal + kSubnormal;
        }
        if (!agrees)
            Broken(seen() + ", mass per metre " + Number(w) + ": disagrees with the cross-section");
    }
    if (failed)
        return;

    // The label: a number with its unit, the error text alone.
    const ResultText formatted = CheckShown(result, separator);
    const std::string_view unit = massMode ? "кг " : kind == pkSheet ? "м2 " : "м ";
    const std::string label = ShownResult(formatted, massMode, kind);
    if (label != (formatted.error ? formatted.text : formatted.text + " " + std::string(unit) + " "))
        Broken(seen() + ": shown as " + Printable(label));
}

void CheckFormat(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return;
    const std::string_view separator = kSeparators[data[0] % kSeparators.size()];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    if (const std::optional<double> value = fuzz::GrammarValue(text)) {
        CheckShown(*value, separator);
    } else if (text.size() >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, text.data(), sizeof raw);
        CheckShown(raw, separator);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    switch (data[0] % 3) {
    case 0:
        CheckParse(std::string_view(reinterpret_cast<const char *>(data + 1), size - 1));
        break;
    case 1:
        CheckCalculation(data + 1, size - 1);
        break;
    default:
        CheckFormat(data + 1, size - 1);
        break;
    }
    return 0;
}
