#include "assets/Assets.h"
#include "ui/IconFile.h"
#include "ui/PngDecoder.h"

#include <gtest/gtest.h>
#include <vector>

namespace quorvel {
namespace {

std::vector<std::uint8_t> bytesOf(std::span<const std::uint8_t> span) { return {span.begin(), span.end()}; }

TEST(PngDecoder, DecodesTheShippedPicturesOpaqueAtTheirSizes)
{
    struct Case {
        std::span<const std::uint8_t> bytes;
        int side;
        std::uint8_t field[3];
    };
    const Case cases[] = {{assets::coverPng(), 666, {254, 254, 251}}, {assets::markerPng(), 566, {255, 255, 252}}};
    for (const Case& c : cases) {
        const DecodedPicture picture = decodePng(c.bytes.data(), c.bytes.size());
        ASSERT_TRUE(picture.ok()) << picture.error;
        EXPECT_EQ(picture.width, c.side);
        EXPECT_EQ(picture.height, c.side);
        bool opaque = true;
        for (std::size_t i = 3; i < picture.rgba.size(); i += 4)
            opaque = opaque && picture.rgba[i] == 255;
        EXPECT_TRUE(opaque);
        // Top-left corner pixel lies in the field, outside lines and disc.
        const std::size_t corner = (3 * c.side + 3) * 4;
        EXPECT_EQ(picture.rgba[corner], c.field[0]);
        EXPECT_EQ(picture.rgba[corner + 1], c.field[1]);
        EXPECT_EQ(picture.rgba[corner + 2], c.field[2]);
    }
    const auto marker = decodePng(assets::markerPng().data(), assets::markerPng().size());
    const std::size_t centre = (283 * 566 + 283) * 4;
    EXPECT_EQ(marker.rgba[centre], 255);
    EXPECT_EQ(marker.rgba[centre + 1], 1);
    EXPECT_EQ(marker.rgba[centre + 2], 0);
}

TEST(PngDecoder, BadBytesGiveAnErrorNotACrash)
{
    const auto good = bytesOf(assets::coverPng());
    auto truncated = std::vector<std::uint8_t>(good.begin(), good.begin() + good.size() / 2);
    auto corrupted = good;
    for (std::size_t i = 60; i < corrupted.size() - 20; i += 97)
        corrupted[i] ^= 0x5a;
    auto badHeader = good;
    badHeader[16] = 0xff;  // width far out of range, CRC now wrong too
    const std::vector<std::uint8_t> notPng{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0};
    // Damage past the header shows only when the pixels are decoded.
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        bool headerSound;
    } cases[] = {
        {"truncated", truncated, true}, {"corrupted", corrupted, true},
        {"bad header", badHeader, false}, {"not a png", notPng, false},
        {"empty", {}, false},             {"signature only", {good.begin(), good.begin() + 8}, false},
    };
    for (const auto& c : cases) {
        const DecodedPicture picture = decodePng(c.bytes.data(), c.bytes.size());
        EXPECT_FALSE(picture.ok()) << c.name;
        EXPECT_TRUE(picture.rgba.empty()) << c.name;
        const DecodedPicture header = readPngHeader(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(header.ok(), c.headerSound) << c.name << ": " << header.error;
        if (c.headerSound) {
            EXPECT_EQ(header.width, 666) << c.name;
        }
    }
    EXPECT_FALSE(decodePng(nullptr, 100).ok());
    EXPECT_FALSE(readPngHeader(nullptr, 100).ok());
}

TEST(IconFile, FindsThe128PixelPngWithAlpha)
{
    const auto png = largestIconPng(assets::windowIco());
    ASSERT_FALSE(png.empty());
    const DecodedPicture icon = decodePng(png.data(), png.size());
    ASSERT_TRUE(icon.ok()) << icon.error;
    EXPECT_EQ(icon.width, 128);
    EXPECT_EQ(icon.height, 128);
    EXPECT_EQ(icon.rgba[3], 0);                     // transparent corner
    EXPECT_EQ(icon.rgba[(64 * 128 + 64) * 4 + 3], 255);  // opaque globe
    const std::uint8_t* centre = &icon.rgba[(64 * 128 + 60) * 4];
    EXPECT_GT(centre[1], centre[0]);  // green
    EXPECT_GT(centre[1], centre[2]);
}

TEST(IconFile, RejectsMalformedFiles)
{
    auto ico = bytesOf(assets::windowIco());
    auto pointsOutside = ico;
    pointsOutside[18] = 0xff;  // offset beyond the end
    pointsOutside[19] = 0xff;
    const std::pair<const char*, std::vector<std::uint8_t>> cases[] = {
        {"empty", {}},
        {"header only", {ico.begin(), ico.begin() + 6}},
        {"entry past end", pointsOutside},
        {"truncated payload", {ico.begin(), ico.begin() + 100}},
    };
    for (const auto& [name, bytes] : cases)
        EXPECT_TRUE(largestIconPng(bytes).empty()) << name;
}

}  // namespace
}  // namespace quorvel
