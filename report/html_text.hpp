// The HTML pieces the printed sheet and the window's 计算过程 panel share: escaped text, a
// paragraph per line, the colour of a 注意 line.
#pragma once

#include <QString>
#include <QStringList>

namespace report {

// The red of every 注意 line, on the page, in the panel and on the window's status line.
inline constexpr char attention_colour[] = "#c00000";

inline QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

inline QString paragraphs(const QStringList& lines) {
    QString html;
    for (const QString& line : lines) html += "<p>" + escaped(line) + "</p>";
    return html;
}

}  // namespace report
