// A report as the printed calculation sheet, 计算书: laid out with QTextDocument onto any paged
// device (a PDF writer, a printer), and written whole or not at all as a PDF file. Which
// printer or file is the window's to ask.
#pragma once

#include <QByteArray>
#include <QPagedPaintDevice>
#include <QString>
#include <optional>

#include "casefile/whole_file.hpp"
#include "report/report.hpp"

namespace report {

// The two Chinese typefaces of the window and a Latin serif for letters, digits and
// symbols, as installed.
struct PageFonts {
    QString song, kai, latin;
};

// The sheet as HTML for QTextDocument.
QString page_html(const Report& report, const PageFonts& fonts);

// Lays the sheet out on `device` at its resolution and paints it, a page after another, each
// with its footer: the program, the case file, "第 1 页 共 1 页".
void print_page(const Report& report, const PageFonts& fonts, QPagedPaintDevice& device);

using casefile::WriteFailure;

// A file the PDF carries, for anyone holding the sheet to take out: its case.
struct Attachment {
    QString name;  // "E-101.hxcase"
    QByteArray data;
    QString mime_type;
};

// The sheet as an A4 PDF at `path`, through QSaveFile: complete, or the file as it was.
std::optional<WriteFailure> save_pdf(const Report& report, const PageFonts& fonts,
                                     const QString& path,
                                     const std::optional<Attachment>& attachment = std::nullopt);

}  // namespace report
