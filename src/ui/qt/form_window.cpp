#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt/port_list_box.h"
#include "ui/qt/text_box_binding.h"
#include "ui/qt/text_edge.h"

namespace shortmsg::qtui {
namespace {

// The window's spacing, in pixels: round its edge, between rows, between cells of a row,
// between a frame's caption and its control.
constexpr int kMargin = 12;
constexpr int kRowSpacing = 8;
constexpr int kCellSpacing = 8;
constexpr int kCaptionSpacing = 3;
// How long the status bar keeps an announcement.
constexpr int kStatusMs = 15000;

int RowCount(const WindowLayout& layout) {
    int rows = 0;
    for (const Cell& cell : layout.cells) rows = std::max(rows, cell.row + 1);
    return rows;
}

bool IsTall(const WindowLayout& layout, int row) {
    return std::find(layout.tallRows.begin(), layout.tallRows.end(), row) != layout.tallRows.end();
}

}  // namespace

FormWindow::FormWindow(const Form& form, const WindowLayout& layout, SerialPortLister ports)
    : form_(form), layout_(layout), ports_(std::move(ports)) {
    setObjectName(QString::fromStdString(form.Name()));
    setWindowTitle(ToQString(form.Caption()));
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(kMargin, kMargin, kMargin, layout.statusBar ? 0 : kMargin);
    rows->setSpacing(kRowSpacing);
    for (int row = 0; row < RowCount(layout); ++row) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(kCellSpacing);
        grid->setVerticalSpacing(kCaptionSpacing);
        BuildRow(row, *grid);
        rows->addLayout(grid, IsTall(layout, row) ? 1 : 0);
    }
    if (layout.statusBar) {
        statusBar_ = new QStatusBar;
        statusBar_->setSizeGripEnabled(false);
        statusBar_->setAccessibleName(QStringLiteral("Status"));
        rows->addWidget(statusBar_);
    }
    for (size_t i = 1; i < tabOrder_.size(); ++i) setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    AddShortcuts();
    for (const auto& binding : bindings_) binding->Sync();
    resize(layout.width, layout.height);
}

// The bindings go before the widgets, so that no widget signal reaches a binding that is
// gone.
FormWindow::~FormWindow() {
    byControl_.clear();
    bindings_.clear();
}

// A row is a grid of two lines: the frames' captions over the controls, a caption spanning
// the cells of its frame. Controls of one row share a line, so they stand level.
void FormWindow::BuildRow(int row, QGridLayout& grid) {
    std::vector<const Cell*> cells;
    for (const Cell& cell : layout_.cells) {
        if (cell.row == row) cells.push_back(&cell);
    }
    for (size_t i = 0; i < cells.size(); ++i) {
        const Cell& cell = *cells[i];
        const int column = static_cast<int>(i);
        const bool opensFrame =
            !cell.frame.empty() && (i == 0 || cells[i - 1]->frame != cell.frame);
        if (opensFrame) {
            int span = 1;
            while (i + span < cells.size() && cells[i + span]->frame == cell.frame) ++span;
            grid.addWidget(new QLabel(ToQString(cell.frame)), 0, column, 1, span);
        }
        grid.setColumnStretch(column, cell.stretch);
        if (QWidget* widget = MakeCell(cell)) grid.addWidget(widget, 1, column);
    }
    grid.setRowStretch(1, 1);
}

QWidget* FormWindow::MakeCell(const Cell& cell) {
    switch (cell.look) {
        case Look::Caption:
            return new QLabel(ToQString(cell.caption));
        case Look::Stretch:
            return nullptr;
        case Look::Rule: {
            auto* rule = new QFrame;
            rule->setFrameShape(QFrame::HLine);
            rule->setFrameShadow(QFrame::Sunken);
            return rule;
        }
        case Look::PortList: {
            auto* portBox = dynamic_cast<TextBox*>(form_.Find(cell.control));
            if (portBox == nullptr) return nullptr;
            auto* list = new PortListBox(*portBox, ports_);
            tabOrder_.push_back(list);
            return list;
        }
        default:
            return BindCell(cell);
    }
}

QWidget* FormWindow::BindCell(const Cell& cell) {
    Control* control = form_.Find(cell.control);
    if (control == nullptr) return nullptr;
    std::unique_ptr<ControlBinding> binding = MakeBinding(*control, cell.look);
    if (!binding) return nullptr;
    if (auto* box = dynamic_cast<TextBoxBinding*>(binding.get())) {
        box->SetAnnouncer([this](const QString& text) { Announce(text); });
    }
    QWidget* widget = binding->Widget();
    const QFontMetrics metrics(widget->font());
    if (cell.chars > 0) {
        widget->setFixedWidth(metrics.horizontalAdvance(QLatin1Char('0')) * cell.chars + 12);
    }
    if (cell.lines > 0) widget->setFixedHeight(metrics.lineSpacing() * cell.lines + 12);
    byControl_[control] = binding.get();
    bindings_.push_back(std::move(binding));
    tabOrder_.push_back(widget);
    return widget;
}

// A shortcut presses the button's model: a disabled button does nothing, as with a click.
void FormWindow::AddShortcuts() {
    for (const Shortcut& shortcut : layout_.shortcuts) {
        const auto* button = dynamic_cast<const Button*>(form_.Find(shortcut.button));
        if (button == nullptr) continue;
        auto* keys = new QShortcut(QKeySequence(ToQString(shortcut.keys)), this);
        connect(keys, &QShortcut::activated, this, [button] { button->Press(); });
    }
}

void FormWindow::Announce(const QString& text) {
    if (statusBar_ != nullptr) statusBar_->showMessage(text, kStatusMs);
}

void FormWindow::Sync(const Control& control) {
    const auto found = byControl_.find(&control);
    if (found != byControl_.end()) found->second->Sync();
}

QWidget* FormWindow::WidgetFor(std::string_view controlName) const {
    const Control* control = form_.Find(controlName);
    const auto found = byControl_.find(control);
    return found == byControl_.end() ? nullptr : found->second->Widget();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (auto* button = dynamic_cast<Button*>(form_.Find(layout_.closeControl))) button->Press();
}

}  // namespace shortmsg::qtui
