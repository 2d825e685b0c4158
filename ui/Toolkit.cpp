#include "ui/Toolkit.h"

#include "ui/Board.h"
#include "ui/Clock.h"
#include "ui/Picture.h"
#include "ui/ToolkitContext.h"
#include "ui/TransparentLabel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace quorvel::tk {

namespace {

// The context while its window is open; nullptr once it is closed, so that
// every operation below falls through to doing nothing.
ToolkitContext* live()
{
    ToolkitContext* context = ToolkitContext::current();
    return context && context->live() ? context : nullptr;
}

QWidget* widgetOf(Control control)
{
    ToolkitContext* context = live();
    return context ? context->widget(control) : nullptr;
}

QTreeWidget* table()
{
    return qobject_cast<QTreeWidget*>(widgetOf(Control::超级列表框1));
}

Board* boardOf(BoardHandle handle)
{
    ToolkitContext* context = live();
    if (!context)
        return nullptr;
    Board* board = context->board(handle);
    if (!board)
        context->noteStrayBoardUse();
    return board;
}

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void show(Control control)
{
    if (QWidget* w = widgetOf(control))
        w->show();
}

void hide(Control control)
{
    if (QWidget* w = widgetOf(control))
        w->hide();
}

void enable(Control control)
{
    if (QWidget* w = widgetOf(control))
        w->setEnabled(true);
}

void disable(Control control)
{
    if (QWidget* w = widgetOf(control))
        w->setEnabled(false);
}

void focus(Control control)
{
    if (QWidget* w = widgetOf(control))
        w->setFocus(Qt::OtherFocusReason);
}

void move(Control control, int left, int top)
{
    if (QWidget* w = widgetOf(control))
        w->move(left, top);
}

bool isVisible(Control control)
{
    QWidget* w = widgetOf(control);
    return w && !w->isHidden();
}

bool isEnabled(Control control)
{
    QWidget* w = widgetOf(control);
    return w && w->isEnabled();
}

std::string text(Control control)
{
    QWidget* w = widgetOf(control);
    if (auto* label = dynamic_cast<TransparentLabel*>(w))
        return label->text().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().toStdString();
    return {};
}

void setText(Control control, std::string_view value)
{
    QWidget* w = widgetOf(control);
    if (auto* label = dynamic_cast<TransparentLabel*>(w))
        label->setText(qs(value));
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(qs(value));
    else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // A drop-down list can only show one of its items.
        const int index = combo->findText(qs(value));
        if (index >= 0)
            combo->setCurrentIndex(index);
    }
}

void appendText(Control control, std::string_view value)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widgetOf(control)))
        edit->setText(edit->text() + qs(value));
}

void setTimerPeriod(int ms)
{
    if (ToolkitContext* context = live())
        context->setTimerPeriod(ms);
}

int timerPeriod()
{
    ToolkitContext* context = live();
    return context ? context->timerPeriod() : 0;
}

int rowCount()
{
    QTreeWidget* t = table();
    return t ? t->topLevelItemCount() : 0;
}

int insertRow(std::string_view column0)
{
    QTreeWidget* t = table();
    if (!t)
        return -1;
    auto* item = new QTreeWidgetItem(QStringList{qs(column0)});
    t->addTopLevelItem(item);
    return t->indexOfTopLevelItem(item);
}

void setCell(int row, int column, std::string_view value)
{
    QTreeWidget* t = table();
    if (!t || column < 0 || column >= t->columnCount())
        return;
    if (QTreeWidgetItem* item = t->topLevelItem(row))
        item->setText(column, qs(value));
}

std::string cell(int row, int column)
{
    QTreeWidget* t = table();
    if (!t || column < 0 || column >= t->columnCount())
        return {};
    QTreeWidgetItem* item = t->topLevelItem(row);
    return item ? item->text(column).toStdString() : std::string();
}

void deleteAllRows()
{
    if (QTreeWidget* t = table())
        t->clear();
}

int tableCursor()
{
    QTreeWidget* t = table();
    if (!t)
        return -1;
    const QList<QTreeWidgetItem*> selected = t->selectedItems();
    return selected.isEmpty() ? -1 : t->indexOfTopLevelItem(selected.front());
}

void setTableCursor(int row)
{
    QTreeWidget* t = table();
    if (!t)
        return;
    if (row == -1) {
        t->clearSelection();
        t->setCurrentItem(nullptr);
        return;
    }
    if (QTreeWidgetItem* item = t->topLevelItem(row))
        t->setCurrentItem(item);  // single selection: selects this row alone
}

BoardHandle mainBoard()
{
    ToolkitContext* context = live();
    return context ? context->mainBoard() : BoardHandle{};
}

BoardHandle copyBoard()
{
    ToolkitContext* context = live();
    return context ? context->copyBoard() : BoardHandle{};
}

void destroyBoard(BoardHandle board)
{
    if (ToolkitContext* context = live())
        context->destroyBoard(board);
}

void moveBoard(BoardHandle board, int left, int top)
{
    if (Board* b = boardOf(board))
        b->move(left, top);
}

void showBoard(BoardHandle board)
{
    if (Board* b = boardOf(board))
        b->show();
}

void setKeepDrawing(BoardHandle board, bool keep)
{
    if (Board* b = boardOf(board))
        b->setKeepDrawing(keep);
}

void clearBoard(BoardHandle board)
{
    if (Board* b = boardOf(board))
        b->clear();
}

void drawPicture(BoardHandle board, PictureHandle picture, int left, int top, int width, int height)
{
    Board* b = boardOf(board);
    ToolkitContext* context = live();
    const Picture* p = context ? context->picture(picture) : nullptr;
    if (b && p)
        b->drawPicture(*p, QRect(left, top, width, height));
}

void writeText(BoardHandle board, int left, int top, std::string_view value)
{
    if (Board* b = boardOf(board))
        b->writeText(QPoint(left, top), qs(value));
}

PictureHandle loadPicture(const std::uint8_t* bytes, std::size_t size)
{
    ToolkitContext* context = ToolkitContext::current();
    if (!context)
        return {};
    auto picture = sharedPicture(bytes, size);
    return picture ? context->addPicture(std::move(picture)) : PictureHandle{};
}

void wait(int ms)
{
    if (ToolkitContext* context = live())
        context->clock().wait(ms);
}

void addExitRoutine(std::function<void()> routine)
{
    if (ToolkitContext* context = ToolkitContext::current())
        context->addExitRoutine(std::move(routine));
}

void reseedRandom()
{
    if (ToolkitContext* context = ToolkitContext::current())
        context->random().reseed(context->clock().nowMs());
}

int randomInt(int low, int high)
{
    ToolkitContext* context = ToolkitContext::current();
    return context ? context->random().randomInt(low, high) : 0;
}

}  // namespace quorvel::tk
