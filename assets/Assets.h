#pragma once
// The pictures built into the executable; nothing is read from disk.

#include <cstdint>
#include <span>

namespace quorvel::assets {

std::span<const std::uint8_t> coverPng();   // 666 x 666 grid
std::span<const std::uint8_t> markerPng();  // 566 x 566 red disc
std::span<const std::uint8_t> windowIco();  // 128 x 128, 32-bit with alpha

}  // namespace quorvel::assets
