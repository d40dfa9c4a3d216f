// The window's case: new, open, save, the recent list, the title, and the question before
// changes are lost. The file format is casefile's; the words of a fault are fault_report's.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <limits>

#include "casefile/case_file.hpp"
#include "casefile/case_json.hpp"
#include "design/condensing.hpp"
#include "properties/out_of_range.hpp"
#include "report/rating_text.hpp"
#include "window/case_prompt.hpp"
#include "window/fault_report.hpp"
#include "window/layout_table.hpp"
#include "window/main_window.hpp"
#include "window/qt_text.hpp"
#include "window/save_fault.hpp"

namespace window {
namespace {

constexpr int max_recent = 8;
const char* const recent_key = "recent_cases";
const char* const case_filter = "换热器计算 (*.hxcase)";

// A fill read from a file names its source only if its fluid at its temperature (and, for a
// gas, pressure) is what it says it wrote: a file cannot make the sheet credit the tables
// with numbers they never gave.
std::optional<FluidFill> verified(const std::optional<FluidFill>& record) {
    if (!record) return std::nullopt;
    const std::optional<FluidChoice> choice = choice_of(*record);
    try {
        if (choice && fill_at(*choice, record->celsius) == *record) return record;
    } catch (const properties::OutOfRange&) {
    }
    return std::nullopt;
}

// The fill while the fields still hold what it wrote.
std::optional<FluidFill> held(const std::optional<FluidFill>& fill, const FillFields& fields) {
    return fill_source(fill, fields) ? fill : std::nullopt;
}

// The dropped or given file, when it is a case.
QString case_in(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(casefile::file_suffix, Qt::CaseInsensitive)) {
            return url.toLocalFile();
        }
    }
    return {};
}

// 设备位号 as a file name: what no file system takes becomes '_'.
QString proposed_name(const QString& item) {
    QString name = item.trimmed();
    for (QChar& c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20) c = '_';
    }
    return (name.isEmpty() ? QString("换热器计算") : name) + casefile::file_suffix;
}

}  // namespace

casefile::Case MainWindow::current_case() const {
    casefile::Case c;
    for (const QLineEdit* field : all_fields()) c.fields[field->objectName()] = field->text();
    c.sheet = sheet_;
    c.tube_fill = held(tube_fill_, tube_fill_fields());
    c.shell_fill = held(shell_fill_, shell_fill_fields());
    c.layout = layout_texts_;
    c.design = design_texts_;
    c.operation = operation_texts_;
    if (const FluidChoice& shell = shell_choice_.current; shell.vapour) {
        c.condensing = casefile::CondensingRecord{qt(shell.vapour->chinese), shell.pressure_text};
        // What was typed in the fields the vapour now fills is kept, not the vapour's figures.
        const std::array<const QLineEdit*, 3> own{Text20, Text19, Text18};
        for (std::size_t i = 0; i < own.size() && condensing_typed_; ++i) {
            c.fields[own[i]->objectName()] = (*condensing_typed_)[i];
        }
    }
    return c;
}

bool MainWindow::fields_as_computed() const {
    if (!computed_) return false;
    for (const QLineEdit* field : all_fields()) {
        if (computed_->texts.value(field->objectName()) != field->text()) return false;
    }
    return true;
}

std::optional<casefile::Results> MainWindow::current_results() const {
    if (!fields_as_computed()) return std::nullopt;
    casefile::Results results{Label24->text(), Label27->text(), Label50->text()};
    if (computed_->layout) {
        results.layout = report::layout_figures(*computed_->layout);
        results.rating = report::rating_figures(*computed_->layout);
    }
    return results;
}

void MainWindow::set_case_path(const QString& path) {
    if (path.isEmpty()) setWindowModified(false);  // while the title still has its marker
    case_path_ = path;
    const QString title = qt(form_layout().title);
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty() ? title : QFileInfo(path).fileName() + "[*] - " + title);
}

void MainWindow::set_changed(bool changed) {
    if (!case_path_.isEmpty()) setWindowModified(changed);  // untitled, there is no marker
}

void MainWindow::clear_results() {
    for (ResultLabel* label :
         {Label23, Label24, Label26, Label27, Label48, Label49, Label50, Label51}) {
        label->clear();
        label->set_working({});
    }
    computed_.reset();
    status_line_->clear_notes();
}

void MainWindow::new_case() {
    if (!may_discard_case()) return;
    condensing_typed_.reset();
    clear();
    clear_results();
    tube_fill_.reset();
    shell_fill_.reset();
    tube_choice_ = {};
    shell_choice_ = {};
    show_choice(calc::Side::Tube);
    show_choice(calc::Side::Shell);
    sheet_ = {};
    layout_texts_ = {};
    design_texts_ = {};
    operation_texts_.reset();
    last_search_.reset();
    adopted_from_.clear();
    set_case_path({});
    set_changed(false);
}

void MainWindow::load_case(const QString& path) {
    const casefile::Case c = casefile::read_case(path);  // all read before anything changes
    std::optional<FluidChoice> condensing;
    if (c.condensing) {
        const properties::Vapour& vapour = design::vapour_named(c.condensing->fluid.toStdString());
        QString why;
        condensing = condensing_choice(vapour, c.condensing->pressure, &why);
        // A pressure that does not read or lies outside the range is refused by 计算结果.
        if (!condensing) {
            condensing = FluidChoice{&properties::condensate_fluid(vapour),
                                     std::numeric_limits<double>::quiet_NaN(), 0, &vapour,
                                     c.condensing->pressure};
        }
    }
    condensing_typed_.reset();
    clear();
    clear_results();
    for (QLineEdit* field : all_fields()) {
        field->setText(c.fields.value(field->objectName()));
        field->home(false);
    }
    tube_fill_ = verified(c.tube_fill);
    shell_fill_ = verified(c.shell_fill);
    // Each side goes on with the fluid its kept fill was of, water where none was kept.
    tube_choice_ = {tube_fill_ ? *choice_of(*tube_fill_) : water_choice(), {}, {}};
    shell_choice_ = {shell_fill_ ? *choice_of(*shell_fill_) : water_choice(), {}, {}};
    if (condensing) shell_choice_.current = *condensing;
    show_choice(calc::Side::Tube);
    show_choice(calc::Side::Shell);
    sheet_ = c.sheet;
    layout_texts_ = c.layout;
    design_texts_ = c.design;
    operation_texts_ = c.operation;
    last_search_.reset();
    adopted_from_.clear();
    show_working();
    set_case_path(QFileInfo(path).absoluteFilePath());
    set_changed(false);
}

void MainWindow::open_path(const QString& path) {
    if (!may_discard_case()) return;
    run_action([this, &path] {
        load_case(path);
        remember_recent(case_path_);
    });
}

QString MainWindow::case_folder() const {
    const QStringList recent = recent_cases();
    const QString last = !case_path_.isEmpty() ? case_path_ : recent.value(0);
    if (!last.isEmpty() && QFileInfo(last).dir().exists()) return QFileInfo(last).absolutePath();
    return documents_folder();
}

void MainWindow::open_case() {
    if (!may_discard_case()) return;
    const QString path = QFileDialog::getOpenFileName(this, "打开", case_folder(), case_filter);
    if (path.isEmpty()) return;  // cancelled
    load_case(path);
    remember_recent(case_path_);
}

void MainWindow::save_case_to(const QString& path) {
    if (const auto failure = casefile::write_case(path, current_case(), current_results())) {
        throw SaveFault(path, *failure, SaveFault::Document::Case);
    }
    set_case_path(QFileInfo(path).absoluteFilePath());
    set_changed(false);
    remember_recent(case_path_);
}

bool MainWindow::save_case() {
    if (case_path_.isEmpty()) return save_case_as();
    save_case_to(case_path_);
    return true;
}

bool MainWindow::save_case_as() {
    const QString proposed = QDir(case_folder()).filePath(proposed_name(sheet_.item));
    QString path = QFileDialog::getSaveFileName(this, "另存为", proposed, case_filter);
    if (path.isEmpty()) return false;  // cancelled
    if (!path.endsWith(casefile::file_suffix, Qt::CaseInsensitive)) path += casefile::file_suffix;
    save_case_to(path);
    return true;
}

bool MainWindow::may_discard_case() {
    // Untitled work never asks, as 退出 never did: only a case that lives in a file has a
    // saved state for changes to depart from.
    if (case_path_.isEmpty() || !isWindowModified()) return true;
    switch (ask_to_save(QFileInfo(case_path_).fileName())) {
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            return false;
        case SaveChoice::Save:
            break;
    }
    try {
        save_case_to(case_path_);
        return true;
    } catch (const SaveFault& fault) {
        report_fault(*this, fault);  // said, and nothing is thrown away
        return false;
    }
}

void MainWindow::set_sheet_info(const casefile::SheetInfo& sheet) {
    if (sheet == sheet_) return;
    sheet_ = sheet;
    set_changed(true);
}

void MainWindow::edit_sheet_info() {
    if (const auto sheet = ask_sheet_info(*this, sheet_)) set_sheet_info(*sheet);
}

void MainWindow::about() {
    show_about(*this);
}

QStringList MainWindow::recent_cases() const {
    return QSettings().value(recent_key).toStringList();
}

void MainWindow::remember_recent(const QString& path) {
    QStringList recent = recent_cases();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > max_recent) recent.removeLast();
    QSettings().setValue(recent_key, recent);
}

void MainWindow::fill_recent_menu(QMenu& menu) {
    menu.clear();
    const QStringList recent = recent_cases();
    for (qsizetype i = 0; i < recent.size(); ++i) {
        const QString& path = recent[i];
        QAction* entry =
            menu.addAction(QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(entry, &QAction::triggered, this, [this, path] { open_recent(path); });
    }
    menu.addSeparator();
    QAction* clear_list = menu.addAction("清除列表(&C)");
    clear_list->setEnabled(!recent.isEmpty());
    connect(clear_list, &QAction::triggered, this, [] { QSettings().remove(recent_key); });
}

void MainWindow::open_recent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        QStringList recent = recent_cases();
        recent.removeAll(path);
        QSettings().setValue(recent_key, recent);
        QMessageBox box(
            QMessageBox::Warning, "打开失败",
            "文件已不存在，已从最近打开的文件中移除：\n" + QDir::toNativeSeparators(path),
            QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return;
    }
    open_path(path);
}

void MainWindow::exit() {
    if (may_discard_case()) QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (may_discard_case()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!case_in(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = case_in(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    open_path(path);
}

// A field would take a dropped file as its name in text; a case file opens instead. A key
// that is one of the menus' is the menu's, not the field's.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            // The field would claim the key before the shortcut saw it, so the key press is
            // let through to here and made the menu's.
            const auto* key = static_cast<QKeyEvent*>(event);
            QAction* action = window_keys_.value(QKeySequence(key->keyCombination()));
            if (!action) break;
            event->accept();
            if (event->type() == QEvent::KeyPress) action->trigger();
            return true;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (case_in(drag->mimeData()).isEmpty()) break;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (case_in(drop->mimeData()).isEmpty()) break;
            dropEvent(drop);
            return true;
        }
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

std::optional<report::Attachment> MainWindow::case_attachment() const {
    const QString name =
        case_path_.isEmpty() ? proposed_name({}) : QFileInfo(case_path_).fileName();
    return report::Attachment{name, casefile::to_json(current_case(), current_results()),
                              casefile::mime_type};
}

}  // namespace window
