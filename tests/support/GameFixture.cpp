#include "tests/support/GameFixture.h"

#include "app/Application.h"
#include "ui/Values.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>

namespace quorvel::test {

void GameFixture::SetUp()
{
    context = std::make_unique<ToolkitContext>(clock);
    openMainWindow(*context);
}

void GameFixture::TearDown()
{
    EXPECT_EQ(context->strayBoardUses(), 0) << "a drawing targeted a board that does not exist";
    context.reset();
    gameState = GameState{};
}

bool GameFixture::shown(Control control)
{
    QWidget* w = widget(control);
    return w && w->isVisible();
}

bool GameFixture::enabled(Control control)
{
    QWidget* w = widget(control);
    return w && w->isEnabled();
}

void GameFixture::click(Control button)
{
    QWidget* w = context->live() ? widget(button) : nullptr;
    if (w && w->isVisible() && w->isEnabled())
        QTest::mouseClick(w, Qt::LeftButton);
}

void GameFixture::clickAt(std::int64_t time, Control button)
{
    clock.at(time, [this, button] { click(button); });
}

void GameFixture::choose(Control combo, const std::string& item)
{
    auto* box = qobject_cast<QComboBox*>(widget(combo));
    ASSERT_NE(box, nullptr);
    const int index = box->findText(QString::fromStdString(item));
    ASSERT_GE(index, 0) << item;
    box->setCurrentIndex(index);
}

void GameFixture::newGame(int questions)
{
    choose(Control::组合框1, std::to_string(questions));
    click(Control::按钮6);
}

Board* GameFixture::board(int question)
{
    return isQuestionBoard(question) ? context->board(questionBoard(question)) : nullptr;
}

QImage GameFixture::image(int question)
{
    Board* b = board(question);
    return b ? b->image() : QImage();
}

QImage GameFixture::mainImage()
{
    return window().mainBoard()->image();
}

std::vector<std::vector<int>> GameFixture::sequences()
{
    std::vector<std::vector<int>> out;
    for (int row = 0; row < tk::rowCount(); ++row) {
        std::vector<int> points;
        for (const std::string& piece : split(tk::cell(row, 1), " "))
            points.push_back(toInt(piece));
        out.push_back(points);
    }
    return out;
}

}  // namespace quorvel::test
