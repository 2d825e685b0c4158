#pragma once
// Decodes PNG bytes held in memory with libpng's simplified read API.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;  // width * height pixels, R G B A bytes
    std::string error;               // empty on success
    bool ok() const { return error.empty(); }
};

// Never throws and never crashes on bad input: bytes that are not a complete,
// valid PNG give a result whose error says why.
DecodedPicture decodePng(const std::uint8_t* bytes, std::size_t size);

// Reads the header only: the size, with rgba left empty, or why the bytes do
// not start a PNG. Damage further on shows only when decoding.
DecodedPicture readPngHeader(const std::uint8_t* bytes, std::size_t size);

}  // namespace quorvel
