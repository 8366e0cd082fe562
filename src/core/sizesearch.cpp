#include "sizesearch.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace metal {

namespace {

// UTF-8 in lower case, without spaces: the Latin and Cyrillic capitals that
// designations and searches use (Б, Ш, К, Д, У, П, Э; Ё), the rest as it is.
std::string Folded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == ' ')
            continue;
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + ('a' - 'A'));
        } else if (c == 0xD0 && next >= 0x90 && next <= 0x9F) {  // А–П to а–п
            out += static_cast<char>(0xD0);
            out += static_cast<char>(next + 0x20);
            ++i;
        } else if (c == 0xD0 && next >= 0xA0 && next <= 0xAF) {  // Р–Я to р–я
            out += static_cast<char>(0xD1);
            out += static_cast<char>(next - 0x20);
            ++i;
        } else if (c == 0xD0 && next == 0x81) {  // Ё to ё
            out += "\xD1\x91";
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// The first number of a text, after any letters before it ("ду20×2.8" → 20);
// -1 where none is.
double FirstNumber(std::string_view text)
{
    const std::size_t digit = text.find_first_of("0123456789");
    if (digit == text.npos)
        return -1;
    double value = -1;
    std::from_chars(text.data() + digit, text.data() + text.size(), value);
    return value;
}

constexpr int kNoMatch = 3;

int RankOf(std::string_view key, std::string_view search)
{
    if (key == search)
        return 0;
    if (!key.starts_with(search))
        return kNoMatch;
    const double first = FirstNumber(search);
    return first >= 0 && first == FirstNumber(key) ? 1 : 2;
}

// The forms a size is known by: its designation; a water-gas pipe's
// "Ду 20×2.8 (26.8)" also as its bore × wall (20×2.8) and as its outer
// diameter × wall (26.8×2.8), as sellers write it.
int Rank(const StandardSize &size, std::string_view search)
{
    static constexpr std::string_view kBore = "Ду ";
    const std::string_view designation = size.designation();
    int rank = RankOf(Folded(designation), search);
    if (designation.starts_with(kBore)) {
        const std::string_view rest = designation.substr(kBore.size());
        const std::size_t open = rest.find(" (");
        const std::string_view boreAndWall = rest.substr(0, open);
        const std::size_t by = boreAndWall.find("×");
        const std::string_view wall = by == boreAndWall.npos ? std::string_view() : boreAndWall.substr(by);
        const std::string_view outer =
            open == rest.npos ? std::string_view() : rest.substr(open + 2, rest.size() - open - 3);
        rank = std::min({rank, RankOf(Folded(boreAndWall), search),
                         RankOf(Folded(std::string(outer) + std::string(wall)), search)});
    }
    return rank;
}

}  // namespace

std::vector<SizeHit> FindSizes(ProfileKind kind, std::string_view search)
{
    const std::string folded = Folded(search);
    std::vector<SizeHit> hits;
    for (const Standard &standard : StandardsOf(kind))
        for (const SizeSeries &series : standard.series)
            for (const StandardSize &size : series.sizes)
                if (const int rank = folded.empty() ? 2 : Rank(size, folded); rank < kNoMatch)
                    hits.push_back({&standard, &series, &size, rank});
    std::stable_sort(hits.begin(), hits.end(), [](const SizeHit &a, const SizeHit &b) { return a.rank < b.rank; });
    return hits;
}

}  // namespace metal
