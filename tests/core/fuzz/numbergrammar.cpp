#include "numbergrammar.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace fuzz {

namespace {

// The grammar: optional spaces; an optional '+' or '-'; digits, possibly
// none; optionally '.' and digits, possibly none; optionally 'E' or 'e', an
// optional sign and digits, possibly none; optional spaces. At least one
// digit or the '.' stands between the sign and the exponent.
enum Class { Space, Sign, Digit, Point, Exp, Other, ClassCount };
enum State { Lead, Signed, Whole, Fraction, ExpMark, ExpSigned, ExpDigits, Trail, Reject, StateCount };

Class ClassOf(char c)
{
    switch (c) {
    case ' ':
        return Space;
    case '+':
    case '-':
        return Sign;
    case '.':
        return Point;
    case 'e':
    case 'E':
        return Exp;
    default:
        return c >= '0' && c <= '9' ? Digit : Other;
    }
}

// kNext[state][class]
// clang-format off
constexpr std::array<std::array<State, ClassCount>, StateCount> kNext{{
    //               Space   Sign       Digit      Point     Exp        Other
    /* Lead      */ {Lead,   Signed,    Whole,     Fraction, Reject,    Reject},
    /* Signed    */ {Reject, Reject,    Whole,     Fraction, Reject,    Reject},
    /* Whole     */ {Trail,  Reject,    Whole,     Fraction, ExpMark,   Reject},
    /* Fraction  */ {Trail,  Reject,    Fraction,  Reject,   ExpMark,   Reject},
    /* ExpMark   */ {Trail,  ExpSigned, ExpDigits, Reject,   Reject,    Reject},
    /* ExpSigned */ {Trail,  Reject,    ExpDigits, Reject,   Reject,    Reject},
    /* ExpDigits */ {Trail,  Reject,    ExpDigits, Reject,   Reject,    Reject},
    /* Trail     */ {Trail,  Reject,    Reject,    Reject,   Reject,    Reject},
    /* Reject    */ {Reject, Reject,    Reject,    Reject,   Reject,    Reject},
}};
// clang-format on

constexpr bool Accepting(State s) { return s != Lead && s != Signed && s != Reject; }

double ConvertInCLocale(const std::string &text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text.c_str(), nullptr, c);
}

}  // namespace

std::optional<double> GrammarValue(std::string_view text)
{
    // The number in the one form the C conversion cannot misread: sign,
    // whole digits, '.', fraction digits, and 'e' with the exponent's sign
    // and digits when it has digits.
    std::string sign, whole, fraction, exponent;
    State state = Lead;
    for (const char c : text) {
        const State next = kNext[state][ClassOf(c)];
        if (c != ' ') {
            if (next == Signed)
                sign = c;
            else if (next == Whole)
                whole += c;
            else if (next == Fraction && c != '.')
                fraction += c;
            else if (next == ExpSigned || next == ExpDigits)
                exponent += c;
        }
        state = next;
        if (state == Reject)
            return std::nullopt;
    }
    if (!Accepting(state))
        return std::nullopt;

    std::string plain =
        (sign == "-" ? "-" : "") + (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    if (!exponent.empty() && exponent.back() >= '0' && exponent.back() <= '9')
        plain += "e" + exponent;
    const double value = ConvertInCLocale(plain);
    if (std::isinf(value))  // too large for a double
        return std::nullopt;
    return value;
}

}  // namespace fuzz
