#include "report/plain_text.hpp"

namespace report {

QString plain_text(const Report& report) {
    QStringList lines{report.title, QString()};
    for (const InputGroup& group : report.groups) {
        if (&group != &report.groups.front()) lines << QString();
        lines << group.title;
        if (!group.condensing.isEmpty()) lines << "  饱和蒸气冷凝: " + group.condensing;
        for (const InputLine& input : group.lines) {
            // A text that carries its own unit is shown as typed; the working has it in SI.
            lines << "  " + input.label + " " + input.typed +
                         (input.own_unit ? QString() : " " + input.unit);
        }
    }
    lines << QString();
    if (!report.computed) {
        lines << report.results_title << "  尚未计算";
        return lines.join('\n') + '\n';
    }
    lines << "计算过程";
    for (const QString& line : report.working) lines << "  " + line;
    lines << QString() << report.results_title;
    for (const QString& line : report.results) lines << "  " + line;
    return lines.join('\n') + '\n';
}

}  // namespace report
