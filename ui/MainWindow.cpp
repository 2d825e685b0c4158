#include "ui/MainWindow.h"

#include "assets/Assets.h"
#include "ui/Board.h"
#include "ui/IconFile.h"
#include "ui/Layout.h"
#include "ui/Picture.h"
#include "ui/PngDecoder.h"
#include "ui/TransparentLabel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTreeWidget>

namespace quorvel {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

QFont fontOfHeight(int px)
{
    QFont font = QApplication::font();
    if (px > 0)
        font.setPixelSize(px);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QPixmap pixmapFromPng(std::span<const std::uint8_t> png)
{
    const DecodedPicture decoded = decodePng(png.data(), png.size());
    if (!decoded.ok())
        return {};
    const QImage image(decoded.rgba.data(), decoded.width, decoded.height, decoded.width * 4,
                       QImage::Format_RGBA8888);
    return QPixmap::fromImage(image.copy());
}

}  // namespace

void prepareApplicationLook()
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(12);
    // Han text, digits and full-width punctuation need no shaping, and shaping
    // with this face is costly: every pixel size gets its own copy of the
    // large substitution tables and its own shape plan. Scripts that do need
    // shaping (typed into an edit, say) are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    const WindowLayout& layout = windowLayout();
    setObjectName(QStringLiteral("Quorvel"));
    setWindowTitle(QString::fromUtf8(layout.caption));
    setAccessibleName(QString::fromUtf8(layout.caption));
    setFixedSize(layout.outerWidth, layout.outerHeight);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    const QPixmap icon = pixmapFromPng(largestIconPng(assets::windowIco()));
    if (!icon.isNull())
        setWindowIcon(QIcon(icon));

    const auto cover = assets::coverPng();
    cover_ = sharedPicture(cover.data(), cover.size());
    if (cover_)
        cover_->prefetch();  // every board's background, needed for the first paint

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect full = screen->geometry();
        move(full.x() + (full.width() - layout.outerWidth) / 2, full.y() + (full.height() - layout.outerHeight) / 2);
    }
    createControls();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::createControls()
{
    for (const LayoutEntry& entry : layoutEntries()) {
        QWidget* widget = nullptr;
        switch (entry.kind) {
        case ControlKind::Label: {
            auto* label = new TransparentLabel(this, entry.mode, entry.align);
            label->setText(qs(entry.text));
            widget = label;
            break;
        }
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(this);
            combo->setEditable(false);
            for (const std::string& item : entry.items)
                combo->addItem(qs(item));
            combo->setCurrentIndex(0);
            widget = combo;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(qs(entry.text), this);
            button->setAutoDefault(false);
            button->setDefault(false);
            widget = button;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(qs(entry.text), this);
            edit->setAlignment(entry.align == Align::Centre ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
            widget = edit;
            break;
        }
        case ControlKind::ListView: {
            auto* list = new QTreeWidget(this);
            QStringList headers;
            for (const ListColumn& column : listColumns())
                headers << QString::fromUtf8(column.header);
            list->setHeaderLabels(headers);
            // Sections sized by hint: sized from their contents, the header
            // measures them in the bold face and loads a second CJK font.
            const int headerHeight = list->fontMetrics().height() + 8;
            for (int i = 0; i < static_cast<int>(listColumns().size()); ++i) {
                list->setColumnWidth(i, listColumns()[i].width);
                list->headerItem()->setSizeHint(i, QSize(listColumns()[i].width, headerHeight));
            }
            list->setRootIsDecorated(false);
            list->setSortingEnabled(false);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setSelectionBehavior(QAbstractItemView::SelectRows);
            list->header()->setSectionsClickable(true);
            widget = list;
            break;
        }
        case ControlKind::Board:
            mainBoard_ = new Board(this, cover_);
            widget = mainBoard_;
            break;
        case ControlKind::Timer:
            continue;  // no visible form; the clock runs it
        }
        widget->setObjectName(QString::fromUtf8(entry.name));
        widget->setFont(fontOfHeight(entry.fontPx));
        widget->setGeometry(entry.left, entry.top, entry.width, entry.height);
        widget->setEnabled(entry.enabled);
        widget->setVisible(entry.visible);
        if (const char* description = quorvel::accessibleDescription(entry.control))
            widget->setAccessibleName(QString::fromUtf8(description));
        else if (auto* label = dynamic_cast<TransparentLabel*>(widget))
            label->setNameFollowsText(true);
        else
            widget->setAccessibleName(qs(entry.text));  // buttons: single-line captions
        controls_[entry.control] = widget;
    }
    // Tab order follows the reading order of the right-hand column.
    const Control order[] = {Control::组合框1, Control::按钮6, Control::按钮4, Control::组合框2, Control::按钮3,
                             Control::按钮1,   Control::组合框3, Control::按钮9, Control::编辑框2, Control::按钮2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(control(order[i - 1]), control(order[i]));
}

QWidget* MainWindow::control(Control which) const
{
    const auto found = controls_.find(which);
    return found == controls_.end() ? nullptr : found->second;
}

Board* MainWindow::newBoardCopy()
{
    const LayoutEntry& entry = layoutEntry(Control::画板1);
    auto* board = new Board(this, cover_);
    board->setObjectName(QString::fromUtf8(entry.name));
    board->setGeometry(mainBoard_->geometry());
    board->setFont(mainBoard_->font());
    board->setKeepDrawing(false);  // the design-time value, whatever 画板1 has now
    board->hide();
    return board;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (auto handler = std::exchange(onClose_, nullptr))
        handler();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Esc closes the window whichever control has the focus, before any control
    // can claim the key for itself. An open drop-down is its own window and
    // keeps Esc for closing itself.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && widget && widget->window() == this) {
            if (event->type() == QEvent::KeyPress)
                close();
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitToFrame();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    fitToFrame();
}

void MainWindow::fitToFrame()
{
    // The outer size includes whatever frame the window manager adds, which is
    // known only once the window is managed. Keep the outer size where the frame
    // allows, but never shrink the client below what shows every control.
    const QSize margins = frameGeometry().size() - size();
    if (margins == frameMargins_ || margins.width() < 0 || margins.height() < 0)
        return;
    frameMargins_ = margins;
    const WindowLayout& layout = windowLayout();
    setFixedSize(std::max(layout.outerWidth - margins.width(), layout.outerWidth - 8),
                 std::max(layout.outerHeight - margins.height(), layout.minClientHeight));
}

}  // namespace quorvel
