#include "ui/Layout.h"

#include <stdexcept>

namespace quorvel {

namespace {

std::vector<std::string> numbers(int from, int to)
{
    std::vector<std::string> out;
    for (int i = from; i <= to; ++i)
        out.push_back(std::to_string(i));
    return out;
}

constexpr auto Multi = LabelMode::MultiLine;
constexpr auto Single = LabelMode::SingleLine;
constexpr auto Centre = Align::Centre;
constexpr auto Left = Align::Left;
using K = ControlKind;
using C = Control;

}  // namespace

const WindowLayout& windowLayout()
{
    static const WindowLayout window{"Quorvel", 1377, 825, 797};
    return window;
}

const std::vector<LayoutEntry>& layoutEntries()
{
    // clang-format off
    static const std::vector<LayoutEntry> entries{
    //  control          name            kind          left  top  width height visible enabled text                                                        font align   mode
        {C::透明标签9,   "透明标签9",    K::Label,     968,  304, 408,  56,  false, true,  "观察时间到！\r\n请点击下面的随机出题。",                     27, Centre, Multi},
        {C::透明标签8,   "透明标签8",    K::Label,     952,  167, 160,  37,  false, true,  "观察模式：",                                               29, Centre, Multi},
        {C::组合框3,     "组合框3",      K::ComboBox,  1224, 399, 144,  37,  false, true,  "1",                                                        29, Left,   Single, numbers(1, 2)},
        {C::透明标签7,   "透明标签7",    K::Label,     1214, 366, 160,  37,  false, true,  "观察模式：",                                               29, Centre, Multi},
        {C::组合框2,     "组合框2",      K::ComboBox,  1184, 164, 182,  37,  false, true,  "1",                                                        29, Left,   Single, numbers(1, 2)},
        {C::按钮9,       "按钮9",        K::Button,    1224, 443, 144,  56,  false, true,  "观看一遍",                                                 16, Centre},
        {C::透明标签6,   "透明标签6",    K::Label,     952,  27,  144,  37,  true,  true,  "出题数：",                                                 29, Centre, Multi},
        {C::组合框1,     "组合框1",      K::ComboBox,  1103, 23,  125,  37,  true,  true,  "3",                                                        29, Left,   Single, numbers(3, 30)},
        {C::透明标签5,   "透明标签5",    K::Label,     960,  516, 400,  72,  false, true,  "系统已经随机挑选了一道题目\r\n请观看一遍后 在下方验证答案", 29, Centre, Multi},
        {C::透明标签4,   "透明标签4",    K::Label,     1002, 616, 112,  56,  false, true,  "正确答案：",                                               24, Left,   Single},
        {C::透明标签3,   "透明标签3",    K::Label,     960,  696, 112,  56,  false, true,  "您的答案：",                                               24, Left,   Single},
        {C::编辑框2,     "编辑框2",      K::Edit,      1088, 700, 80,   52,  false, true,  "1",                                                        32, Centre},
        {C::透明标签2,   "透明标签2",    K::Label,     960,  80,  408,  80,  false, true,  "游戏已经开始，\r\n请点击开始观察。",                         40, Centre, Multi},
        {C::按钮6,       "按钮6",        K::Button,    1240, 7,   128,  72,  true,  true,  "开始游戏",                                                 24, Centre},
        {C::按钮3,       "按钮3",        K::Button,    1184, 208, 184,  96,  false, true,  "停止观察",                                                 24, Centre},
        {C::透明标签1,   "透明标签1",    K::Label,     1176, 584, 120,  112, false, true,  "1",                                                        107, Centre, Single},
        {C::按钮2,       "按钮2",        K::Button,    1176, 692, 120,  64,  false, false, "验证答案",                                                 16, Centre},
        {C::按钮1,       "按钮1",        K::Button,    960,  391, 96,   91,  false, true,  "随机出题",                                                 16, Centre},
        {C::画板1,       "画板1",        K::Board,     1062, 361, 150,  150, false, true,  "",                                                         0},
        {C::时钟1,       "时钟1",        K::Timer,     1192, 96,  40,   40,  false, true,  "",                                                         0},
        {C::按钮4,       "按钮4",        K::Button,    952,  208, 184,  96,  false, true,  "开始观察",                                                 24, Centre},
        {C::超级列表框1, "超级列表框1",  K::ListView,  472,  472, 408,  148, false, true,  "",                                                         14},
        {C::编辑框1,     "编辑框1",      K::Edit,      1312, 312, 216,  48,  false, true,  "",                                                         0,  Left},
    };
    // clang-format on
    return entries;
}

const LayoutEntry& layoutEntry(Control control)
{
    for (const LayoutEntry& entry : layoutEntries())
        if (entry.control == control)
            return entry;
    throw std::logic_error("control missing from the layout");
}

const char* accessibleDescription(Control control)
{
    switch (control) {
    case Control::组合框1: return "出题数";
    case Control::组合框2: return "观察模式";
    case Control::组合框3: return "观看模式";
    case Control::编辑框2: return "您的答案";
    case Control::编辑框1: return "草稿";
    case Control::画板1: return "主画板";
    case Control::超级列表框1: return "题目表";
    case Control::透明标签1: return "正确答案";
    default: return nullptr;
    }
}

const std::vector<ListColumn>& listColumns()
{
    static const std::vector<ListColumn> columns{{"序号", 60}, {"内容", 320}};
    return columns;
}

}  // namespace quorvel
