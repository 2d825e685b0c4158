#pragma once
// The Qt side of the toolkit operations: the window's widgets, the boards and
// pictures behind their handles, the clock, the random generator, the bound
// handlers and the exit routines. One context is current at a time; the free
// functions of Toolkit.h act on it.

#include "ui/Toolkit.h"
#include "ui/Values.h"

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QWidget;

namespace quorvel {

class Board;
class Clock;
class MainWindow;
class Picture;

class ToolkitContext {
public:
    explicit ToolkitContext(Clock& clock);
    ~ToolkitContext();
    ToolkitContext(const ToolkitContext&) = delete;
    ToolkitContext& operator=(const ToolkitContext&) = delete;

    static ToolkitContext* current();

    // Takes ownership of the window and routes its close to markClosed().
    void attach(std::unique_ptr<MainWindow> window);
    MainWindow* window() const { return window_.get(); }
    void destroyWindow();

    // Set when the window closes: from then on the toolkit operations do
    // nothing, waits return at once and the timer never ticks again.
    bool closed() const { return closed_; }
    void markClosed();

    // The context can act: a window is attached and still open.
    bool live() const { return window_ && !closed_; }

    Clock& clock() { return clock_; }
    Random& random() { return random_; }

    // Handlers, bound once by the application.
    void onCreated(std::function<void()> handler) { created_ = std::move(handler); }
    void onClicked(Control button, std::function<void()> handler);
    void onTimer(std::function<void()> handler) { timerHandler_ = std::move(handler); }
    void fireCreated();

    QWidget* widget(Control control) const;

    int timerPeriod() const { return timerPeriod_; }
    void setTimerPeriod(int ms);

    BoardHandle mainBoard() const { return BoardHandle{mainBoardId}; }
    Board* board(BoardHandle handle) const;
    BoardHandle copyBoard();
    void destroyBoard(BoardHandle handle);
    // Every board ever handed out that still exists, 画板1 first.
    std::vector<std::pair<BoardHandle, Board*>> boards() const;

    // Board operations that named no existing board while the window was
    // open. The game never makes one; tests count them to prove it.
    void noteStrayBoardUse() { ++strayBoardUses_; }
    int strayBoardUses() const { return strayBoardUses_; }

    PictureHandle addPicture(std::shared_ptr<const Picture> picture);
    const Picture* picture(PictureHandle handle) const;

    void addExitRoutine(std::function<void()> routine) { exitRoutines_.push_back(std::move(routine)); }
    void runExitRoutines();

    static constexpr int mainBoardId = 1;

private:
    Clock& clock_;
    Random random_;
    std::unique_ptr<MainWindow> window_;
    bool closed_ = false;
    int timerPeriod_ = 0;
    std::function<void()> created_;
    std::function<void()> timerHandler_;
    std::map<int, QPointer<Board>> boards_;
    int nextBoardId_ = mainBoardId + 1;
    int strayBoardUses_ = 0;
    std::map<int, std::shared_ptr<const Picture>> pictures_;
    int nextPictureId_ = 1;
    std::vector<std::function<void()>> exitRoutines_;
    bool exitRoutinesRan_ = false;
    ToolkitContext* previous_ = nullptr;
};

}  // namespace quorvel
