#pragma once
// Finds the PNG image stored in a Windows .ico file (the form that holds
// 32-bit images with alpha).

#include <cstddef>
#include <cstdint>
#include <span>

namespace quorvel {

// The PNG payload of the largest entry, or an empty span when the bytes are
// not an icon file or no entry holds a PNG inside the file's bounds.
std::span<const std::uint8_t> largestIconPng(std::span<const std::uint8_t> ico);

}  // namespace quorvel
