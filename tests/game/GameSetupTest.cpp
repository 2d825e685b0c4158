// Set-up as the player finds it after the window opens and after 开始游戏.

#include "game/GameSetup.h"
#include "game/Drawing.h"
#include "tests/support/GameFixture.h"
#include "ui/Values.h"

#include <QRegularExpression>
#include <set>

namespace quorvel::test {
namespace {

using C = Control;

class GameSetupTest : public GameFixture {
protected:
    int boardWidgets()
    {
        int count = 0;
        for (QWidget* child : window().findChildren<QWidget*>())
            count += dynamic_cast<Board*>(child) != nullptr;
        return count;
    }

    void expectReadyForObservation(int n)
    {
        ASSERT_EQ(static_cast<int>(gameState.questionBoards.size()), n);
        ASSERT_EQ(tk::rowCount(), n);
        EXPECT_EQ(boardWidgets(), n + 1);  // 画板1 and the question boards
        for (int q = 1; q <= n; ++q) {
            SCOPED_TRACE(q);
            ASSERT_NE(board(q), nullptr);
            EXPECT_TRUE(board(q)->isVisible());
            EXPECT_TRUE(board(q)->keepDrawing());
            EXPECT_EQ(board(q)->size(), QSize(150, 150));
            EXPECT_TRUE(showsNumber(image(q)));
            EXPECT_TRUE(litPoints(image(q)).empty());
            EXPECT_EQ(tk::cell(q - 1, 0), toText(q));
        }
        EXPECT_EQ(gameState.chosenIndex, 2);
        EXPECT_EQ(gameState.currentNumber, n);
        EXPECT_EQ(gameState.observing, 0);
        EXPECT_EQ(tk::timerPeriod(), 0);
        EXPECT_FALSE(enabled(C::按钮2));
        for (C shownControl : {C::透明标签8, C::组合框2, C::按钮4, C::按钮3, C::透明标签2})
            EXPECT_TRUE(shown(shownControl));
        for (C hiddenControl : {C::透明标签1, C::透明标签4, C::透明标签5})
            EXPECT_FALSE(shown(hiddenControl));
    }
};

TEST_F(GameSetupTest, TheWindowOpensWithThreeNumberedBoardsInARow)
{
    expectReadyForObservation(3);
    EXPECT_EQ(board(1)->pos(), QPoint(3, 3));
    EXPECT_EQ(board(2)->pos(), QPoint(163, 3));
    EXPECT_EQ(board(3)->pos(), QPoint(323, 3));
}

TEST_F(GameSetupTest, BoardsStandSixToARowAtTheirPlaces)
{
    struct Case {
        int n;
        std::vector<std::pair<int, QPoint>> places;
    };
    const Case cases[] = {
        {6, {{1, {3, 3}}, {6, {803, 3}}}},
        {7, {{6, {803, 3}}, {7, {3, 163}}}},
        {30, {{12, {803, 163}}, {13, {3, 323}}, {19, {3, 483}}, {25, {3, 643}}, {30, {803, 643}}}},
        {3, {{3, {323, 3}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        newGame(c.n);
        expectReadyForObservation(c.n);
        for (const auto& [q, place] : c.places)
            EXPECT_EQ(board(q)->pos(), place) << "board " << q;
    }
}

TEST_F(GameSetupTest, ANewGameRemovesEveryBoardOfTheOldOne)
{
    newGame(30);
    std::vector<QPointer<Board>> old;
    for (int q = 1; q <= 30; ++q)
        old.emplace_back(board(q));
    newGame(4);
    for (const QPointer<Board>& b : old)
        EXPECT_TRUE(b.isNull());
    expectReadyForObservation(4);
}

TEST_F(GameSetupTest, SequencesAreFourToNineDistinctPointsEachFollowedByOneSpace)
{
    // Many games with a fixed virtual clock: deterministic, so the counts
    // below cannot flake; with ~3000 sequences a missing value would mean a
    // broken draw, not bad luck.
    const QRegularExpression format(QStringLiteral("^([1-9]|1[0-6])( ([1-9]|1[0-6]))* $"));
    std::map<int, int> lengths;
    std::map<int, int> points;
    std::map<int, int> firstPoints;
    choose(C::组合框1, "30");
    for (int game = 0; game < 100; ++game) {
        click(C::按钮6);
        for (int row = 0; row < tk::rowCount(); ++row) {
            const std::string text = tk::cell(row, 1);
            ASSERT_TRUE(format.match(QString::fromStdString(text)).hasMatch()) << text;
            const auto pieces = split(text, " ");
            std::set<int> distinct;
            for (const auto& piece : pieces) {
                distinct.insert(toInt(piece));
                ++points[toInt(piece)];
            }
            ASSERT_EQ(distinct.size(), pieces.size()) << text;
            ++lengths[static_cast<int>(pieces.size())];
            ++firstPoints[toInt(pieces.front())];
        }
    }
    ASSERT_EQ(lengths.size(), 6u);
    EXPECT_EQ(lengths.begin()->first, 4);
    EXPECT_EQ(lengths.rbegin()->first, 9);
    ASSERT_EQ(points.size(), 16u);
    EXPECT_EQ(points.begin()->first, 1);
    EXPECT_EQ(points.rbegin()->first, 16);
    // Roughly uniform: each length near 1/6, each first point near 1/16.
    for (const auto& [length, count] : lengths)
        EXPECT_NEAR(count, 3000 / 6, 150) << "length " << length;
    for (const auto& [point, count] : firstPoints)
        EXPECT_NEAR(count, 3000 / 16, 80) << "first point " << point;
}

TEST_F(GameSetupTest, QuestionsAndGamesAreDrawnIndependently)
{
    newGame(30);
    const auto first = sequences();
    std::set<std::vector<int>> distinct(first.begin(), first.end());
    EXPECT_GT(distinct.size(), 25u);
    newGame(30);
    EXPECT_NE(sequences(), first);
}

TEST_F(GameSetupTest, LeavesQuizControlsAndTheMainBoardAsItFindsThem)
{
    tk::show(C::画板1);
    tk::show(C::按钮1);
    tk::show(C::编辑框2);
    lightPoint(tk::mainBoard(), 5);
    gameState.observing = 1;
    gameState.chosenIndex = 0;
    tk::setTimerPeriod(500);
    tk::enable(C::按钮2);
    click(C::按钮6);
    EXPECT_TRUE(shown(C::画板1));
    EXPECT_TRUE(shown(C::按钮1));
    EXPECT_TRUE(shown(C::编辑框2));
    EXPECT_TRUE(isLit(mainImage(), 5));
    expectReadyForObservation(3);
}

}  // namespace
}  // namespace quorvel::test
