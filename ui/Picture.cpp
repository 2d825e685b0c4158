#include "ui/Picture.h"

#include "ui/PngDecoder.h"

#include <QPainter>
#include <algorithm>

namespace quorvel {

QImage Picture::decode(const std::vector<std::uint8_t>& png)
{
    const DecodedPicture decoded = decodePng(png.data(), png.size());
    if (!decoded.ok())
        return {};
    const QImage rgba(decoded.rgba.data(), decoded.width, decoded.height, decoded.width * 4,
                      QImage::Format_RGBA8888);
    QImage opaque(decoded.width, decoded.height, QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, rgba);
    return opaque;
}

std::shared_ptr<const Picture> Picture::fromPng(const std::uint8_t* bytes, std::size_t size)
{
    if (!bytes)
        return nullptr;
    std::vector<std::uint8_t> png(bytes, bytes + size);
    QImage source = decode(png);
    if (source.isNull())
        return nullptr;
    return std::shared_ptr<const Picture>(new Picture(std::move(png), std::move(source)));
}

Picture::Picture(std::vector<std::uint8_t> png, QImage source)
    : png_(std::move(png)), size_(source.size()), source_(std::move(source))
{
}

const QImage& Picture::scaledTo(QSize pixels) const
{
    const auto key = std::make_pair(pixels.width(), pixels.height());
    auto found = scaled_.find(key);
    if (found == scaled_.end()) {
        if (source_.isNull())
            source_ = decode(png_);
        // SmoothTransformation averages the covered source area when shrinking,
        // so 10-pixel grid lines come out as even ~2-pixel lines.
        found = scaled_.emplace(key, source_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
                    .first;
        source_ = QImage();
    }
    return found->second;
}

std::shared_ptr<const Picture> sharedPicture(const std::uint8_t* bytes, std::size_t size)
{
    // Keyed by address and size, confirmed by content, so bytes freed and
    // reused for another picture can never return the old one.
    static std::map<std::pair<const std::uint8_t*, std::size_t>, std::weak_ptr<const Picture>> decoded;
    const auto key = std::make_pair(bytes, size);
    if (auto found = decoded.find(key); found != decoded.end()) {
        auto picture = found->second.lock();
        if (picture && std::equal(picture->png().begin(), picture->png().end(), bytes, bytes + size))
            return picture;
    }
    auto picture = Picture::fromPng(bytes, size);
    if (picture)
        decoded[key] = picture;
    return picture;
}

}  // namespace quorvel
