#include "ui/Board.h"

#include "ui/Picture.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace quorvel {

Board::Board(QWidget* parent, std::shared_ptr<const Picture> background)
    : QWidget(parent), background_(std::move(background))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The surface is made on first use, once the board has its real size.
}

void Board::ensureSurface()
{
    const qreal dpr = devicePixelRatioF();
    const QSize pixels(qRound(width() * dpr), qRound(height() * dpr));
    if (!surface_.isNull() && surface_.size() == pixels && surface_.devicePixelRatio() == dpr)
        return;
    QImage fresh(pixels, QImage::Format_RGB32);
    fresh.setDevicePixelRatio(dpr);
    QPainter painter(&fresh);
    paintBackground(painter, rect());
    // Moving to a screen of another pixel ratio keeps what was drawn; a new
    // size (only ever at creation) starts from the background.
    if (!surface_.isNull() && surface_.deviceIndependentSize().toSize() == size())
        painter.drawImage(QRectF(rect()), surface_);
    painter.end();
    surface_ = std::move(fresh);
}

void Board::paintBackground(QPainter& painter, const QRect& area)
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (background_) {
        // Centred; shrunk to fit keeping proportions, never enlarged.
        const QSize source = background_->size();
        QSize fitted = source;
        if (source.width() > width() || source.height() > height())
            fitted = source.scaled(size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
        const qreal dpr = painter.device()->devicePixelRatioF();
        QImage scaled = background_->scaledTo(QSize(qRound(fitted.width() * dpr), qRound(fitted.height() * dpr)));
        scaled.setDevicePixelRatio(dpr);
        painter.drawImage(target.topLeft(), scaled);
    }
    painter.restore();
}

void Board::touched(const QRect& area)
{
    const QRect clipped = area.intersected(rect());
    ownUpdates_ += clipped;
    update(clipped);
}

void Board::clear()
{
    ensureSurface();
    QPainter painter(&surface_);
    paintBackground(painter, rect());
    touched(rect());
}

void Board::drawPicture(const Picture& picture, const QRect& target)
{
    if (target.isEmpty())
        return;
    ensureSurface();
    const qreal dpr = surface_.devicePixelRatio();
    QImage scaled = picture.scaledTo(QSize(qRound(target.width() * dpr), qRound(target.height() * dpr)));
    scaled.setDevicePixelRatio(dpr);
    QPainter painter(&surface_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(target.topLeft(), scaled);
    touched(target);
}

void Board::writeText(const QPoint& topLeft, const QString& text)
{
    if (text.isEmpty())
        return;
    ensureSurface();
    QPainter painter(&surface_);
    painter.setFont(font());
    painter.setPen(Qt::black);
    const QRect box(topLeft, QSize(width() * 4, height() * 4));
    QRect used;
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text, &used);
    touched(used.adjusted(-1, -1, 1, 1));
}

QImage Board::image()
{
    ensureSurface();
    return surface_;
}

void Board::paintEvent(QPaintEvent* event)
{
    ensureSurface();
    const QRegion foreign = event->region() - ownUpdates_;
    ownUpdates_ = QRegion();
    if (!keepDrawing_ && !foreign.isEmpty()) {
        QPainter reset(&surface_);
        for (const QRect& area : foreign)
            paintBackground(reset, area);
    }
    QPainter painter(this);
    for (const QRect& area : event->region())
        painter.drawImage(area, surface_, QRectF(area.topLeft() * surface_.devicePixelRatio(),
                                                 QSizeF(area.size()) * surface_.devicePixelRatio()));
}

}  // namespace quorvel
