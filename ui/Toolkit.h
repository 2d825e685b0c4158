#pragma once
// The toolkit operations the game calls. Free of Qt: the game library builds
// against this header alone. Every operation acts on the one main window; once
// that window is closed, or before it exists, every operation does nothing and
// every read gives an empty or zero result, so a handler resumed after a close
// runs out without touching anything.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quorvel {

// Controls of the main window, in creation order. The enumerators are the
// layout names, which are also each widget's objectName.
enum class Control {
    透明标签9,
    透明标签8,
    组合框3,
    透明标签7,
    组合框2,
    按钮9,
    透明标签6,
    组合框1,
    透明标签5,
    透明标签4,
    透明标签3,
    编辑框2,
    透明标签2,
    按钮6,
    按钮3,
    透明标签1,
    按钮2,
    按钮1,
    画板1,
    时钟1,
    按钮4,
    超级列表框1,
    编辑框1,
};

// Names one board: 画板1 or a copy of it. Ids are never reused, so a handle of
// a destroyed board stays harmless: operations on it do nothing.
struct BoardHandle {
    int id = 0;
    bool operator==(const BoardHandle&) const = default;
};

// A decoded picture; id 0 names none and draws nothing.
struct PictureHandle {
    int id = 0;
    bool valid() const { return id != 0; }
    bool operator==(const PictureHandle&) const = default;
};

namespace tk {

void show(Control control);
void hide(Control control);
void enable(Control control);
void disable(Control control);
void focus(Control control);
void move(Control control, int left, int top);
bool isVisible(Control control);
bool isEnabled(Control control);

// Label caption, edit content or combo shown text.
std::string text(Control control);
void setText(Control control, std::string_view text);
void appendText(Control control, std::string_view text);

// Period of 时钟1 in ms: 0 stops it, a new value restarts the count, writing
// the current value again changes nothing.
void setTimerPeriod(int ms);
int timerPeriod();

// The question table held by 超级列表框1.
int rowCount();
int insertRow(std::string_view column0);  // appends; returns the 0-based row
void setCell(int row, int column, std::string_view text);
std::string cell(int row, int column);  // a missing cell reads ""
void deleteAllRows();
int tableCursor();  // selected row or -1
void setTableCursor(int row);  // -1 clears; a row past the end changes nothing

BoardHandle mainBoard();  // 画板1
BoardHandle copyBoard();  // a new hidden copy of 画板1
void destroyBoard(BoardHandle board);
void moveBoard(BoardHandle board, int left, int top);
void showBoard(BoardHandle board);
void setKeepDrawing(BoardHandle board, bool keep);
void clearBoard(BoardHandle board);
void drawPicture(BoardHandle board, PictureHandle picture, int left, int top, int width, int height);
void writeText(BoardHandle board, int left, int top, std::string_view text);

// Takes PNG bytes; a new handle each call, valid until exit. Bytes that do
// not start a valid PNG give an invalid handle; the pixels are decoded on
// first drawing, and pixel data damaged past a sound header draws nothing.
PictureHandle loadPicture(const std::uint8_t* bytes, std::size_t size);

// Returns once more than ms have passed, dispatching every event meanwhile.
// Handlers run inside it to completion, including their own waits.
void wait(int ms);

// Routines run once, in order, after the event loop has ended.
void addExitRoutine(std::function<void()> routine);

// Re-seeds from the clock; random integer in a closed range (see Random).
void reseedRandom();
int randomInt(int low, int high);

}  // namespace tk
}  // namespace quorvel
