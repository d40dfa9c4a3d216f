#include "report/page.hpp"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <functional>

#include "report/faces.hpp"
#include "report/html_text.hpp"
#include "report/search_plot.hpp"
#include "report/tube_sheet.hpp"

namespace report {
namespace {

// Where each drawing goes in the HTML, to be replaced by the drawing itself.
const QString diagram_mark = QString(QChar(0xE000)) + "diagram";
const QString tube_sheet_mark = QString(QChar(0xE000)) + "tube_sheet";
const QString search_plot_mark = QString(QChar(0xE000)) + "search_plot";
constexpr int diagram_object = QTextFormat::UserObject + 1;
constexpr int tube_sheet_object = QTextFormat::UserObject + 2;
constexpr int search_plot_object = QTextFormat::UserObject + 3;
const QString operation_plot_mark = QString(QChar(0xE000)) + "operation_plot";
constexpr int operation_plot_object = QTextFormat::UserObject + 4;
constexpr double search_plot_width_mm = 150, search_plot_height_mm = 80;
constexpr double diagram_height_mm = 64, diagram_width_mm = 112;
constexpr double tube_sheet_mm = 76;
constexpr double label_points = 8, body_points = 9, footer_points = 8;

QFont page_font(const QString& family, double points) {
    QFont font(family);
    font.setPointSizeF(points);
    return font;
}

LabelFonts label_fonts(const PageFonts& fonts, double points) {
    return {page_font(fonts.latin, points), page_font(fonts.song, points)};
}

// Each run of the sheet's text in its face: Chinese in the 楷体 or 宋体 the HTML gave it, the
// rest in the Latin serif.
void set_faces(QTextDocument& document, const PageFonts& fonts) {
    struct Face {
        int start, end;
        QString family;
    };
    QList<Face> faces;  // gathered first: a format merged splits the fragments it spans
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool kai =
                fragment.charFormat().fontFamilies().toStringList().value(0) == fonts.kai;
            for (const Run& run : runs(fragment.text())) {
                const int start = fragment.position() + static_cast<int>(run.start);
                faces.push_back({start, start + static_cast<int>(run.length),
                                 run.chinese ? (kai ? fonts.kai : fonts.song) : fonts.latin});
            }
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();  // one layout after all the runs, not one after each
    for (const Face& face : faces) {
        QTextCharFormat format;
        format.setFontFamilies(QStringList{face.family});
        cursor.setPosition(face.start);
        cursor.setPosition(face.end, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
}

// A drawing as an object in the text's flow, drawn by QPainter on the document's device.
class DrawingObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    using Paint = std::function<void(QPainter&, const QRectF&)>;
    DrawingObject(Paint paint, QSizeF size) : paint_(std::move(paint)), size_(size) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return size_; }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat&) override {
        paint_(*painter, rect);
    }

  private:
    Paint paint_;
    QSizeF size_;
};

// Puts the drawing where its mark stands in the document.
void insert_drawing(QTextDocument& document, const QString& mark, int type,
                    DrawingObject& drawing) {
    document.documentLayout()->registerHandler(type, &drawing);
    QTextCursor at = document.find(mark);
    QTextCharFormat object;
    object.setObjectType(type);
    at.insertText(QString(QChar::ObjectReplacementCharacter), object);
}

// The case's header, blank cells where it has none, to write in by hand.
QString sign_off_block(const Report& r) {
    const auto cell = [](const QString& text, const char* attributes = "width='22%'") {
        return QString("<td %1>%2</td>")
            .arg(attributes, text.isEmpty() ? QString("&nbsp;") : escaped(text));
    };
    return "<table width='100%' border='1' cellspacing='0' cellpadding='2'>"
           "<tr><td width='11%'>工程名称</td>" +
           cell(r.sheet.project, "colspan='3'") + "<td width='11%'>设备位号</td>" +
           cell(r.sheet.item) + "</tr><tr><td>计算</td>" + cell(r.sheet.calculated_by) +
           "<td width='11%'>校核</td>" + cell(r.sheet.checked_by) + "<td>日期</td>" +
           cell(r.date.toString("yyyy-MM-dd")) + "</tr></table>";
}

QString row(const QStringList& cells, const QString& attributes = {}) {
    QString html = "<tr" + attributes + ">";
    for (const QString& cell : cells) html += "<td>" + cell + "</td>";
    return html + "</tr>";
}

// A table of plain cells under a row of column heads.
QString grid(const QStringList& columns, const QList<QStringList>& rows) {
    QString html = "<table width='100%' border='1' cellspacing='0' cellpadding='1'><tr>";
    for (const QString& column : columns) html += "<th>" + escaped(column) + "</th>";
    html += "</tr>";
    for (const QStringList& cells : rows) {
        QStringList escaped_cells;
        for (const QString& cell : cells) escaped_cells << escaped(cell);
        html += row(escaped_cells);
    }
    return html + "</table>";
}

QString input_table(const InputGroup& group) {
    QString html = "<table width='100%' border='1' cellspacing='0' cellpadding='1'><tr><th>" +
                   escaped(group.title) + "</th><th>输入值</th><th>换算为</th><th>单位</th></tr>";
    for (const InputLine& input : group.lines) {
        html += row(
            {escaped(input.caption), escaped(input.typed), escaped(input.si), escaped(input.unit)});
    }
    html += "</table>";
    if (!group.condensing.isEmpty()) {
        html += "<p>饱和蒸气冷凝：" + escaped(group.condensing) + "</p>";
    }
    if (!group.source.isEmpty()) html += "<p>物性：" + escaped(group.source) + "</p>";
    return html;
}

QString results_table(const Report& r) {
    return "<table border='1' cellspacing='0' cellpadding='2'>" +
           row({"总传热系数", "<i>K</i>", escaped(r.K), "W/(㎡·℃)"}) +
           row({"传递热量", "<i>Q</i>", escaped(r.Q), "W"}) +
           row({"所需换热面积", "<i>A</i>", escaped(r.A), "㎡"}) + "</table>";
}

QString checks_table(const QList<CheckRow>& checks) {
    QString html =
        "<table width='100%' border='1' cellspacing='0' cellpadding='1'>"
        "<tr><th width='18%'>校核项目</th><th width='32%'>数值</th><th width='23%'>判据</th>"
        "<th width='27%'>结论</th></tr>";
    for (const CheckRow& check : checks) {
        const QString colour =
            check.attention ? " style='color:" + QString(attention_colour) + "'" : QString();
        html += row({escaped(check.check), escaped(check.value), escaped(check.criterion),
                     escaped(check.verdict)},
                    colour);
    }
    return html + "</table>";
}

// The program and the case file on the left of the footer.
QString footer_source(const Report& r) {
    return r.case_name.isEmpty() ? r.program : r.program + "　　" + r.case_name;
}

}  // namespace

QString page_html(const Report& r, const PageFonts& fonts) {
    QString html =
        "<html><head><style>"
        "h1 { font-size: 14pt; font-weight: normal; text-align: center; margin: 0; }"
        "h2 { font-size: 10.5pt; font-weight: normal; margin-top: 6px; margin-bottom: 2px; }"
        "p { margin: 1px 0; } th { font-weight: normal; } td, th { font-size: 8.5pt; }"
        ".notes { font-family: '" +
        fonts.kai +
        "'; }"
        "</style></head><body>";
    html += "<h1>" + escaped(r.title) + "书</h1>";
    html += sign_off_block(r);

    html += "<h2>1 计算条件</h2><table width='100%' cellspacing='0' cellpadding='0'><tr>";
    for (const InputGroup& group : r.groups) {
        html += "<td width='50%' valign='top' style='padding-right: 6px'>" + input_table(group) +
                "</td>";
    }
    html += "</tr></table>";

    const QString notes = "<h2>注意事项</h2><div class='notes'>" + paragraphs(r.notes) + "</div>";
    if (!r.computed) {
        return html + "<h2>2 计算过程</h2><p>尚未计算</p><h2>3 " + escaped(r.results_title) +
               "</h2><p>尚未计算</p>" + notes + "</body></html>";
    }
    html += "<h2>2 计算过程</h2>";
    // pre-wrap keeps the thin spaces around the operators, which HTML would make whole ones.
    for (const QString& step : r.steps) html += "<p style='white-space: pre-wrap'>" + step + "</p>";

    // The results and the notes beside the diagram, which is as high as both.
    html += "<h2>3 " + escaped(r.results_title) +
            "</h2><table width='100%' cellspacing='0' cellpadding='0'><tr>"
            "<td width='36%' valign='top'>" +
            results_table(r) + notes + "</td><td width='64%' valign='top' align='center'>";
    if (r.diagram) {
        html += "<p align='center'>" + diagram_mark + "</p><p align='center'>" +
                escaped(r.diagram_caption) + "</p>";
    }
    html += "</td></tr></table>";
    html += "<h2>4 设计校核</h2>" + checks_table(r.checks);
    if (r.has_layout) {
        html += "<h2>5 结构与压降</h2>" + checks_table(r.layout_rows);
        if (r.tube_sheet) {
            html += "<p align='center'>" + tube_sheet_mark + "</p><p align='center'>" +
                    escaped(r.tube_sheet_caption) + "</p>";
        }
    }
    if (!r.rating_rows.isEmpty()) html += "<h2>6 核算</h2>" + checks_table(r.rating_rows);
    if (!r.trial_rows.isEmpty()) {
        html += "<p>" + escaped(r.trial_caption) + "</p>" + grid(r.trial_columns, r.trial_rows);
    }
    if (r.search_plot) {
        html += "<h2>7 设计方案比较</h2><p>" + escaped(r.search_summary) + "。</p>";
        if (!r.search_rows.isEmpty()) html += grid(r.search_columns, r.search_rows);
        html += "<p align='center'>" + search_plot_mark +
                "</p><p align='center'>图 3　试算方案的实际面积与管程压降（蓝：合格，灰：不合格，"
                "圈：最优）</p>";
    }
    if (!r.operation_lines.isEmpty()) {
        html += "<h2>8 操作型计算</h2>" + paragraphs(r.operation_lines);
        if (!r.operation_notes.isEmpty()) {
            html += "<div class='notes'>" + paragraphs(r.operation_notes) + "</div>";
        }
        if (!r.operation_rows.isEmpty()) {
            // A refused point's row holds its value and why, across the rest.
            QList<QStringList> rows = r.operation_rows;
            for (QStringList& row : rows) {
                while (row.size() < r.operation_columns.size()) row << QString();
            }
            html += grid(r.operation_columns, rows);
        }
        if (r.operation_plot) {
            html += "<p align='center'>" + operation_plot_mark +
                    "</p><p align='center'>图 4　扫描：两侧出口温度与传热量（虚线：设计点）</p>";
        }
    }
    return html + "</body></html>";
}

void print_page(const Report& report, const PageFonts& fonts, QPagedPaintDevice& device) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);  // the device's own font metrics
    document.setDefaultFont(page_font(fonts.song, body_points));
    document.setHtml(page_html(report, fonts));
    set_faces(document, fonts);

    const double dots_per_mm = device.logicalDpiY() / 25.4;
    const LabelFonts labels = label_fonts(fonts, label_points);
    DrawingObject diagram(
        [&](QPainter& painter, const QRectF& rect) {
            paint_diagram(painter, *report.diagram, rect, labels);
        },
        QSizeF(diagram_width_mm, diagram_height_mm) * dots_per_mm);
    if (report.diagram) insert_drawing(document, diagram_mark, diagram_object, diagram);
    DrawingObject sheet(
        [&](QPainter& painter, const QRectF& rect) {
            paint_tube_sheet(painter, *report.tube_sheet, rect, labels);
        },
        QSizeF(tube_sheet_mm, tube_sheet_mm) * dots_per_mm);
    if (report.tube_sheet) insert_drawing(document, tube_sheet_mark, tube_sheet_object, sheet);
    DrawingObject plot(
        [&](QPainter& painter, const QRectF& rect) {
            paint_search_plot(painter, *report.search_plot, rect, labels);
        },
        QSizeF(search_plot_width_mm, search_plot_height_mm) * dots_per_mm);
    if (report.search_plot) insert_drawing(document, search_plot_mark, search_plot_object, plot);
    DrawingObject operation(
        [&](QPainter& painter, const QRectF& rect) {
            paint_operation_plot(painter, *report.operation_plot, rect, labels);
        },
        QSizeF(search_plot_width_mm, search_plot_height_mm) * dots_per_mm);
    if (report.operation_plot) {
        insert_drawing(document, operation_plot_mark, operation_plot_object, operation);
    }

    // The footer's line and text below the body, on every page.
    const LabelFonts footer_fonts = label_fonts(fonts, footer_points);
    const QFontMetricsF footer_metrics(footer_fonts.chinese, &device);
    const double footer = footer_metrics.height() * 1.6;
    const QRectF paper = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QSizeF body(paper.width(), paper.height() - footer);
    document.setPageSize(body);
    const int pages = document.pageCount();

    QPainter painter(&device);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();
        painter.save();
        painter.translate(0, -page * body.height());
        const QRectF shown(0, page * body.height(), body.width(), body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        painter.setClipRect(shown);
        document.documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setPen(QPen(Qt::black, dots_per_mm * 0.2));
        const double top = body.height() + footer * 0.25;
        painter.drawLine(QPointF(0, top), QPointF(body.width(), top));
        const double baseline = body.height() + footer - footer_metrics.descent();
        draw_label(painter, {{footer_source(report)}}, footer_fonts, 0, baseline);
        const Label count{{QString("第 %1 页 共 %2 页").arg(page + 1).arg(pages)}};
        draw_label(painter, count, footer_fonts,
                   body.width() - label_width(painter, count, footer_fonts), baseline);
    }
}

std::optional<WriteFailure> save_pdf(const Report& report, const PageFonts& fonts,
                                     const QString& path,
                                     const std::optional<Attachment>& attachment) {
    return casefile::write_whole(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 10, 15, 8), QPageLayout::Millimeter);
        pdf.setTitle(report.title + "书");
        pdf.setCreator(report.title);
        if (attachment)
            pdf.addFileAttachment(attachment->name, attachment->data, attachment->mime_type);
        print_page(report, fonts, pdf);
    });  // the writer ends the PDF as it goes
}

}  // namespace report

#include "page.moc"
