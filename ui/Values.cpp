#include "ui/Values.h"

#include <climits>
#include <utility>

namespace quorvel {

void Random::reseed(std::int64_t clockMs)
{
    ++reseedCount_;
    const auto ms = static_cast<std::uint64_t>(clockMs);
    std::seed_seq seq{static_cast<std::uint32_t>(ms), static_cast<std::uint32_t>(ms >> 32),
                      static_cast<std::uint32_t>(reseedCount_),
                      static_cast<std::uint32_t>(reseedCount_ >> 32)};
    engine_.seed(seq);
}

int Random::randomInt(int low, int high)
{
    if (low < 0)
        low = 0;
    if (high < 0)
        high = 0;
    if (low > high)
        std::swap(low, high);
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

std::vector<std::string> split(std::string_view text, std::string_view delimiter)
{
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    if (delimiter.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(delimiter, start);
        if (at == std::string_view::npos) {
            if (start < text.size())
                pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + delimiter.size();
    }
}

int toInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string toText(int value)
{
    return std::to_string(value);
}

}  // namespace quorvel
