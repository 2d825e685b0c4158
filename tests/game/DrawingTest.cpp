// The drawing routines judged on a question board's pixels.

#include "game/Drawing.h"
#include "tests/support/GameFixture.h"

namespace quorvel::test {
namespace {

// Smallest rectangle holding every pixel that differs between two images.
QRect changedArea(const QImage& before, const QImage& after)
{
    QRect area;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

// Leftmost column with dark ink in the number area.
int inkLeft(const QImage& image)
{
    for (int x = 60; x < 110; ++x)
        for (int y = 66; y < 95; ++y)
            if (qGray(image.pixel(x, y)) < 110 && x != 97 && x != 98)
                return x;
    return -1;
}

class DrawingTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        board1 = questionBoard(1);
        drawCover(board1);
        bare = image(1);
    }
    BoardHandle board1;
    QImage bare;  // the cover alone
};

TEST_F(DrawingTest, PointOriginUsesTheUnevenOffsets)
{
    const int offsets[] = {0, 43, 91, 135};
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(pointOrigin(k), (Point2{offsets[(k - 1) % 4], offsets[(k - 1) / 4]})) << k;
    for (int k : {0, 17, -1})
        EXPECT_FALSE(pointOrigin(k).has_value()) << k;
}

TEST_F(DrawingTest, LightPointFillsExactlyItsMarkerSquare)
{
    const std::pair<int, QRect> cases[] = {
        {1, QRect(0, 0, 15, 15)},    {4, QRect(135, 0, 15, 15)},  {6, QRect(43, 43, 15, 15)},
        {13, QRect(0, 135, 15, 15)}, {16, QRect(135, 135, 15, 15)},
    };
    for (const auto& [point, square] : cases) {
        drawCover(board1);
        lightPoint(board1, point);
        const QImage lit = image(1);
        EXPECT_EQ(changedArea(bare, lit), square) << "point " << point;
        EXPECT_EQ(litPoints(lit), std::vector<int>{point});
    }
    EXPECT_EQ(QRect(135, 135, 15, 15).bottomRight(), QPoint(149, 149));
}

TEST_F(DrawingTest, PointsOutsideOneToSixteenDrawNothing)
{
    for (int point : {0, 17, -1, 100}) {
        lightPoint(board1, point);
        EXPECT_EQ(image(1), bare) << point;
    }
}

TEST_F(DrawingTest, LightingTwiceEqualsLightingOnce)
{
    lightPoint(board1, 7);
    const QImage once = image(1);
    lightPoint(board1, 7);
    EXPECT_EQ(image(1), once);
}

TEST_F(DrawingTest, CoverHidesMarkersAndNumbersAndCoverAndNumberShowsTheNumber)
{
    lightPoint(board1, 2);
    lightPoint(board1, 11);
    writeNumber(board1, 1);
    ASSERT_TRUE(showsNumber(image(1)));
    drawCover(board1);
    EXPECT_EQ(image(1), bare);
    EXPECT_FALSE(showsNumber(image(1)));
    coverAndNumber(board1, 1);
    EXPECT_TRUE(showsNumber(image(1)));
    EXPECT_TRUE(litPoints(image(1)).empty());
}

TEST_F(DrawingTest, NumbersStartAtSeventySeventyAndAreNeverCentred)
{
    std::vector<int> lefts;
    for (int number : {1, 10, 17, 30}) {
        drawCover(board1);
        writeNumber(board1, number);
        const QImage written = image(1);
        const QRect area = changedArea(bare, written);
        EXPECT_GE(area.left(), 70) << number;
        EXPECT_GE(area.top(), 70) << number;
        lefts.push_back(inkLeft(written));
    }
    // "1", "10" and "17" share their first glyph, so their ink starts alike.
    EXPECT_EQ(lefts[0], lefts[1]);
    EXPECT_EQ(lefts[0], lefts[2]);
    EXPECT_LE(lefts[3], lefts[0] + 2);
}

TEST_F(DrawingTest, GridLinesComeOutEvenAndMarkersSitOnCrossings)
{
    // Each grid line is 2 or 3 dark pixels wide on the board, never lost or smeared.
    for (int lineNear : {4, 50, 98, 146}) {
        int dark = 0;
        for (int x = lineNear - 4; x <= std::min(lineNear + 4, 149); ++x)
            if (qGray(bare.pixel(x, 25)) < 128)
                ++dark;
        EXPECT_GE(dark, 2) << lineNear;
        EXPECT_LE(dark, 3) << lineNear;
    }
    for (int k = 1; k <= 16; ++k) {
        const Point2 o = *pointOrigin(k);
        const int cx = o.x + 7, cy = o.y + 7;
        // Under the marker square, the grid cross is there in both directions.
        bool vertical = false, horizontal = false;
        for (int d = -7; d <= 7; ++d) {
            vertical = vertical || qGray(bare.pixel(std::clamp(cx + d, 0, 149), cy + (cy < 75 ? 20 : -20))) < 128;
            horizontal = horizontal || qGray(bare.pixel(cx + (cx < 75 ? 20 : -20), std::clamp(cy + d, 0, 149))) < 128;
        }
        EXPECT_TRUE(vertical && horizontal) << "point " << k;
    }
}

}  // namespace
}  // namespace quorvel::test
