#include "window/calculation_report.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <array>

#include "calc/units.hpp"
#include "window/layout_table.hpp"

namespace window {
namespace {

QString text_of(const QWidget& form, const QString& name) {
    const auto* label = form.findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

// The label whose buddy is `field`: the caption that names it.
QString caption_of(const QLineEdit& field) {
    for (const QLabel* label : field.parentWidget()->findChildren<QLabel*>()) {
        if (label->buddy() == &field) return label->text();
    }
    return field.objectName();
}

QStringList input_lines(const QWidget& form) {
    QStringList lines;
    const QWidget* group = nullptr;
    for (const FieldUnit& row : field_units()) {
        const auto* field = form.findChild<QLineEdit*>(QString::fromUtf8(row.field));
        if (field->parentWidget() != group) {
            group = field->parentWidget();
            if (!lines.isEmpty()) lines << QString();
            lines << static_cast<const QGroupBox*>(group)->title();
        }
        const QString typed = field->text().isEmpty() ? "（空）" : field->text();
        // A text that carries its own unit is shown as typed; the working has it in SI.
        const bool own_unit = calc::carries_unit(field->text().toStdString());
        lines << "  " + caption_of(*field) + " " + typed +
                     (own_unit ? QString() : " " + text_of(form, QString::fromUtf8(row.unit)));
    }
    return lines;
}

// The results panel read as its three lines: caption, value and, but for K, the unit.
QStringList result_lines(const QWidget& form) {
    QStringList lines;
    for (const auto& [caption, value, unit] : {std::array<const char*, 3>{"Label23", "Label24"},
                                               {"Label49", "Label50", "Label51"},
                                               {"Label26", "Label27", "Label48"}}) {
        QString line = "  " + text_of(form, caption) + text_of(form, value);
        if (unit) line += " " + text_of(form, unit);
        lines << line;
    }
    return lines;
}

}  // namespace

QString calculation_report(const QWidget& form) {
    QStringList lines{form.windowTitle(), QString()};
    lines << input_lines(form) << QString();
    const QString results = form.findChild<QGroupBox*>("Frame4")->title();
    const QString working = form.findChild<QLabel*>("Label24")->toolTip();
    if (working.isEmpty()) {
        lines << results << "  尚未计算";
        return lines.join('\n') + '\n';
    }
    lines << "计算过程";
    for (const QString& line : working.split('\n')) lines << "  " + line;
    lines << QString() << results << result_lines(form);
    return lines.join('\n') + '\n';
}

}  // namespace window
