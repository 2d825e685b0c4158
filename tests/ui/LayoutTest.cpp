// The created window against the layout as the player should find it.

#include "tests/support/GameFixture.h"
#include "ui/Layout.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QHeaderView>

namespace quorvel::test {
namespace {

struct Expected {
    Control control;
    const char* name;
    int left, top, width, height;
    bool visible, enabled;
    const char* text;
    int fontPx;
};

// At creation, before the first game reveals anything.
const Expected created[] = {
    {Control::透明标签9, "透明标签9", 968, 304, 408, 56, false, true, "观察时间到！\r\n请点击下面的随机出题。", 27},
    {Control::透明标签8, "透明标签8", 952, 167, 160, 37, false, true, "观察模式：", 29},
    {Control::组合框3, "组合框3", 1224, 399, 144, 37, false, true, "1", 29},
    {Control::透明标签7, "透明标签7", 1214, 366, 160, 37, false, true, "观察模式：", 29},
    {Control::组合框2, "组合框2", 1184, 164, 182, 37, false, true, "1", 29},
    {Control::按钮9, "按钮9", 1224, 443, 144, 56, false, true, "观看一遍", 16},
    {Control::透明标签6, "透明标签6", 952, 27, 144, 37, true, true, "出题数：", 29},
    {Control::组合框1, "组合框1", 1103, 23, 125, 37, true, true, "3", 29},
    {Control::透明标签5, "透明标签5", 960, 516, 400, 72, false, true, "系统已经随机挑选了一道题目\r\n请观看一遍后 在下方验证答案", 29},
    {Control::透明标签4, "透明标签4", 1002, 616, 112, 56, false, true, "正确答案：", 24},
    {Control::透明标签3, "透明标签3", 960, 696, 112, 56, false, true, "您的答案：", 24},
    {Control::编辑框2, "编辑框2", 1088, 700, 80, 52, false, true, "1", 32},
    {Control::透明标签2, "透明标签2", 960, 80, 408, 80, false, true, "游戏已经开始，\r\n请点击开始观察。", 40},
    {Control::按钮6, "按钮6", 1240, 7, 128, 72, true, true, "开始游戏", 24},
    {Control::按钮3, "按钮3", 1184, 208, 184, 96, false, true, "停止观察", 24},
    {Control::透明标签1, "透明标签1", 1176, 584, 120, 112, false, true, "1", 107},
    {Control::按钮2, "按钮2", 1176, 692, 120, 64, false, false, "验证答案", 16},
    {Control::按钮1, "按钮1", 960, 391, 96, 91, false, true, "随机出题", 16},
    {Control::画板1, "画板1", 1062, 361, 150, 150, false, true, "", 0},
    {Control::按钮4, "按钮4", 952, 208, 184, 96, false, true, "开始观察", 24},
    {Control::超级列表框1, "超级列表框1", 472, 472, 408, 148, false, true, "", 14},
    {Control::编辑框1, "编辑框1", 1312, 312, 216, 48, false, true, "", 0},
};

// The window as built, without the created event having run.
class CreatedWindow : public ::testing::Test {
protected:
    CreatedWindow() : context(clock) { context.attach(std::make_unique<MainWindow>()); }
    VirtualClock clock;
    ToolkitContext context;
};

TEST_F(CreatedWindow, EveryControlHasItsPlaceSizeStateTextAndFont)
{
    MainWindow& window = *context.window();
    for (const Expected& e : created) {
        SCOPED_TRACE(e.name);
        QWidget* w = window.control(e.control);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName().toStdString(), e.name);
        EXPECT_EQ(w->geometry(), QRect(e.left, e.top, e.width, e.height));
        EXPECT_EQ(!w->isHidden(), e.visible);
        EXPECT_EQ(w->isEnabled(), e.enabled);
        EXPECT_EQ(tk::text(e.control), e.text);
        if (e.fontPx > 0)
            EXPECT_EQ(w->font().pixelSize(), e.fontPx);
        else
            EXPECT_EQ(w->font().pixelSize(), QApplication::font().pixelSize());
        const bool tabStop = w->focusPolicy() & Qt::TabFocus;
        const bool expectTabStop = qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                   qobject_cast<QLineEdit*>(w) || qobject_cast<QTreeWidget*>(w);
        EXPECT_EQ(tabStop, expectTabStop);
    }
    EXPECT_EQ(window.control(Control::时钟1), nullptr);
    EXPECT_EQ(context.timerPeriod(), 0);
}

TEST_F(CreatedWindow, CombosAreNonEditableListsWithTheirItems)
{
    MainWindow& window = *context.window();
    const std::pair<Control, QStringList> combos[] = {
        {Control::组合框1, [] { QStringList l; for (int i = 3; i <= 30; ++i) l << QString::number(i); return l; }()},
        {Control::组合框2, {"1", "2"}},
        {Control::组合框3, {"1", "2"}},
    };
    for (const auto& [control, items] : combos) {
        auto* combo = qobject_cast<QComboBox*>(window.control(control));
        ASSERT_NE(combo, nullptr);
        EXPECT_FALSE(combo->isEditable());
        QStringList actual;
        for (int i = 0; i < combo->count(); ++i)
            actual << combo->itemText(i);
        EXPECT_EQ(actual, items);
        EXPECT_EQ(combo->currentIndex(), 0);
    }
}

TEST_F(CreatedWindow, QuestionTableHasTwoColumnsNoRowsAndNoCursor)
{
    auto* list = qobject_cast<QTreeWidget*>(context.window()->control(Control::超级列表框1));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->columnCount(), 2);
    EXPECT_EQ(list->headerItem()->text(0), "序号");
    EXPECT_EQ(list->headerItem()->text(1), "内容");
    EXPECT_EQ(list->columnWidth(0), 60);
    EXPECT_EQ(list->columnWidth(1), 320);
    EXPECT_EQ(tk::rowCount(), 0);
    EXPECT_EQ(tk::tableCursor(), -1);
}

TEST_F(CreatedWindow, WindowIsFixedTitledWithIconAndNoMaximiseBox)
{
    MainWindow& window = *context.window();
    EXPECT_EQ(window.windowTitle(), "Quorvel");
    EXPECT_EQ(window.size(), QSize(1377, 825));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().availableSizes().value(0), QSize(128, 128));
}

TEST(TableCursor, SelectsClearsAndIgnoresRowsPastTheEnd)
{
    VirtualClock clock;
    ToolkitContext context(clock);
    context.attach(std::make_unique<MainWindow>());
    for (const char* n : {"1", "2", "3"})
        tk::insertRow(n);
    tk::setCell(1, 1, "5 6 ");
    EXPECT_EQ(tk::cell(1, 1), "5 6 ");
    EXPECT_EQ(tk::cell(1, 0), "2");
    EXPECT_EQ(tk::cell(7, 0), "");
    EXPECT_EQ(tk::cell(0, 5), "");
    tk::setTableCursor(2);
    EXPECT_EQ(tk::tableCursor(), 2);
    tk::setTableCursor(3);  // past the end: unchanged
    EXPECT_EQ(tk::tableCursor(), 2);
    tk::setTableCursor(-1);
    EXPECT_EQ(tk::tableCursor(), -1);
    tk::setTableCursor(0);
    EXPECT_EQ(tk::tableCursor(), 0);
    tk::deleteAllRows();
    EXPECT_EQ(tk::rowCount(), 0);
    EXPECT_EQ(tk::tableCursor(), -1);
}

}  // namespace
}  // namespace quorvel::test

namespace quorvel::test {
namespace {

class Accessibility : public GameFixture {};

TEST_F(Accessibility, EveryControlAndBoardHasAName)
{
    for (const LayoutEntry& entry : layoutEntries()) {
        if (QWidget* w = widget(entry.control)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << entry.name;
        }
    }
    EXPECT_EQ(widget(Control::按钮4)->accessibleName(), "开始观察");
    EXPECT_EQ(widget(Control::组合框1)->accessibleName(), "出题数");
    EXPECT_EQ(widget(Control::透明标签2)->accessibleName(), "游戏已经开始， 请点击开始观察。");
    newGame(4);
    for (int q = 1; q <= 4; ++q)
        EXPECT_EQ(board(q)->accessibleName(), QStringLiteral("题目 %1").arg(q));
    tk::setText(Control::透明标签5, "播放完毕\r\n请给出你的答案");
    EXPECT_EQ(widget(Control::透明标签5)->accessibleName(), "播放完毕 请给出你的答案");
}

TEST_F(Accessibility, TabFollowsTheRightHandColumnFromTopToBottom)
{
    using C = Control;
    const C order[] = {C::组合框1, C::按钮6, C::按钮4, C::组合框2, C::按钮3,
                       C::按钮1, C::组合框3, C::按钮9, C::编辑框2, C::按钮2};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget* next = widget(order[i - 1])->nextInFocusChain();
        while (next && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, widget(order[i])) << layoutEntry(order[i - 1]).name;
    }
}

}  // namespace
}  // namespace quorvel::test
