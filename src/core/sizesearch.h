// Finding a kind's standard sizes by what a person types: the start of a
// designation ("57", "40×20", "20б1"), or of a water-gas pipe's nominal bore,
// its bore × wall, or its outer diameter ("ду20", "20×2.8", "26.8").
#pragma once

#include "catalogue.h"
#include "standards.h"

#include <string_view>
#include <vector>

namespace metal {

// One size of a kind's list, where the list shows it, and how well it
// answers the search.
struct SizeHit {
    const Standard *standard;
    const SizeSeries *series;
    const StandardSize *size;
    // 0: the search is the designation; 1: it starts the designation and its
    // first number is the designation's first number ("20" for 20×2.8, not
    // 203×4); 2: it starts the designation.
    int rank;
};

// The sizes of a kind that answer a search, best rank first and in the
// list's order within a rank (standard, series, size); every size for an
// empty search. The search is written as designations are (× for x, a point
// for a comma); letters match in either case, spaces are ignored.
std::vector<SizeHit> FindSizes(ProfileKind kind, std::string_view search);

}  // namespace metal
