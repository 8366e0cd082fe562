// Looks for field texts whose shown tenth depends on how the formulas are
// evaluated: with the calculator's 80-bit extended intermediates, or in a
// variant (plain doubles throughout; the length as mass ÷ w instead of
// mass × (1 ÷ w); w kept in extended precision instead of stored as a
// double). Only texts that the input filter lets through are tried: digits
// and '.', at most five characters.
//
// A result can change its tenth only when it lies within a few units in the
// last place of a half tenth, so for each choice of the dimensions every
// quantity text is tried against that condition first, and only the near
// ties are evaluated both ways. The dimensions are drawn at random, or for
// the kinds with one dimension every dimension text is taken in turn.
//
// Build and run (x86-64, where long double has a 64-bit significand):
//   g++ -std=c++20 -O2 -ffp-contract=off -o search search.cpp
//   ./search [--seconds 10] [--seed 1] [--kind 3] [--mode mass|length]
//            [--variant double|divide|keepw] [--every-dimension]
// Each line found names the kind, mode, material id and the field texts; the
// tenths are those of the calculator's arithmetic and of the variant.
// check.py recomputes a line with exact rational arithmetic.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

const double kPi = 3.141592653589;
const double kDensity[12] = {0, 7.9, 7.95, 2.6989, 4.54, 8.92, 8.902, 7.2, 8.5, 8.7, 8.0, 11.3415};

enum Variant { kDoubles, kDivide, kKeepW };
Variant gVariant = kDoubles;

int QuantityRow(int kind) { return (kind == 1 || kind == 7) ? 3 : (kind == 3 || kind == 4 || kind == 8) ? 2 : 4; }
int FirstRow(int kind) { return kind == 10 ? 0 : 1; }

// Mass per metre with intermediates of type T, not yet stored.
template <class T> T MassPerMetre(int kind, const double *v, double density)
{
    const T rho = density, f0 = v[0], f1 = v[1], f2 = v[2], f3 = v[3];
    switch (kind) {
    case 1:
        return f2 * (f1 - f2) * T(kPi) * rho / 1000;
    case 2:
        return f3 * ((f2 - f3 * 2) * 2 + f1 * 2) * rho / 1000;
    case 3:
        return f1 * f1 * rho / 1000;
    case 4:
        return f1 * f1 / 4 * T(kPi) * rho / 1000;
    case 5:
        return f3 * ((f1 + f2) - f3) * rho / 1000;
    case 7:
        return f1 * f2 * rho / 1000;
    case 8: {
        const T k = std::sqrt(T(3)) * 2;
        return (f1 / 2) * ((f1 / 2) * k) * rho / 1000;
    }
    case 9:
        return (f3 * (f2 - f3 * 2) + f3 * (f1 * 2)) * rho / 1000;
    case 10:
        return (f2 * (f0 - f3 * 2) + f1 * (f3 * 2)) * rho / 1000;
    }
    std::abort();
}

// The value handed to the rounding; NaN where the length mode divides by zero.
template <class T> double Result(int kind, const double *v, double density, bool mass, Variant variant)
{
    if (kind == 6) {
        const T rho = density, f1 = v[1], f2 = v[2], f3 = v[3], f4 = v[4];
        if (mass)
            return static_cast<double>(f4 * (f2 * (f1 * f3) * rho / 1000000));
        return static_cast<double>(f4 * (f1 * f2) / 1000000);
    }
    const T q = v[QuantityRow(kind)];
    const T w = variant == kKeepW ? MassPerMetre<T>(kind, v, density)
                                  : T(static_cast<double>(MassPerMetre<T>(kind, v, density)));
    if (mass)
        return static_cast<double>(q * w);
    if (w == 0)
        return NAN;
    if (variant == kDivide)
        return static_cast<double>(q / w);
    const T reciprocal = 1 / w;
    return static_cast<double>(q * reciprocal);
}

double Prescribed(int kind, const double *v, double density, bool mass)
{
    return Result<long double>(kind, v, density, mass, kDoubles);
}

double Other(int kind, const double *v, double density, bool mass)
{
    if (gVariant == kDoubles)
        return Result<double>(kind, v, density, mass, kDoubles);
    return Result<long double>(kind, v, density, mass, gVariant);
}

// Tenths shown for a value, or -1 for the error text.
long long Tenths(double value)
{
    if (!(value >= 0))
        return -1;
    const long double n = roundevenl(static_cast<long double>(value) * 10);
    const double r = static_cast<double>(n * 0.1L);
    if (!(static_cast<long double>(r) < 9999999.9L))
        return -1;
    return static_cast<long long>(n);
}

struct Text {
    double value;
    std::string text;
};

// Every distinct value the input filter allows, with its shortest text.
std::vector<Text> FilterTexts()
{
    std::map<double, std::string> shortest;
    std::vector<std::string> texts{""};
    for (int length = 1; length <= 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string &s : texts)
            for (char c : std::string("0123456789.")) {
                const std::string t = s + c;
                if (std::count(t.begin(), t.end(), '.') > 1)
                    continue;
                longer.push_back(t);
                const double d = t == "." ? 0.0 : std::strtod(t.c_str(), nullptr);
                auto it = shortest.find(d);
                if (it == shortest.end() || it->second.size() > t.size())
                    shortest[d] = t;
            }
        texts = std::move(longer);
    }
    std::vector<Text> all;
    for (const auto &[value, text] : shortest)
        all.push_back({value, text});
    return all;
}

}  // namespace

int main(int argc, char **argv)
{
    double seconds = 10;
    unsigned long long seed = 1;
    int onlyKind = 0, onlyMode = -1;
    bool everyDimension = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char *next = i + 1 < argc ? argv[i + 1] : "";
        if (arg == "--seconds")
            seconds = std::atof(next), ++i;
        else if (arg == "--seed")
            seed = std::strtoull(next, nullptr, 10), ++i;
        else if (arg == "--kind")
            onlyKind = std::atoi(next), ++i;
        else if (arg == "--mode")
            onlyMode = std::strcmp(next, "mass") == 0 ? 1 : 0, ++i;
        else if (arg == "--variant") {
            gVariant = std::strcmp(next, "divide") == 0 ? kDivide : std::strcmp(next, "keepw") == 0 ? kKeepW : kDoubles;
            ++i;
        } else if (arg == "--every-dimension")
            everyDimension = true;
        else {
            std::fprintf(stderr, "unknown argument %s\n", arg.c_str());
            return 2;
        }
    }

    const std::vector<Text> all = FilterTexts();
    std::vector<Text> small;
    for (const Text &t : all)
        if (t.value < 1000)
            small.push_back(t);
    std::mt19937_64 rng(seed);

    for (int kind = 1; kind <= 10; ++kind)
        for (int mass = 1; mass >= 0; --mass) {
            if ((onlyKind && kind != onlyKind) || (onlyMode >= 0 && mass != onlyMode))
                continue;
            const int first = FirstRow(kind), last = QuantityRow(kind);
            if (everyDimension && last - first != 1) {
                std::fprintf(stderr, "--every-dimension needs a kind with one dimension\n");
                return 2;
            }
            std::set<std::string> seen;
            long long nearTies = 0, found = 0;
            std::size_t nextDimension = 0;
            const auto start = std::chrono::steady_clock::now();
            auto elapsed = [&] {
                return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            };
            for (int material = 1; material <= 11; ++material) {
                if (!everyDimension && material > 1)
                    break;  // random draws pick the material themselves
                nextDimension = 0;
                while (everyDimension ? nextDimension < all.size() : elapsed() < seconds) {
                    double v[5] = {0, 0, 0, 0, 0};
                    std::string s[5];
                    int mat = material;
                    if (everyDimension) {
                        v[first] = all[nextDimension].value;
                        s[first] = all[nextDimension].text;
                        ++nextDimension;
                    } else {
                        for (int r = first; r < last; ++r) {
                            const std::vector<Text> &pool = (rng() & 1) ? all : small;
                            const Text &t = pool[rng() % pool.size()];
                            v[r] = t.value;
                            s[r] = t.text;
                        }
                        mat = rng() % 3 == 0 ? 1 : 1 + static_cast<int>(rng() % 11);
                    }
                    // The factor that the quantity multiplies, for the near-tie test.
                    double factor;
                    if (kind == 6) {
                        factor = mass ? v[2] * (v[1] * v[3]) * kDensity[mat] / 1000000 : (v[1] * v[2]) / 1000000;
                    } else {
                        const double w = static_cast<double>(MassPerMetre<long double>(kind, v, kDensity[mat]));
                        factor = mass ? w : 1 / w;
                    }
                    if (!(factor > 0) || std::isinf(factor))
                        continue;
                    for (const Text &q : all) {
                        const double t = q.value * factor * 10;
                        if (t >= 1e8)
                            break;  // the texts are in increasing order
                        if (t < 0.5 || std::fabs(t - std::floor(t) - 0.5) > t * 1e-13)
                            continue;
                        ++nearTies;
                        v[last] = q.value;
                        s[last] = q.text;
                        const long long a = Tenths(Prescribed(kind, v, kDensity[mat], mass));
                        const long long b = Tenths(Other(kind, v, kDensity[mat], mass));
                        if (a < 0 || b < 0 || a == b)
                            continue;
                        std::string key = std::to_string(mat);
                        for (int r = first; r <= last; ++r)
                            key += " " + s[r];
                        if (!seen.insert(key).second)
                            continue;
                        ++found;
                        std::printf("%d %s %d", kind, mass ? "mass" : "length", mat);
                        for (int r = first; r <= last; ++r)
                            std::printf(" f%d=%s", r, s[r].c_str());
                        std::printf("  shows %lld.%lld, the variant %lld.%lld\n", a / 10, a % 10, b / 10, b % 10);
                        std::fflush(stdout);
                    }
                }
            }
            std::fprintf(stderr, "kind %d, %s mode: %lld near ties, %lld found\n", kind, mass ? "mass" : "length",
                         nearTies, found);
        }
}
