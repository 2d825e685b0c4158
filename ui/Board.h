#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <memory>

namespace quorvel {

class Picture;

// A 150 x 150 drawing board. Every drawing goes into an off-screen image at
// device resolution, and only the touched rectangle is repainted from it.
// With keepDrawing off, a repaint the board did not ask for itself (expose,
// show, restore) resets the touched area to the background first, so what was
// drawn is lost exactly when the board is repainted.
class Board : public QWidget {
public:
    Board(QWidget* parent, std::shared_ptr<const Picture> background);

    void setKeepDrawing(bool keep) { keepDrawing_ = keep; }
    bool keepDrawing() const { return keepDrawing_; }

    void clear();
    void drawPicture(const Picture& picture, const QRect& target);
    void writeText(const QPoint& topLeft, const QString& text);

    // What the board shows now, at device resolution.
    QImage image();
    std::shared_ptr<const Picture> background() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ensureSurface();
    void paintBackground(QPainter& painter, const QRect& area);
    void touched(const QRect& area);

    std::shared_ptr<const Picture> background_;
    QImage surface_;
    QRegion ownUpdates_;
    bool keepDrawing_ = false;
};

}  // namespace quorvel
