// The menu bar: 文件, 编辑, 视图, 工具, 帮助. Every entry runs through run_action like a button;
// the report's three entries also make the results panel's context menu.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "window/main_window.hpp"

namespace window {

void MainWindow::add_menus() {
    const auto add = [this](QMenu& menu, const char* text, const QKeySequence& keys, auto action) {
        QAction* entry = menu.addAction(text);
        entry->setShortcut(keys);
        if (!keys.isEmpty()) window_keys_[keys] = entry;
        entry->setShortcutContext(Qt::WindowShortcut);
        connect(entry, &QAction::triggered, this,
                [this, action] { run_action([this, action] { (this->*action)(); }); });
        return entry;
    };

    QMenu* file = menuBar()->addMenu("文件(&F)");
    add(*file, "新建(&N)", QKeySequence::New, &MainWindow::new_case);
    add(*file, "打开(&O)…", QKeySequence::Open, &MainWindow::open_case);
    QMenu* recent = file->addMenu("最近打开的文件(&R)");
    recent->setObjectName("recent_menu");
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fill_recent_menu(*recent); });
    fill_recent_menu(*recent);  // so that its entries are there for a keyboard or a reader
    add(*file, "保存(&S)", QKeySequence::Save, &MainWindow::save_case);
    add(*file, "另存为(&A)…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &MainWindow::save_case_as);
    file->addSeparator();
    add(*file, "计算书信息(&I)…", {}, &MainWindow::edit_sheet_info);
    QAction* pdf = add(*file, "导出计算书 PDF(&E)…", QKeySequence(Qt::CTRL | Qt::Key_E),
                       &MainWindow::save_report_pdf);
    QAction* print = add(*file, "打印计算书(&P)…", QKeySequence::Print, &MainWindow::print_report);
    file->addSeparator();
    add(*file, "退出(&X)", QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::exit);

    QMenu* edit = menuBar()->addMenu("编辑(&E)");
    // The field with focus keeps its own Ctrl+Z; the menu does the same for the mouse.
    QAction* undo = add(*edit, "撤销(&U)", QKeySequence::Undo, &MainWindow::undo_field);
    QAction* redo = add(*edit, "重做(&R)", QKeySequence::Redo, &MainWindow::redo_field);
    connect(edit, &QMenu::aboutToShow, this, [this, undo, redo] {
        if (const std::optional<calc::Side> side = side_of_focus()) {
            const ChoiceHistory& history = *side == calc::Side::Tube ? tube_choice_ : shell_choice_;
            undo->setEnabled(!history.undo.empty());
            redo->setEnabled(!history.redo.empty());
            return;
        }
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        undo->setEnabled(field && field->isUndoAvailable());
        redo->setEnabled(field && field->isRedoAvailable());
    });
    edit->addSeparator();
    QAction* copy = add(*edit, "复制计算过程(&C)", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                        &MainWindow::copy_report);

    // A field's own undo and redo stay the field's; on a fluid's buttons they are the window's.
    window_keys_.remove(QKeySequence(QKeySequence::Undo));
    window_keys_.remove(QKeySequence(QKeySequence::Redo));

    add_view(*menuBar()->addMenu("视图(&V)"));

    QMenu* tools = menuBar()->addMenu("工具(&T)");
    add(*tools, "结构参数(&L)…", {}, &MainWindow::edit_layout);
    add(*tools, "自动设计(&D)…", {}, &MainWindow::edit_design);
    add(*tools, "操作型计算(&O)…", {}, &MainWindow::edit_operation);

    QMenu* help = menuBar()->addMenu("帮助(&H)");
    add(*help, "关于(&A)…", {}, &MainWindow::about);

    Frame4->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* action : {copy, pdf, print}) {
        action->setShortcutVisibleInContextMenu(true);
        Frame4->addAction(action);
        for (ResultLabel* result : Frame4->findChildren<ResultLabel*>()) result->addAction(action);
    }
}

void MainWindow::undo_field() {
    if (step_choice(true)) return;
    if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) field->undo();
}

void MainWindow::redo_field() {
    if (step_choice(false)) return;
    if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) field->redo();
}

}  // namespace window
