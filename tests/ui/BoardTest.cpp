// What a board repaints from, with and without keepDrawing.

#include "tests/support/GameFixture.h"

#include "assets/Assets.h"
#include "game/Drawing.h"

#include <QApplication>

namespace quorvel::test {
namespace {

class BoardTest : public GameFixture {
protected:
    // A repaint the board did not ask for, as after restoring the window.
    void exposeAgain(Board* b)
    {
        QApplication::processEvents();
        b->repaint();
        QApplication::processEvents();
    }
};

TEST_F(BoardTest, KeepDrawingSurvivesRepaintsAndTheMainBoardLosesWhatWasDrawn)
{
    tk::show(Control::画板1);
    QApplication::processEvents();
    for (BoardHandle handle : {questionBoard(1), tk::mainBoard()}) {
        Board* b = context->board(handle);
        lightPoint(handle, 6);
        exposeAgain(b);
        const bool kept = b->keepDrawing();
        EXPECT_EQ(isLit(b->image(), 6), kept) << (kept ? "question board" : "画板1");
        EXPECT_EQ(isLit(b->grab().toImage(), 6), kept);
    }
}

TEST_F(BoardTest, KeptDrawingsSurviveMinimiseAndRestore)
{
    lightPoint(questionBoard(2), 9);
    QApplication::processEvents();
    window().showMinimized();
    QApplication::processEvents();
    window().showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(isLit(board(2)->grab().toImage(), 9));
    EXPECT_TRUE(showsNumber(board(2)->grab().toImage()));
}

TEST_F(BoardTest, ClearShowsTheBackgroundAgain)
{
    const QImage before = image(1);
    lightPoint(questionBoard(1), 1);
    tk::clearBoard(questionBoard(1));
    EXPECT_TRUE(litPoints(image(1)).empty());
    EXPECT_FALSE(showsNumber(image(1)));
    EXPECT_NE(image(1), before);  // the number is gone too
}

TEST_F(BoardTest, APictureWhosePixelsAreDamagedDrawsNothing)
{
    const auto good = assets::markerPng();
    const std::vector<std::uint8_t> truncated(good.begin(), good.begin() + good.size() / 2);
    const PictureHandle damaged = tk::loadPicture(truncated.data(), truncated.size());
    ASSERT_TRUE(damaged.valid());  // the header is sound; the pixels are read on first drawing
    const QImage before = image(1);
    tk::drawPicture(questionBoard(1), damaged, 0, 0, 15, 15);
    EXPECT_EQ(image(1), before);
}

TEST_F(BoardTest, DrawsAtDeviceResolution)
{
    // Run once more by ctest with QT_SCALE_FACTOR=2.
    const qreal dpr = board(1)->devicePixelRatioF();
    const QImage shown = image(1);
    EXPECT_EQ(shown.size(), QSize(qRound(150 * dpr), qRound(150 * dpr)));
    EXPECT_EQ(shown.devicePixelRatio(), dpr);
    lightPoint(questionBoard(1), 16);
    EXPECT_TRUE(isLit(image(1), 16));
    // The marker's last device pixel is the board's last pixel.
    const QImage lit = image(1);
    EXPECT_NE(lit.pixel(lit.width() - 1, lit.height() - 1), shown.pixel(shown.width() - 1, shown.height() - 1));
}

}  // namespace
}  // namespace quorvel::test
