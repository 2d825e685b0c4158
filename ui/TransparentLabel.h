#pragma once

#include "ui/Layout.h"

#include <QWidget>

namespace quorvel {

// A label that paints no background and draws "&" literally. Lines sit one
// font pixel height apart, as the layout's heights assume (a two-line label is
// exactly two font heights tall); each line's ink is centred in its pitch, so
// nothing is clipped even where the face's ascent exceeds the pixel height.
class TransparentLabel : public QWidget {
public:
    TransparentLabel(QWidget* parent, LabelMode mode, Align align);

    QString text() const { return text_; }
    void setText(const QString& text);
    // A screen reader reads the current text as the label's name.
    void setNameFollowsText(bool follows);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    LabelMode mode_;
    Align align_;
    bool nameFollowsText_ = false;
};

}  // namespace quorvel
