#include "window/layout_dialog.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>

#include "casefile/case_json.hpp"
#include "report/layout_text.hpp"
#include "report/rating_text.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

using design::LayoutChoice;

bool is_list(LayoutChoice choice) {
    return choice == LayoutChoice::TubeLength || choice == LayoutChoice::Arrangement ||
           choice == LayoutChoice::ShellDiameter || choice == LayoutChoice::Passes ||
           choice == LayoutChoice::Material || choice == LayoutChoice::Shells;
}

// The rows a list offers after its default, each with the text the case keeps.
QStringList list_texts(LayoutChoice choice) {
    QStringList texts;
    if (choice == LayoutChoice::TubeLength) {
        for (const double l : design::standard_lengths) texts << QString::number(l);
    } else if (choice == LayoutChoice::ShellDiameter) {
        for (const double mm : design::standard_shells_mm) texts << QString::number(mm);
    } else if (choice == LayoutChoice::Passes) {
        for (const double passes : design::standard_passes) texts << QString::number(passes);
    } else if (choice == LayoutChoice::Shells) {
        for (const double n : design::shell_counts) texts << QString::number(n);
    } else if (choice == LayoutChoice::Material) {
        for (const design::MaterialRow& row : design::material_table) {
            texts << report::material_name(row.material);
        }
    } else {
        for (const design::Arrangement a :
             {design::Arrangement::Triangle, design::Arrangement::Square,
              design::Arrangement::RotatedSquare}) {
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
        const design::LayoutChoices c = read_layout_choices(one);
        if (c.arrangement) return static_cast<double>(*c.arrangement);
        if (c.material) return static_cast<double>(*c.material);
        if (c.passes) return c.passes;
        if (c.shells) return c.shells;
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
        case LayoutChoice::Passes:
            return "1、2、4 或 6；少于 L′/L 时照样采用，其代价见面积裕度 H 与 H′";
        case LayoutChoice::PerPass:
            return "整数 1–5000；默认按输入的管内流速，决定管内实际流速 ui′";
        case LayoutChoice::TubeFouling:
        case LayoutChoice::ShellFouling:
            return "TEMA 污垢热阻表中的一项（按“表…”选取），或 0–0.005 ㎡·℃/W 的数值；默认：水取"
                   "循环冷却水（已处理），其他流体 0.000176";
        case LayoutChoice::Material:
            return "管子材料，决定管壁导热系数";
        case LayoutChoice::WallConductivity:
            return "1–500 W/(m·℃)；填写时代替管材的导热系数";
        case LayoutChoice::Shells:
            return "1–4 台相同的单壳程换热器串联，两流体逐台逆流；默认：单壳程 F 不低于 0.75 时 "
                   "1 台，否则 F 达到 0.75 的最少台数";
    }
    return {};
}

// The text a default shows, in the choice's own unit: "4.5 m", "循环冷却水（已处理） 0.000176".
QString default_text(const ChoiceRow& row, const design::LayoutChoices& d, bool list) {
    const auto own = [&](const std::optional<double>& value) {
        if (!value) return QString();
        return in_own_unit(row, *value) + (list && *row.unit ? QString(" ") + row.unit : QString());
    };
    const auto fouling = [](const std::optional<design::FoulingChoice>& f) {
        if (!f) return QString();
        const QString value = QString::number(f->resistance, 'g', 6);
        return f->service ? report::fouling_name(*f->service) + " " + value : value;
    };
    switch (row.choice) {
        case LayoutChoice::TubeLength:
            return own(d.tube_length);
        case LayoutChoice::Arrangement:
            return d.arrangement ? report::arrangement_name(*d.arrangement) : QString();
        case LayoutChoice::Pitch:
            return own(d.pitch);
        case LayoutChoice::ShellDiameter:
            return own(d.shell_diameter);
        case LayoutChoice::BaffleSpacing:
            return own(d.baffle_spacing);
        case LayoutChoice::Roughness:
            return own(d.roughness);
        case LayoutChoice::AllowableTubeDrop:
            return own(d.allowable_tube_drop);
        case LayoutChoice::AllowableShellDrop:
            return own(d.allowable_shell_drop);
        case LayoutChoice::Passes:
            return own(d.passes);
        case LayoutChoice::PerPass:
            return own(d.per_pass);
        case LayoutChoice::TubeFouling:
            return fouling(d.tube_fouling);
        case LayoutChoice::ShellFouling:
            return fouling(d.shell_fouling);
        case LayoutChoice::Material:
            return d.material ? report::material_name(*d.material) : QString();
        case LayoutChoice::WallConductivity:
            return own(d.wall_conductivity);
        case LayoutChoice::Shells:
            return own(d.shells);
    }
    return {};
}

// The page a choice is on: the layout's own, or the rating's.
bool on_rating_page(LayoutChoice choice) {
    return choice == LayoutChoice::TubeFouling || choice == LayoutChoice::ShellFouling ||
           choice == LayoutChoice::Material || choice == LayoutChoice::WallConductivity;
}

}  // namespace

LayoutDialog::LayoutDialog(QWidget* parent, Check check,
                           std::function<void(const casefile::LayoutTexts&)> taken)
    : QDialog(parent), check_(std::move(check)), taken_(std::move(taken)) {
    setObjectName("layout_dialog");
    setWindowTitle("结构参数");
    auto* outer = new QGridLayout(this);
    auto* intro = new QLabel(
        "按化工原理课程设计方法排管、计算两侧压降并核算。留空或按“默认”即取方法的默认值。", this);
    intro->setWordWrap(true);
    outer->addWidget(intro, 0, 0);
    auto* pages = new QTabWidget(this);
    pages->setObjectName("layout_pages");
    outer->addWidget(pages, 1, 0);
    QWidget* page_widgets[2] = {new QWidget(pages), new QWidget(pages)};
    QGridLayout* grids[2] = {new QGridLayout(page_widgets[0]), new QGridLayout(page_widgets[1])};
    pages->addTab(page_widgets[0], "排管与压降");
    pages->addTab(page_widgets[1], "核算");
    int lines[2] = {0, 0};
    for (std::size_t i = 0; i < choice_rows.size(); ++i) {
        const ChoiceRow& row = choice_rows[i];
        const int page = on_rating_page(row.choice) ? 1 : 0;
        QWidget* at = page_widgets[page];
        QGridLayout* grid = grids[page];
        const int line = lines[page]++;
        const QString name = casefile::layout_keys[i];
        const QString caption = report::choice_name(row.choice);
        QWidget* input = nullptr;
        if (is_list(row.choice)) {
            QComboBox* list = lists_[i] = new QComboBox(at);
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
            QLineEdit* field = fields_[i] = new QLineEdit(at);
            if (row.form == ChoiceForm::Quantity) {
                field->setToolTip("只写数字时按 " + QString(row.unit) + " 计；也可带单位：" +
                                  unit_list(row.quantity));
            }
            input = field;
        }
        input->setObjectName(name);
        input->setAccessibleName(caption);
        input->setAccessibleDescription(where_it_lies(row.choice));
        if (!fields_[i])
            input->setToolTip(where_it_lies(row.choice));
        else
            input->setToolTip(where_it_lies(row.choice) + "。" + input->toolTip());
        auto* label = new QLabel(caption + "：", at);
        label->setBuddy(input);
        if (row.form == ChoiceForm::Fouling) {
            // The table's rows, each put in the field as one step of its own Ctrl+Z.
            auto* table = new QToolButton(at);
            table->setText("表…");
            table->setObjectName(name + "_table");
            table->setAccessibleName(caption + " 污垢热阻表");
            table->setPopupMode(QToolButton::InstantPopup);
            auto* menu = new QMenu(table);
            for (const QString& entry : fouling_names()) {
                menu->addAction(entry, this, [this, i, entry] {
                    QLineEdit* field = fields_[i];
                    field->selectAll();
                    field->insert(entry);
                    field->setFocus();
                });
            }
            table->setMenu(menu);
            grid->addWidget(table, line, 3);
        }
        auto* restore = new QPushButton("默认", at);
        restore->setObjectName(name + "_default");
        restore->setAccessibleName(caption + " 默认");
        restore->setAutoDefault(false);
        connect(restore, &QPushButton::clicked, this, [this, i] { restore_default(i); });
        grid->addWidget(label, line, 0);
        grid->addWidget(input, line, 1);
        grid->addWidget(new QLabel(row.unit, at), line, 2);
        grid->addWidget(restore, line, 4);
    }
    for (QGridLayout* grid : grids) grid->setRowStretch(grid->rowCount(), 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    outer->addWidget(buttons, 2, 0);
    connect(buttons, &QDialogButtonBox::accepted, this, &LayoutDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void LayoutDialog::open_with(const casefile::LayoutTexts& texts,
                             const design::LayoutChoices& defaults) {
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

void LayoutDialog::show_defaults(const design::LayoutChoices& d) {
    for (std::size_t i = 0; i < choice_rows.size(); ++i) {
        const QString shown = default_text(choice_rows[i], d, lists_[i] != nullptr);
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
        QWidget* input = fields_[fault->index] ? static_cast<QWidget*>(fields_[fault->index])
                                               : static_cast<QWidget*>(lists_[fault->index]);
        // The page the choice is on comes to the front.
        if (auto* pages = findChild<QTabWidget*>("layout_pages")) {
            pages->setCurrentIndex(on_rating_page(choice_rows[fault->index].choice) ? 1 : 0);
        }
        input->setFocus();
        if (QLineEdit* field = fields_[fault->index]) field->selectAll();
        return;
    }
    accept();
    taken_(chosen);
}

}  // namespace window
