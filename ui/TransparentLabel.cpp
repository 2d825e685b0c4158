#include "ui/TransparentLabel.h"

#include <QPainter>
#include <QTextLayout>

namespace quorvel {

TransparentLabel::TransparentLabel(QWidget* parent, LabelMode mode, Align align)
    : QWidget(parent), mode_(mode), align_(align)
{
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
}

namespace {
// What a screen reader says: the text on one line.
QString spoken(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String(" "));
}
}  // namespace

void TransparentLabel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    if (nameFollowsText_)
        setAccessibleName(spoken(text_));
    update();
}

void TransparentLabel::setNameFollowsText(bool follows)
{
    nameFollowsText_ = follows;
    if (follows)
        setAccessibleName(spoken(text_));
}

void TransparentLabel::paintEvent(QPaintEvent*)
{
    if (text_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const qreal pitch = font().pixelSize() > 0 ? font().pixelSize() : metrics.height();

    auto place = [&](QTextLine& line, qreal baseline) {
        const qreal x = align_ == Align::Centre ? (width() - line.naturalTextWidth()) / 2 : 0;
        line.setPosition(QPointF(x, baseline - line.ascent()));
    };

    if (mode_ == LabelMode::SingleLine) {
        QTextLayout layout(text_, font());
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        if (!line.isValid())
            return;
        const QRectF ink = metrics.tightBoundingRect(text_);
        place(line, (height() - ink.height()) / 2 - ink.top());
        layout.draw(&painter, QPointF());
        return;
    }

    // Ink of a full-height ideograph fixes where a line's baseline sits.
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("国"));
    const qreal baselineInPitch = (pitch - ink.height()) / 2 - ink.top();
    const QStringList paragraphs = QString(text_).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(u'\n');
    int lineIndex = 0;
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
            place(line, lineIndex * pitch + baselineInPitch);
            ++lineIndex;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF());
        if (paragraph.isEmpty() && layout.lineCount() == 0)
            ++lineIndex;
    }
}

}  // namespace quorvel
