#include "ui/ToolkitContext.h"

#include "ui/Board.h"
#include "ui/Clock.h"
#include "ui/MainWindow.h"
#include "ui/Picture.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace quorvel {

namespace {
ToolkitContext* currentContext = nullptr;
}

ToolkitContext::ToolkitContext(Clock& clock) : clock_(clock), previous_(currentContext)
{
    currentContext = this;
    clock_.setTickHandler([this] {
        if (live() && timerHandler_)
            timerHandler_();
    });
}

ToolkitContext::~ToolkitContext()
{
    clock_.setTimerPeriod(0);
    clock_.setTickHandler(nullptr);
    destroyWindow();
    currentContext = previous_;
}

ToolkitContext* ToolkitContext::current()
{
    return currentContext;
}

void ToolkitContext::attach(std::unique_ptr<MainWindow> window)
{
    window_ = std::move(window);
    boards_[mainBoardId] = window_->mainBoard();
    window_->setCloseHandler([this] { markClosed(); });
}

void ToolkitContext::destroyWindow()
{
    if (!window_)
        return;
    closed_ = true;
    window_.reset();
    boards_.clear();
}

void ToolkitContext::markClosed()
{
    if (closed_)
        return;
    closed_ = true;
    timerPeriod_ = 0;
    clock_.shutdown();
    if (window_)
        window_->hide();
    // Ends the main loop once every paused handler has run out; their waits
    // return at once from now on.
    QCoreApplication::exit(0);
}

void ToolkitContext::onClicked(Control button, std::function<void()> handler)
{
    auto* widget = qobject_cast<QAbstractButton*>(this->widget(button));
    if (!widget)
        return;
    QObject::connect(widget, &QAbstractButton::clicked, widget, [this, handler = std::move(handler)] {
        if (live())
            handler();
    });
}

void ToolkitContext::fireCreated()
{
    if (live() && created_)
        created_();
}

QWidget* ToolkitContext::widget(Control control) const
{
    return window_ ? window_->control(control) : nullptr;
}

void ToolkitContext::setTimerPeriod(int ms)
{
    if (ms < 0)
        ms = 0;
    if (ms == timerPeriod_)
        return;
    timerPeriod_ = ms;
    clock_.setTimerPeriod(ms);
}

Board* ToolkitContext::board(BoardHandle handle) const
{
    const auto found = boards_.find(handle.id);
    return found == boards_.end() ? nullptr : found->second.data();
}

BoardHandle ToolkitContext::copyBoard()
{
    if (!live())
        return {};
    const int id = nextBoardId_++;
    Board* copy = window_->newBoardCopy();
    // Set-up destroys the old copies before making new ones, in question
    // order, so the k-th live copy is question k's board.
    int copies = 0;
    for (const auto& [other, board] : boards_)
        copies += other != mainBoardId && board;
    copy->setAccessibleName(QStringLiteral("题目 %1").arg(copies + 1));
    boards_[id] = copy;
    return BoardHandle{id};
}

void ToolkitContext::destroyBoard(BoardHandle handle)
{
    if (handle.id == mainBoardId)
        return;  // only copies can be destroyed
    const auto found = boards_.find(handle.id);
    if (found == boards_.end())
        return;
    // Boards never run code of their own that could be on the stack here, so
    // deleting at once is safe, also inside a nested wait; it makes the old
    // game's boards vanish immediately.
    delete found->second.data();
    boards_.erase(found);
}

std::vector<std::pair<BoardHandle, Board*>> ToolkitContext::boards() const
{
    std::vector<std::pair<BoardHandle, Board*>> out;
    for (const auto& [id, board] : boards_)
        if (board)
            out.emplace_back(BoardHandle{id}, board.data());
    return out;
}

PictureHandle ToolkitContext::addPicture(std::shared_ptr<const Picture> picture)
{
    const int id = nextPictureId_++;
    pictures_[id] = std::move(picture);
    return PictureHandle{id};
}

const Picture* ToolkitContext::picture(PictureHandle handle) const
{
    const auto found = pictures_.find(handle.id);
    return found == pictures_.end() ? nullptr : found->second.get();
}

void ToolkitContext::runExitRoutines()
{
    if (std::exchange(exitRoutinesRan_, true))
        return;
    for (auto& routine : exitRoutines_)
        routine();
    exitRoutines_.clear();
}

}  // namespace quorvel
