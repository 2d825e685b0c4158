#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace quorvel {

// A PNG picture made opaque (alpha blended over white), kept as its scaled
// versions per target pixel size: the game draws the same two pictures at the
// same sizes again and again, and area-averaging a 666-pixel source every
// time would cost far more than the drawing. The full-size pixels are let go
// once scaled (they are several MiB) and decoded again from the PNG bytes
// only if a new size is ever asked for, as after a change of screen scale.
class Picture {
public:
    // nullptr when the bytes are not a valid PNG.
    static std::shared_ptr<const Picture> fromPng(const std::uint8_t* bytes, std::size_t size);

    QSize size() const { return size_; }
    const QImage& scaledTo(QSize pixels) const;
    const std::vector<std::uint8_t>& png() const { return png_; }

private:
    Picture(std::vector<std::uint8_t> png, QImage source);
    static QImage decode(const std::vector<std::uint8_t>& png);

    std::vector<std::uint8_t> png_;
    QSize size_;
    mutable QImage source_;
    mutable std::map<std::pair<int, int>, QImage> scaled_;
};

// The picture decoded from these bytes, decoded once while anyone holds it:
// the window's board background and the game's grid picture are the same
// embedded bytes.
std::shared_ptr<const Picture> sharedPicture(const std::uint8_t* bytes, std::size_t size);

}  // namespace quorvel
