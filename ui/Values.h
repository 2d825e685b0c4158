#pragma once
// Value routines the game uses beside the toolkit. Free of Qt so that the
// game library can use them without linking the toolkit.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// Random integers with re-seeding from a millisecond clock. Every re-seed also
// mixes in a counter that advances each time, so two re-seedings within one
// clock tick still start different sequences.
class Random {
public:
    void reseed(std::int64_t clockMs);
    // Both bounds included; a negative bound counts as 0; reversed bounds are
    // swapped. Every value of the range is equally likely.
    int randomInt(int low, int high);

private:
    std::uint64_t reseedCount_ = 0;
    std::mt19937 engine_{5489u};
};

// Pieces before, between and after each delimiter. Empty pieces are kept,
// except an empty last piece, so "3 16 7 " gives three pieces and "" none.
// UTF-8 is self-synchronising, so a multi-byte character is never cut.
std::vector<std::string> split(std::string_view text, std::string_view delimiter);

// Leading blanks, an optional sign, then digits up to the first other
// character; no digits give 0. Out-of-range values saturate at the int limits.
int toInt(std::string_view text);

std::string toText(int value);

}  // namespace quorvel
