#include "ui/PngDecoder.h"

#include <png.h>

namespace quorvel {

namespace {
// Far above anything shipped; refuses a forged header before allocating.
constexpr png_uint_32 maxSide = 8192;

DecodedPicture failure(std::string why)
{
    DecodedPicture picture;
    picture.error = std::move(why);
    return picture;
}

// Starts reading; on success the image holds the size and must be finished
// or freed.
std::string beginRead(png_image& image, const std::uint8_t* bytes, std::size_t size)
{
    if (bytes == nullptr || size < 8 || png_sig_cmp(bytes, 0, 8) != 0)
        return "not a PNG file";
    image = png_image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes, size))
        return std::string("unreadable PNG: ") + image.message;
    if (image.width == 0 || image.height == 0 || image.width > maxSide || image.height > maxSide) {
        png_image_free(&image);
        return "PNG size out of range";
    }
    return {};
}
}  // namespace

DecodedPicture readPngHeader(const std::uint8_t* bytes, std::size_t size)
{
    png_image image{};
    if (std::string why = beginRead(image, bytes, size); !why.empty())
        return failure(std::move(why));
    DecodedPicture picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    png_image_free(&image);
    return picture;
}

DecodedPicture decodePng(const std::uint8_t* bytes, std::size_t size)
{
    png_image image{};
    if (std::string why = beginRead(image, bytes, size); !why.empty())
        return failure(std::move(why));

    image.format = PNG_FORMAT_RGBA;
    DecodedPicture picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) {
        std::string why = std::string("corrupt PNG: ") + image.message;
        png_image_free(&image);
        return failure(std::move(why));
    }
    return picture;
}

}  // namespace quorvel
