// What the window shows of the last calculation beyond the form: the status line under it and
// the 计算过程 panel beside it, 视图 → 计算过程 (F9), which follows every result, fault and edit
// while it is shown, and is shown again at the next start if it was at the last.
#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>

#include "report/panel.hpp"
#include "report/rating_text.hpp"
#include "window/main_window.hpp"

namespace window {
namespace {

constexpr char shown_key[] = "working_panel_shown";
constexpr int panel_width = 400;  // most working lines on one line

}  // namespace

void MainWindow::add_view(QMenu& view) {
    QStatusBar* bar = statusBar();
    bar->setObjectName("status_bar");
    bar->setSizeGripEnabled(false);  // the window keeps its size
    status_line_ = new StatusLine(bar);
    bar->addWidget(status_line_, 1);
    connect(status_line_, &StatusLine::clicked, this, [this] {
        working_panel_->show();
        // An exchanger too small by its rating leads on to the search for one that holds.
        if (computed_ && computed_->layout) {
            const QStringList small = report::rating_notes(*computed_->layout).first;
            if (!small.isEmpty() && status_line_->full_text().startsWith(small.front())) {
                run_action([this] { edit_design(); });
            }
        }
    });

    working_panel_ = new QDockWidget("计算过程", this);
    working_panel_->setObjectName("working_panel");
    working_panel_->setAllowedAreas(Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    working_text_ = new QTextBrowser(working_panel_);
    working_text_->setObjectName("working_text");
    working_text_->setAccessibleName("计算过程");
    working_text_->setMinimumWidth(panel_width);
    working_text_->setOpenLinks(false);
    working_text_->setTextInteractionFlags(Qt::TextBrowserInteraction |
                                           Qt::TextSelectableByKeyboard);
    working_panel_->setWidget(working_text_);
    connect(working_text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        if (link.toString() == report::layout_link) run_action([this] { edit_layout(); });
        if (link.toString() == report::design_link) run_action([this] { edit_design(); });
        if (link.toString() == report::operation_link) run_action([this] { edit_operation(); });
    });
    addDockWidget(Qt::RightDockWidgetArea, working_panel_);
    // The window opens as the form alone, unless the panel was shown when it was last closed.
    const bool shown = QSettings().value(shown_key, false).toBool();
    working_panel_->setVisible(shown);

    QAction* toggle = working_panel_->toggleViewAction();
    toggle->setChecked(shown);  // Qt would tick it only once the window shows
    toggle->setText("计算过程(&W)");
    toggle->setShortcut(Qt::Key_F9);
    toggle->setShortcutContext(Qt::WindowShortcut);
    window_keys_[toggle->shortcut()] = toggle;
    view.addAction(toggle);

    connect(working_panel_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible) return;
        fit_panel();
        refresh_panel();
    });
    // Shown or hidden by the menu, F9, a click or its own close button; not by the window's
    // closing, which leaves the panel's toggle as it was.
    connect(toggle, &QAction::toggled, this,
            [](bool shown) { QSettings().setValue(shown_key, shown); });
}

// Docked where the screen holds the form and the panel together, else floating at the
// screen's right edge.
void MainWindow::fit_panel() {
    if (working_panel_->isFloating()) return;
    const QRect screen = this->screen()->availableGeometry();
    const QSize needed = sizeHint() + (frameGeometry().size() - size());
    if (needed.width() <= screen.width() && needed.height() <= screen.height()) return;
    working_panel_->setFloating(true);
    working_panel_->resize(panel_width, Form1->height());
    const QSize panel = working_panel_->frameGeometry().size();
    working_panel_->move(std::max(screen.left(), screen.right() + 1 - panel.width()),
                         std::max(screen.top(), frameGeometry().top()));
}

void MainWindow::refresh_panel() {
    if (working_panel_->isHidden()) return;  // shown again, it catches up
    QString html = report::panel_html(current_report());
    if (html == panel_html_) return;  // a key typed into results already out of date
    panel_html_ = std::move(html);
    QScrollBar* scroll = working_text_->verticalScrollBar();
    const int place = scroll->value();  // where the reader was
    working_text_->setHtml(panel_html_);
    scroll->setValue(place);
}

void MainWindow::input_changed() {
    status_line_->clear_notes();
    refresh_panel();
}

}  // namespace window
