#include "ui/IconFile.h"

namespace quorvel {

namespace {
std::uint32_t le16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t le32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
constexpr std::uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
}  // namespace

std::span<const std::uint8_t> largestIconPng(std::span<const std::uint8_t> ico)
{
    if (ico.size() < 6 || le16(ico.data()) != 0 || le16(ico.data() + 2) != 1)
        return {};
    const std::size_t count = le16(ico.data() + 4);
    std::span<const std::uint8_t> best;
    std::uint32_t bestSide = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * i;
        if (at + 16 > ico.size())
            break;
        const std::uint8_t* entry = ico.data() + at;
        const std::uint32_t side = entry[0] == 0 ? 256 : entry[0];  // 0 means 256
        const std::uint64_t size = le32(entry + 8);
        const std::uint64_t offset = le32(entry + 12);
        if (size < 8 || offset + size > ico.size())
            continue;
        const auto payload = ico.subspan(offset, size);
        bool png = true;
        for (int b = 0; b < 8; ++b)
            png = png && payload[b] == pngSignature[b];
        if (png && side > bestSide) {
            best = payload;
            bestSide = side;
        }
    }
    return best;
}

}  // namespace quorvel
