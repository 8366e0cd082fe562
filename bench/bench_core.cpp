// The calculation of one result, as the window runs it on each keystroke
// (the core's one rule of the shown result): the field texts parsed, the
// formula, the rounding and grouping of the number, and the unit. Timed for the worked example of every kind in both
// modes, and for a result with thousands groups.
#include "result.h"
#include "workedresults.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void Calculate(benchmark::State &state, const worked::Result &row)
{
    // The texts live in strings as the window's fields do.
    std::array<std::string, metal::kRowCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = std::string(row.fields[i]);
    metal::FieldTexts views;
    for (std::size_t i = 0; i < texts.size(); ++i)
        views[i] = texts[i];
    const metal::Choices choices{row.kind, row.material, row.massMode, {}};
    const std::string separator = "\u00A0";

    std::string shown;
    for (auto _ : state) {
        benchmark::DoNotOptimize(views);
        shown = metal::ShownResultOf(choices, views, separator).value_or(metal::ResultText{}).text;
        benchmark::DoNotOptimize(shown);
    }
    if (shown != row.shown)
        state.SkipWithError("the calculation did not give the worked result");
    state.SetLabel(shown);
}

// The kinds' examples in both modes, and a result with thousands groups.
const bool kRegistered = [] {
    for (bool massMode : {worked::kMass, worked::kLength})
        for (int kind = 1; kind <= metal::kKindCount; ++kind) {
            const worked::Result &row = worked::Example(static_cast<metal::ProfileKind>(kind), massMode);
            benchmark::RegisterBenchmark(row.name, Calculate, row);
        }
    const worked::Result &grouped = worked::Named("CarbonSteel");
    benchmark::RegisterBenchmark(grouped.name, Calculate, grouped);
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
