// The calculation of one result per kind, as the window runs it on each
// keystroke: the field texts parsed, the formula, the rounding and grouping
// of the number, and the unit.
#include "calculator.h"
#include "catalogue.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void Calculate(benchmark::State &state, metal::ProfileKind kind, bool massMode, metal::FieldTexts fields)
{
    // The texts live in strings as the window's fields do.
    std::array<std::string, metal::kRowCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = std::string(fields[i]);
    metal::FieldTexts views;
    for (std::size_t i = 0; i < texts.size(); ++i)
        views[i] = texts[i];
    const double density = metal::Densities[metal::mtCarbonSteel];
    const std::string separator = "\u00A0";

    std::string shown;
    for (auto _ : state) {
        benchmark::DoNotOptimize(views);
        const double value = metal::CalculateResult(kind, views, density, massMode);
        const metal::ResultText result = metal::FormatResult(value, separator);
        shown = metal::ShownResult(result, massMode, kind);
        benchmark::DoNotOptimize(shown);
    }
    if (shown.empty() || shown == metal::kErrorText)
        state.SkipWithError("the calculation gave no number");
    state.SetLabel(shown);
}

using namespace metal;

BENCHMARK_CAPTURE(Calculate, Pipe, pkPipe, true, (FieldTexts{"0", "57", "3.5", "1", "0"}));
BENCHMARK_CAPTURE(Calculate, ProfilePipe, pkProfilePipe, true, (FieldTexts{"0", "40", "20", "2", "1"}));
BENCHMARK_CAPTURE(Calculate, Square, pkSquare, true, (FieldTexts{"0", "10", "2", "0", "0"}));
BENCHMARK_CAPTURE(Calculate, Round, pkRound, true, (FieldTexts{"0", "20", "1", "0", "0"}));
BENCHMARK_CAPTURE(Calculate, Angle, pkAngle, true, (FieldTexts{"0", "50", "50", "5", "1"}));
BENCHMARK_CAPTURE(Calculate, Sheet, pkSheet, true, (FieldTexts{"0", "1000", "2000", "2", "3"}));
BENCHMARK_CAPTURE(Calculate, SheetArea, pkSheet, false, (FieldTexts{"0", "1000", "2000", "2", "3"}));
BENCHMARK_CAPTURE(Calculate, Strip, pkStrip, true, (FieldTexts{"0", "20", "2", "10", "0"}));
BENCHMARK_CAPTURE(Calculate, StripLength, pkStrip, false, (FieldTexts{"0", "20", "2", "3.16", "0"}));
BENCHMARK_CAPTURE(Calculate, Hexagon, pkHexagon, true, (FieldTexts{"0", "10", "1", "0", "0"}));
BENCHMARK_CAPTURE(Calculate, Channel, pkChannel, true, (FieldTexts{"0", "50", "100", "5", "1"}));
BENCHMARK_CAPTURE(Calculate, Beam, pkBeam, true, (FieldTexts{"200", "100", "5.2", "8.4", "1"}));
// A result with thousands groups.
BENCHMARK_CAPTURE(Calculate, SquareHeavy, pkSquare, true, (FieldTexts{"0", "100", "1000", "0", "0"}));

}  // namespace

BENCHMARK_MAIN();
