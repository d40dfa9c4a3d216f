#include "report/panel.hpp"

#include "report/html_text.hpp"

namespace report {
namespace {

QString coloured(const QString& colour, const QString& html) {
    return "<p style='color:" + colour + "'>" + html + "</p>";
}

QString heading(const QString& text) {
    return "<h3>" + escaped(text) + "</h3>";
}

}  // namespace

QString panel_html(const Report& r) {
    QString html =
        "<html><head><style>h3 { margin-top: 8px; margin-bottom: 2px; }"
        " p { margin: 1px 0; }</style></head><body>";
    if (!r.failure.isEmpty()) {
        html += coloured(attention_colour, escaped(r.failure).replace('\n', "<br/>"));
    }
    if (!r.computed) return html + "<p>尚未计算：填好两侧的参数后按“计算结果”。</p></body></html>";
    if (r.stale) {
        html += coloured("#806000",
                         "已过期：输入已改动，以下是上次计算的过程和结果，"
                         "按“计算结果”重新计算。");
    }
    html += heading("计算过程");
    for (const QString& line : r.working) {
        html += r.attention.contains(line) ? coloured(attention_colour, escaped(line))
                                           : "<p>" + escaped(line) + "</p>";
    }
    if (r.has_layout) {
        html += "<p><a href='" + QString(layout_link) +
                "'>结构参数…</a>（管长、排列、壳径、折流板、"
                "粗糙度、允许压降）　<a href='" +
                QString(design_link) + "'>自动设计…</a>（搜索合格的最小换热器）　<a href='" +
                QString(operation_link) + "'>操作型计算…</a>（其他进口温度与流量下的出口）</p>";
    }
    html += heading(r.stale ? r.results_title + "（已过期）" : r.results_title);
    return html + paragraphs(r.results) + "</body></html>";
}

}  // namespace report
