// Scaled versions of a picture, whether its pixels were decoded ahead on a
// worker thread or on first use.

#include "assets/Assets.h"
#include "ui/Picture.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Picture, APrefetchedPictureScalesLikeOneDecodedOnFirstUse)
{
    for (const auto bytes : {assets::coverPng(), assets::markerPng()}) {
        const auto plain = Picture::fromPng(bytes.data(), bytes.size());
        const auto prefetched = Picture::fromPng(bytes.data(), bytes.size());
        ASSERT_TRUE(plain && prefetched);
        prefetched->prefetch();
        // The prefetched pixels serve the first size only; later sizes decode again.
        for (const QSize size : {QSize(150, 150), QSize(15, 15), QSize(300, 300)}) {
            const QImage& expected = plain->scaledTo(size);
            ASSERT_EQ(expected.size(), size);
            EXPECT_EQ(prefetched->scaledTo(size), expected) << size.width();
        }
    }
}

TEST(Picture, ADroppedPrefetchWaitsForItsDecode)
{
    // Destroying a picture mid-decode must neither crash nor leave the worker
    // reading freed bytes (the sanitizer build catches the latter).
    const auto bytes = assets::coverPng();
    for (int i = 0; i < 4; ++i)
        Picture::fromPng(bytes.data(), bytes.size())->prefetch();
}

}  // namespace
}  // namespace quorvel
