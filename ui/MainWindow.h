#pragma once

#include "ui/Toolkit.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

namespace quorvel {

class Board;
class Picture;

// The one window, built from the layout table. It knows nothing of the game:
// the toolkit context binds handlers to its controls.
class MainWindow : public QWidget {
public:
    MainWindow();
    ~MainWindow() override;

    // nullptr for 时钟1, which has no visible form.
    QWidget* control(Control control) const;
    Board* mainBoard() const { return mainBoard_; }
    Board* newBoardCopy();

    // Runs once when the player closes the window (close box, system menu, Esc).
    void setCloseHandler(std::function<void()> handler) { onClose_ = std::move(handler); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void fitToFrame();

    std::map<Control, QWidget*> controls_;
    Board* mainBoard_ = nullptr;
    std::shared_ptr<const Picture> cover_;
    std::function<void()> onClose_;
    QSize frameMargins_;
};

// Application-wide look: Fusion style and a CJK-capable default face.
void prepareApplicationLook();

}  // namespace quorvel
