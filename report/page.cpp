#include "report/page.hpp"

#include <QAbstractTextDocumentLayout>
#include <QPdfWriter>
#include <QTextDocument>

#include "report/html_text.hpp"

namespace report {
namespace {

// The case's header, blank cells where it has none, to write in by hand.
QString sign_off_block(const Report& r) {
    const auto cell = [](const QString& text, const char* attributes = "width='22%'") {
        return QString("<td %1>%2</td>")
            .arg(attributes, text.isEmpty() ? QString("&nbsp;") : escaped(text));
    };
    return "<table width='100%' border='1' cellspacing='0' cellpadding='5'>"
           "<tr><td width='11%'>工程名称</td>" +
           cell(r.sheet.project, "colspan='3'") + "<td width='11%'>设备位号</td>" +
           cell(r.sheet.item) + "</tr><tr><td>计算</td>" + cell(r.sheet.calculated_by) +
           "<td width='11%'>校核</td>" + cell(r.sheet.checked_by) + "<td>日期</td>" +
           cell(r.date.toString("yyyy-MM-dd")) + "</tr></table>";
}

QString input_table(const InputGroup& group) {
    QString html =
        "<table width='100%' border='1' cellspacing='0' cellpadding='2'>"
        "<tr><th colspan='4'>" +
        escaped(group.title) +
        "</th></tr><tr><th>参数</th><th>输入值</th><th>换算为</th><th>单位</th></tr>";
    for (const InputLine& input : group.lines) {
        html += "<tr><td>" + escaped(input.caption) + "</td><td>" + escaped(input.typed) +
                "</td><td>" + escaped(input.si) + "</td><td>" + escaped(input.unit) + "</td></tr>";
    }
    html += "</table>";
    if (!group.source.isEmpty()) html += "<p>物性：" + escaped(group.source) + "</p>";
    return html;
}

}  // namespace

QString page_html(const Report& r, const PageFonts& fonts) {
    QString html =
        "<html><head><style>"
        "h1 { font-size: 16pt; text-align: center; margin: 0; }"
        "h2 { font-size: 11pt; margin-top: 10px; margin-bottom: 4px; }"
        "p { margin: 1px 0; } th { font-weight: normal; }"
        ".notes { font-family: '" +
        fonts.kai +
        "'; }"
        "</style></head><body>";
    html += "<h1>" + escaped(r.title) + "书</h1>";
    html += "<p align='center'>" + r.date.toString("yyyy年M月d日") + "</p><br/>";
    html += sign_off_block(r);

    html += "<h2>1 计算条件</h2><table width='100%' cellspacing='0' cellpadding='0'><tr>";
    for (const InputGroup& group : r.groups) {
        html += "<td width='50%' valign='top' style='padding-right: 6px'>" + input_table(group) +
                "</td>";
    }
    html += "</tr></table>";

    html += "<h2>2 计算过程</h2>";
    html += r.computed ? paragraphs(r.steps) + paragraphs(r.checks) : "<p>尚未计算</p>";

    html += "<h2>3 " + escaped(r.results_title) + "</h2>";
    html += r.computed ? paragraphs(r.results) : "<p>尚未计算</p>";
    if (!r.attention.isEmpty()) {
        html += "<br/><div style='color:" + QString(attention_colour) + "'>" +
                paragraphs(r.attention) + "</div>";
    }

    html += "<h2>注意事项</h2><div class='notes'>" + paragraphs(r.notes) + "</div>";
    return html + "</body></html>";
}

void print_page(const Report& report, const PageFonts& fonts, QPagedPaintDevice& device) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);  // the device's own font metrics
    QFont body(fonts.song);
    body.setPointSizeF(10.0);
    document.setDefaultFont(body);
    document.setHtml(page_html(report, fonts));
    document.setPageSize(device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    document.print(&device);
}

std::optional<WriteFailure> save_pdf(const Report& report, const PageFonts& fonts,
                                     const QString& path,
                                     const std::optional<Attachment>& attachment) {
    return casefile::write_whole(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter);
        pdf.setTitle(report.title + "书");
        pdf.setCreator(report.title);
        if (attachment)
            pdf.addFileAttachment(attachment->name, attachment->data, attachment->mime_type);
        print_page(report, fonts, pdf);
    });  // the writer ends the PDF as it goes
}

}  // namespace report
