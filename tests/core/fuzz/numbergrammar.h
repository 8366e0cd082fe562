// What a field's text means, decided a second way: the documented grammar of
// a number as a state machine over character classes, and the value by the C
// library's decimal conversion in an explicit "C" locale. The fuzz target
// holds ParseNumber to it.
#pragma once

#include <optional>
#include <string_view>

namespace fuzz {

// The value of a text that the grammar accepts and whose value a double
// holds; nullopt for every other text.
std::optional<double> GrammarValue(std::string_view text);

}  // namespace fuzz
