#pragma once

#include <QImage>
#include <map>
#include <utility>

namespace quorvel {

struct DecodedPicture;

// A decoded picture made opaque (alpha blended over white), with its scaled
// versions kept per target pixel size: the game draws the same two pictures
// at the same sizes again and again, and area-averaging a 666-pixel source
// every time would cost far more than the drawing itself.
class Picture {
public:
    explicit Picture(const DecodedPicture& decoded);
    const QImage& source() const { return source_; }
    const QImage& scaledTo(QSize pixels) const;

private:
    QImage source_;
    mutable std::map<std::pair<int, int>, QImage> scaled_;
};

}  // namespace quorvel
