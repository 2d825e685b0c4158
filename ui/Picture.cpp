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
    const DecodedPicture header = readPngHeader(bytes, size);
    if (!header.ok())
        return nullptr;
    return std::shared_ptr<const Picture>(
        new Picture(std::vector<std::uint8_t>(bytes, bytes + size), QSize(header.width, header.height)));
}

Picture::Picture(std::vector<std::uint8_t> png, QSize size) : png_(std::move(png)), size_(size) {}

const QImage& Picture::scaledTo(QSize pixels) const
{
    const auto key = std::make_pair(pixels.width(), pixels.height());
    auto found = scaled_.find(key);
    if (found == scaled_.end()) {
        // SmoothTransformation averages the covered source area when shrinking,
        // so 10-pixel grid lines come out as even ~2-pixel lines.
        const QImage source = prefetched_.valid() ? prefetched_.get() : decode(png_);
        QImage scaled =
            source.isNull() ? QImage() : source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        found = scaled_.emplace(key, std::move(scaled)).first;
    }
    return found->second;
}

void Picture::prefetch() const
{
    if (scaled_.empty() && !prefetched_.valid())
        prefetched_ = std::async(std::launch::async, [this] { return decode(png_); });
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
