// The report of the last result, out of the window: on the clipboard, as a PDF file, printed.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "report/condensing_text.hpp"
#include "report/plain_text.hpp"
#include "window/fonts.hpp"
#include "window/form_builder.hpp"
#include "window/layout_table.hpp"
#include "window/main_window.hpp"
#include "window/qt_text.hpp"
#include "window/save_fault.hpp"

namespace window {
namespace {

// The label whose buddy is `field`: the caption that names it.
QString caption_of(const QLineEdit& field) {
    for (const QLabel* label : field.parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == &field) return label->text();
    }
    return field.objectName();
}

QString text_of(const QWidget& form, const QString& name) {
    const auto* label = form.findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

report::PageFonts page_fonts() {
    const InstalledTypefaces installed = installed_typefaces();
    return {installed.song, installed.kai, installed.latin};
}

}  // namespace

std::vector<MainWindow::ReportGroup> MainWindow::report_groups() const {
    std::vector<ReportGroup> groups;
    for (const FieldUnit& row : field_units()) {
        auto* field = findChild<QLineEdit*>(qt(row.field));
        const auto* group = static_cast<const QGroupBox*>(field->parentWidget());
        if (groups.empty() || groups.back().title != group->title()) {
            groups.push_back({group == Text1->parentWidget(), group->title(), {}});
        }
        const QString label = caption_of(*field);
        groups.back().fields.push_back({field,
                                        {field->objectName(), label, bare_caption(label), QString(),
                                         text_of(*this, qt(row.unit))}});
    }
    return groups;
}

report::Report MainWindow::current_report() const {
    report::ReportInput in;
    in.title = qt(form_layout().title);  // the program's, not the file's
    in.sheet = sheet_;
    in.results_title = Frame4->title();
    in.date = QDate::currentDate();
    in.result = computed_;
    in.failure = failure_;
    in.stale = computed_ && !fields_as_computed();
    in.program = (in.title + " " + QApplication::applicationVersion()).trimmed();
    if (!case_path_.isEmpty()) in.case_name = QFileInfo(case_path_).fileName();
    if (computed_ && fields_as_computed()) {
        in.search = last_search_;
        in.operation = operation_entry();
    }
    // The results panel read as its three lines: caption, value and, but for K, the unit.
    in.result_lines = {Label23->text() + Label24->text(),
                       Label49->text() + Label50->text() + " " + Label51->text(),
                       Label26->text() + Label27->text() + " " + Label48->text()};
    for (const std::string& note : notes()) in.notes << QString::fromStdString(note);

    const FluidChoice& shell = shell_choice_.current;
    for (const ReportGroup& group : report_groups_) {
        const bool condensing = !group.tube && shell.vapour;
        in.groups << report::GroupEntry{
            group.title,
            {},
            group.tube   ? fill_source(tube_fill_, tube_fill_fields())
            : condensing ? report::FillSource()
                         : fill_source(shell_fill_, shell_fill_fields()),
            condensing ? report::vapour_name(*shell.vapour) + "，饱和压力 " + shell.pressure_text +
                             "（绝压）"
                       : QString()};
        for (const auto& [field, entry] : group.fields) {
            in.groups.back().fields << entry;
            // The texts the last result was computed from; before one, the texts as they stand.
            QString& typed = in.groups.back().fields.back().typed;
            typed = computed_ ? computed_->texts.value(entry.name) : field->text();
            // What the vapour gives a condensing shell's empty inlet, outlet and flow: t_s, D.
            if (condensing && typed.isEmpty() && !field->placeholderText().isEmpty()) {
                typed = field->placeholderText() + (entry.name == "Text18" ? "（D）" : "（ts）");
            }
        }
    }
    return report::make_report(in);
}

void MainWindow::copy_report() {
    QGuiApplication::clipboard()->setText(report::plain_text(current_report()));
}

// The documents folder, or home where it has none: a dialog would fall back to wherever the
// program was started from.
QString MainWindow::documents_folder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).exists() ? folder : QDir::homePath();
}

void MainWindow::save_report_pdf() {
    const QString folder = documents_folder();
    const QString name = "换热面积计算书-" + QDate::currentDate().toString("yyyyMMdd") + ".pdf";
    QString path =
        QFileDialog::getSaveFileName(this, "导出计算书 PDF", QDir(folder).filePath(name),
                                     "PDF 文件 (*.pdf)", nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return;  // cancelled
    if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
    save_report_to(path);
}

void MainWindow::save_report_to(const QString& path) {
    const report::Report sheet = current_report();
    if (const auto failure = report::save_pdf(sheet, page_fonts(), path, case_attachment())) {
        throw SaveFault(path, *failure);
    }
}

void MainWindow::save_report_as(const QString& path) {
    run_action([this, &path] { save_report_to(path); });
}

void MainWindow::print_report() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(qt(form_layout().title) + "书");
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle("打印计算书");
    if (dialog.exec() != QDialog::Accepted) return;
    // Printed to a PDF file, the sheet carries its case as an exported one does.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        save_report_to(printer.outputFileName());
        return;
    }
    print_report_to(printer);
}

void MainWindow::print_report_to(QPagedPaintDevice& printer) const {
    report::print_page(current_report(), page_fonts(), printer);
}

}  // namespace window
