#include "window/layout_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "casefile/case_json.hpp"
#include "report/layout_text.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

using calc::LayoutChoice;

bool is_list(LayoutChoice choice) {
    return choice == LayoutChoice::TubeLength || choice == LayoutChoice::Arrangement ||
           choice == LayoutChoice::ShellDiameter;
}

// The rows a list offers after its default, each with the text the case keeps.
QStringList list_texts(LayoutChoice choice) {
    QStringList texts;
    if (choice == LayoutChoice::TubeLength) {
        for (const double l : calc::standard_lengths) texts << QString::number(l);
    } else if (choice == LayoutChoice::ShellDiameter) {
        for (const double mm : calc::standard_shells_mm) texts << QString::number(mm);
    } else {
        for (const calc::Arrangement a : {calc::Arrangement::Triangle, calc::Arrangement::Square,
                                          calc::Arrangement::RotatedSquare}) {
            texts << report::arrangement_name(a);
        }
    }
    return texts;
}

// What a choice's text reads as, to find a list's row for a text such as "4500 mm".
std::optional<double> reading(std::size_t index, const QString& text) {
    casefile::LayoutTexts one{};
    one[index] = text;
    try {
        const calc::LayoutChoices c = read_layout_choices(one);
        if (c.arrangement) return static_cast<double>(*c.arrangement);
        return c.tube_length ? c.tube_length : c.shell_diameter;
    } catch (const ChoiceFault&) {
        return std::nullopt;
    }
}

QString where_it_lies(LayoutChoice choice) {
    switch (choice) {
        case LayoutChoice::TubeLength:
            return "标准管长";
        case LayoutChoice::Arrangement:
            return "管子在管板上的排列";
        case LayoutChoice::Pitch:
            return "相邻两管中心的距离，不小于 1.25 倍管外径";
        case LayoutChoice::ShellDiameter:
            return "标准壳径，不小于排管所需的";
        case LayoutChoice::BaffleSpacing:
            return "圆缺 25 % 的折流板的间距，在 0.2·D 与 D 之间，不小于 50 mm";
        case LayoutChoice::Roughness:
            return "0.001–1 mm；碳钢管 0.1 mm，拉制不锈钢管、铜管 0.0015 mm";
        case LayoutChoice::AllowableTubeDrop:
        case LayoutChoice::AllowableShellDrop:
            return "液体默认 100 kPa，气体 10 kPa";
    }
    return {};
}

}  // namespace

LayoutDialog::LayoutDialog(QWidget* parent, Check check,
                           std::function<void(const casefile::LayoutTexts&)> taken)
    : QDialog(parent), check_(std::move(check)), taken_(std::move(taken)) {
    setObjectName("layout_dialog");
    setWindowTitle("结构参数");
    auto* grid = new QGridLayout(this);
    auto* intro = new QLabel(
        "按化工原理课程设计方法排管并计算两侧压降。留空或按“默认”即取方法的默认值。", this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 4);
    for (std::size_t i = 0; i < choice_rows.size(); ++i) {
        const ChoiceRow& row = choice_rows[i];
        const int line = static_cast<int>(i) + 1;
        const QString name = casefile::layout_keys[i];
        const QString caption = report::choice_name(row.choice);
        QWidget* input = nullptr;
        if (is_list(row.choice)) {
            QComboBox* list = lists_[i] = new QComboBox(this);
            list->addItem("默认", QString());
            for (const QString& text : list_texts(row.choice)) {
                list->addItem(*row.unit ? text + " " + row.unit : text, text);
            }
            connect(list, &QComboBox::currentIndexChanged, this, [this, i](int now) {
                if (!undoing_) undo_[i].push_back(row_[i]);
                row_[i] = now;
            });
            auto* undo =
                new QShortcut(QKeySequence::Undo, list, nullptr, nullptr, Qt::WidgetShortcut);
            connect(undo, &QShortcut::activated, this, [this, i] { undo_choice(i); });
            input = list;
        } else {
            QLineEdit* field = fields_[i] = new QLineEdit(this);
            field->setToolTip("只写数字时按 " + QString(row.unit) + " 计；也可带单位：" +
                              unit_list(row.quantity));
            input = field;
        }
        input->setObjectName(name);
        input->setAccessibleName(caption);
        input->setAccessibleDescription(where_it_lies(row.choice));
        if (!fields_[i])
            input->setToolTip(where_it_lies(row.choice));
        else
            input->setToolTip(where_it_lies(row.choice) + "。" + input->toolTip());
        auto* label = new QLabel(caption + "：", this);
        label->setBuddy(input);
        auto* restore = new QPushButton("默认", this);
        restore->setObjectName(name + "_default");
        restore->setAccessibleName(caption + " 默认");
        restore->setAutoDefault(false);
        connect(restore, &QPushButton::clicked, this, [this, i] { restore_default(i); });
        grid->addWidget(label, line, 0);
        grid->addWidget(input, line, 1);
        grid->addWidget(new QLabel(row.unit, this), line, 2);
        grid->addWidget(restore, line, 3);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    grid->addWidget(buttons, static_cast<int>(choice_rows.size()) + 1, 0, 1, 4);
    connect(buttons, &QDialogButtonBox::accepted, this, &LayoutDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void LayoutDialog::open_with(const casefile::LayoutTexts& texts,
                             const calc::LayoutChoices& defaults) {
    undoing_ = true;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString text = texts[i].trimmed();
        if (QComboBox* list = lists_[i]) {
            // A text a file kept that no row reads as stays, as its own row.
            int at = text.isEmpty() ? 0 : -1;
            const std::optional<double> value = reading(i, text);
            for (int r = 1; at < 0 && r < list->count(); ++r) {
                if (list->itemData(r).toString() == text ||
                    (value && reading(i, list->itemData(r).toString()) == value)) {
                    at = r;
                }
            }
            if (at < 0) {
                list->addItem(text, text);
                at = list->count() - 1;
            }
            list->setCurrentIndex(at);
            row_[i] = at;
        } else {
            fields_[i]->setText(text);
        }
        undo_[i].clear();
    }
    undoing_ = false;
    show_defaults(defaults);
    (lists_[0] ? static_cast<QWidget*>(lists_[0]) : fields_[0])->setFocus();
    open();
}

void LayoutDialog::show_defaults(const calc::LayoutChoices& d) {
    const std::array<std::optional<double>, 8> values{
        d.tube_length,
        d.arrangement ? std::optional<double>(0.0) : std::nullopt,
        d.pitch,
        d.shell_diameter,
        d.baffle_spacing,
        d.roughness,
        d.allowable_tube_drop,
        d.allowable_shell_drop};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const ChoiceRow& row = choice_rows[i];
        QString shown;
        if (row.choice == LayoutChoice::Arrangement && d.arrangement) {
            shown = report::arrangement_name(*d.arrangement);
        } else if (values[i]) {
            shown =
                in_own_unit(row, *values[i]) + (lists_[i] ? QString(" ") + row.unit : QString());
        }
        if (QComboBox* list = lists_[i]) {
            list->setItemText(0, shown.isEmpty() ? QString("默认") : "默认（" + shown + "）");
        } else {
            fields_[i]->setPlaceholderText(shown.isEmpty() ? QString("默认") : "默认 " + shown);
        }
    }
}

void LayoutDialog::restore_default(std::size_t index) {
    if (QComboBox* list = lists_[index]) {
        list->setCurrentIndex(0);
        list->setFocus();
        return;
    }
    QLineEdit* field = fields_[index];
    field->selectAll();
    field->del();  // as a key would: one step of the field's own undo
    field->setFocus();
}

void LayoutDialog::undo_choice(std::size_t index) {
    if (undo_[index].empty()) return;
    undoing_ = true;
    lists_[index]->setCurrentIndex(undo_[index].back());
    undo_[index].pop_back();
    undoing_ = false;
}

casefile::LayoutTexts LayoutDialog::texts() const {
    casefile::LayoutTexts texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = lists_[i] ? lists_[i]->currentData().toString() : fields_[i]->text().trimmed();
    }
    return texts;
}

void LayoutDialog::confirm() {
    const casefile::LayoutTexts chosen = texts();
    if (const std::optional<ChoiceFault> fault = check_(chosen)) {
        QMessageBox::warning(this, "输入有误", fault->words + "。");
        if (QLineEdit* field = fields_[fault->index]) {
            field->setFocus();
            field->selectAll();
        } else {
            lists_[fault->index]->setFocus();
        }
        return;
    }
    accept();
    taken_(chosen);
}

}  // namespace window
