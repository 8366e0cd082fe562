// Extended precision for the core's arithmetic: the 80-bit type that holds
// the intermediate values, the guard that gives the x87 unit its full
// precision while a calculation runs, and rounding to even. Internal to the
// core.
#pragma once

#include <cfloat>
#include <cmath>

namespace metal {

// Intermediate values of a formula are held in 80-bit extended precision and
// rounded to double only where a value is stored.
static_assert(LDBL_MANT_DIG == 64, "the formulas need 80-bit extended precision");
#if !defined(__i386__) && !defined(__x86_64__)
#error "the extended values are the x87 unit's"
#endif
using Ext = long double;

namespace detail {

// The x87 unit that holds the extended values keeps as many significand bits
// as its precision control says. Linux starts every thread at 64 bits;
// Windows may start a thread at 53, which would round every intermediate
// value like a double. A calculation therefore sets 64 bits and rounding to
// nearest for as long as it runs and gives the caller's setting back.
class ExtendedPrecision {
public:
    ExtendedPrecision()
    {
        asm volatile("fnstcw %0" : "=m"(saved_)::"memory");
        const unsigned short wanted = (saved_ & ~kRoundingAndPrecision) | kNearest64Bits;
        changed_ = wanted != saved_;
        if (changed_)
            asm volatile("fldcw %0" ::"m"(wanted) : "memory");
    }
    ~ExtendedPrecision()
    {
        if (changed_)
            asm volatile("fldcw %0" ::"m"(saved_) : "memory");
    }
    ExtendedPrecision(const ExtendedPrecision &) = delete;
    ExtendedPrecision &operator=(const ExtendedPrecision &) = delete;

private:
    // Bits 8-9 of the control word are the precision, bits 10-11 the rounding.
    static constexpr unsigned short kRoundingAndPrecision = 0x0F00;
    static constexpr unsigned short kNearest64Bits = 0x0300;
    unsigned short saved_ = 0;
    bool changed_ = false;
};

// The arithmetic runs in functions that the compiler may neither inline nor
// look into, so none of it can be moved out of the span in which the
// precision is set. (Clang, which builds only the fuzz target, on Linux,
// knows no noipa; not inlining is what matters there.)
#if defined(__clang__)
#define METALCALC_OPAQUE [[gnu::noinline]]
#else
#define METALCALC_OPAQUE [[gnu::noipa]]
#endif

// Ties to the even integer, in extended precision: GCC's builtin, which
// MinGW-w64 has too; Clang 14 has none, but glibc's function does the same.
inline Ext RoundToEven(Ext x)
{
#if __has_builtin(__builtin_roundevenl)
    return __builtin_roundevenl(x);
#else
    return ::roundevenl(x);
#endif
}

}  // namespace detail

}  // namespace metal
