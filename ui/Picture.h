#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <future>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace quorvel {

// A PNG picture made opaque (alpha blended over white), kept as its scaled
// versions per target pixel size: the game draws the same two pictures at the
// same sizes again and again, and area-averaging a 666-pixel source every
// time would cost far more than the drawing. Pixels are decoded only when a
// size is first asked for and let go once scaled (they are MiBs), so a picture
// not yet drawn, such as the red disc until the first observation, costs its
// PNG bytes alone. Bytes with a sound header but damaged pixel data give an
// empty picture, which draws nothing.
class Picture {
public:
    // nullptr when the bytes do not start a valid PNG.
    static std::shared_ptr<const Picture> fromPng(const std::uint8_t* bytes, std::size_t size);

    QSize size() const { return size_; }
    const QImage& scaledTo(QSize pixels) const;
    // Starts decoding the pixels on a worker thread, for a picture about to be
    // drawn while the window is still being built: the first scaledTo then
    // waits only for what is left of it.
    void prefetch() const;
    const std::vector<std::uint8_t>& png() const { return png_; }

private:
    Picture(std::vector<std::uint8_t> png, QSize size);
    static QImage decode(const std::vector<std::uint8_t>& png);

    std::vector<std::uint8_t> png_;
    QSize size_;
    mutable std::map<std::pair<int, int>, QImage> scaled_;
    // Declared last: destroyed first, so a decode still running finishes
    // before the bytes it reads go away.
    mutable std::future<QImage> prefetched_;
};

// The picture decoded from these bytes, decoded once while anyone holds it:
// the window's board background and the game's grid picture are the same
// embedded bytes.
std::shared_ptr<const Picture> sharedPicture(const std::uint8_t* bytes, std::size_t size);

}  // namespace quorvel
