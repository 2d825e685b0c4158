#include "ui/Picture.h"

#include "ui/PngDecoder.h"

#include <QPainter>

namespace quorvel {

Picture::Picture(const DecodedPicture& decoded)
{
    const QImage rgba(decoded.rgba.data(), decoded.width, decoded.height, decoded.width * 4,
                      QImage::Format_RGBA8888);
    source_ = QImage(decoded.width, decoded.height, QImage::Format_RGB32);
    source_.fill(Qt::white);
    QPainter painter(&source_);
    painter.drawImage(0, 0, rgba);
}

const QImage& Picture::scaledTo(QSize pixels) const
{
    const auto key = std::make_pair(pixels.width(), pixels.height());
    auto found = scaled_.find(key);
    if (found == scaled_.end()) {
        // SmoothTransformation averages the covered source area when shrinking,
        // so 10-pixel grid lines come out as even ~2-pixel lines.
        found = scaled_.emplace(key, source_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                    .first;
    }
    return found->second;
}

}  // namespace quorvel
