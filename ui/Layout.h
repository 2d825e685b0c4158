#pragma once
// The main window's layout: one row per control, in creation order.

#include "ui/Toolkit.h"

#include <string>
#include <vector>

namespace quorvel {

enum class ControlKind { Label, ComboBox, Button, Edit, ListView, Board, Timer };
enum class LabelMode { MultiLine, SingleLine };
enum class Align { Left, Centre };

struct LayoutEntry {
    Control control;
    const char* name;  // objectName, same as the enumerator
    ControlKind kind;
    int left, top, width, height;
    bool visible, enabled;
    std::string text;  // "\r\n" breaks a label's line
    int fontPx;        // 0: the standard font
    Align align = Align::Left;
    LabelMode mode = LabelMode::SingleLine;
    std::vector<std::string> items = {};  // combo boxes
};

struct WindowLayout {
    const char* caption;
    int outerWidth, outerHeight;
    // The lowest control or board row ends at 793; a client area at least this
    // tall keeps all of them visible under any window frame.
    int minClientHeight;
};

const WindowLayout& windowLayout();
const std::vector<LayoutEntry>& layoutEntries();
const LayoutEntry& layoutEntry(Control control);

// For a screen reader: what a control is, where its text does not say it.
// nullptr where the control's text serves as its name.
const char* accessibleDescription(Control control);

// The question table's columns: header and width.
struct ListColumn {
    const char* header;
    int width;
};
const std::vector<ListColumn>& listColumns();

}  // namespace quorvel
