#include "window/form_builder.hpp"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "window/app_icon.hpp"
#include "window/caption_label.hpp"
#include "window/fonts.hpp"
#include "window/layout_table.hpp"
#include "window/qt_text.hpp"
#include "window/result_label.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

int px(int twips) {
    return static_cast<int>(std::lround(twips / double(twips_per_pixel)));
}

QColor colour_of(TextColour colour) {
    return colour == TextColour::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
}

// Breathing room a style keeps between a button's edge and its text.
constexpr int button_text_margin = 8;

// A button does not wrap its caption, so it is broken at blanks where it is wider than the
// face: " 计算    传热系数" shows as "计算" above "传热系数".
QString wrapped_caption(const QString& caption, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(caption) <= width) return caption;
    QStringList lines;
    for (const QString& word : caption.split(' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + ' ' + word) <= width) {
            lines.back() += ' ' + word;
        } else {
            lines.append(word);
        }
    }
    return lines.join('\n');
}

// "管内流体参数 进口温度": what a screen reader says for a field.
QString field_accessible_name(const QString& group_caption, const QString& label_caption) {
    return group_caption + ' ' + bare_caption(label_caption);
}

QWidget* make_control(const ControlRow& row, QWidget& parent, const InstalledTypefaces& installed) {
    const QString caption = qt(row.caption);
    const QFont font = layout_font(row.font, installed);
    QWidget* control = nullptr;
    switch (row.kind) {
        case ControlKind::GroupBox:
            control = new QGroupBox(caption, &parent);
            break;
        case ControlKind::Label: {
            QLabel* label = row.result ? static_cast<QLabel*>(new ResultLabel(&parent))
                                       : new CaptionLabel(&parent);
            label->setTextFormat(Qt::PlainText);
            label->setText(caption);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            control = label;
            break;
        }
        case ControlKind::TextField:
            control = new QLineEdit(&parent);
            break;
        case ControlKind::Button: {
            auto* button = new QPushButton(&parent);
            button->setText(
                wrapped_caption(caption, QFontMetrics(font), px(row.width) - button_text_margin));
            button->setAccessibleName(caption);
            if (!row.description.empty()) {
                button->setToolTip(qt(row.description));
                button->setAccessibleDescription(qt(row.description));
            }
            button->setAutoDefault(false);
            control = button;
            break;
        }
    }
    control->setObjectName(qt(row.name));
    control->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
    control->setFont(font);
    if (row.colour != TextColour::Standard) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::WindowText, colour_of(row.colour));
        control->setPalette(palette);
    }
    if (!row.visible) control->hide();
    return control;
}

bool takes_focus(ControlKind kind) {
    return kind == ControlKind::TextField || kind == ControlKind::Button;
}

}  // namespace

void dress_window(QWidget& window) {
    window.setWindowTitle(qt(form_layout().title));
    window.setWindowIcon(app_icon());
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
}

QString bare_caption(QString caption) {
    caption.remove(' ');
    while (caption.endsWith(':') || caption.endsWith(QStringLiteral("："))) caption.chop(1);
    return caption;
}

void build_form(QWidget& form) {
    const FormLayout& layout = form_layout();
    form.setObjectName(qt(layout.name));
    const InstalledTypefaces installed = installed_typefaces();
    form.setFont(layout_font(FontChoice{}, installed));
    form.setFixedSize(px(layout.client_width), px(layout.client_height));

    std::map<std::string_view, QWidget*> widgets{{layout.name, &form}};
    std::vector<std::pair<int, QWidget*>> focus_stops;
    for (const ControlRow& control : layout_table()) {
        QWidget* widget = make_control(control, *widgets.at(control.parent), installed);
        widgets[control.name] = widget;
        if (takes_focus(control.kind)) focus_stops.emplace_back(control.tab_index, widget);
    }

    // A label names its field for screen readers, together with its group box; a button
    // inside a group box says which group it belongs to, as both groups have the same buttons.
    for (const ControlRow& control : layout_table()) {
        auto* group = qobject_cast<QGroupBox*>(widgets.at(control.parent));
        if (!group) continue;
        if (!control.buddy.empty()) {
            QWidget* field = widgets.at(control.buddy);
            static_cast<QLabel*>(widgets.at(control.name))->setBuddy(field);
            field->setAccessibleName(field_accessible_name(group->title(), qt(control.caption)));
        }
        if (control.kind == ControlKind::Button && control.description.empty()) {
            widgets.at(control.name)->setAccessibleDescription(group->title());
        }
    }

    // A field tells a screen reader, and a pointer resting on it, which units it takes.
    for (const FieldUnit& row : field_units()) {
        widgets.at(row.field)->setToolTip(unit_description(row.quantity));
    }

    // Qt skips hidden widgets when it walks this chain, so the hidden buttons take their place
    // only while shown.
    std::sort(focus_stops.begin(), focus_stops.end());
    for (std::size_t i = 1; i < focus_stops.size(); ++i) {
        QWidget::setTabOrder(focus_stops[i - 1].second, focus_stops[i].second);
    }
}

}  // namespace window
