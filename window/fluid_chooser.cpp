#include "window/fluid_chooser.hpp"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "calc/units.hpp"
#include "properties/fluid_search.hpp"
#include "report/condensing_text.hpp"
#include "report/fill_text.hpp"
#include "report/number_text.hpp"
#include "report/summary.hpp"
#include "window/layout_table.hpp"
#include "window/qt_text.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

using properties::Fluid;
using properties::FluidKind;

// A row's vapour, beside its fluid in Qt::UserRole; none for a fluid's own row.
constexpr int vapour_role = Qt::UserRole + 1;

// The liquids whose vapours a search finds: every one for a word that names condensing
// ("蒸汽", "蒸气", "steam", "vapour", "冷凝"), else those of the liquids the rest of it names.
std::vector<const Fluid*> condensing_search(const QString& text) {
    static const QStringList words{"水蒸气", "水蒸汽", "蒸汽", "蒸气", "steam",
                                   "vapour", "vapor",  "冷凝", "饱和"};
    QString rest = text.trimmed().toLower();
    bool named = false;
    for (const QString& word : words) {
        named = named || rest.contains(word);
        // Steam's own words leave water's name behind them.
        rest.replace(word, word.startsWith("水") || word == "steam" ? "水" : "");
    }
    rest = rest.trimmed();
    if (named && rest.isEmpty()) {
        std::vector<const Fluid*> all;
        for (const properties::Vapour& v : properties::vapour_table()) {
            all.push_back(&properties::condensate_fluid(v));
        }
        return all;
    }
    return properties::search_fluids(rest.toStdString());
}

}  // namespace

QString fill_caption(const Fluid& fluid) {
    return fluid.kind == FluidKind::Water ? QString("水物性") : QString("填入物性");
}

// A solution's name says what it is, and with "流体：" it would not fit the button.
QString chooser_caption(const Fluid& fluid) {
    return (fluid.solution ? QString() : QString("流体：")) + qt(fluid.chinese) + " …";
}

// A vapour's name, "苯蒸气 …", says that it condenses, as a solution's says what it is.
QString chooser_caption(const FluidChoice& choice) {
    return choice.vapour ? report::vapour_name(*choice.vapour) + " …"
                         : chooser_caption(*choice.fluid);
}

QString fill_description(const QString& group, const FluidChoice& choice) {
    const Fluid& fluid = *choice.fluid;
    if (fluid.kind == FluidKind::Water) return qt(water_description(group.toStdString()));
    const QString which = fluid.solution
                              ? report::solution_words(fluid, choice.fraction) + "（水溶液）"
                              : qt(fluid.chinese) + "（" + report::kind_words(fluid) + "）";
    return group + "：用" + which +
           "的物性填入均导热率、平均密度、平均比热和动力粘度。"
           "温度取“平均温度为”一栏，该栏为空时取进口、出口温度的平均值并填入该栏；" +
           report::fluid_range_words(fluid) +
           (fluid.solution ? "，" + report::freezing_refusal_words(fluid, choice.fraction)
                           : QString()) +
           "。";
}

FluidChooser::FluidChooser(QWidget* parent, std::function<void(const FluidChoice&)> chosen)
    : QDialog(parent), chosen_(std::move(chosen)) {
    setObjectName("fluid_chooser");
    auto* grid = new QGridLayout(this);

    search_ = new QLineEdit(this);
    search_->setObjectName("fluid_search");
    search_->setPlaceholderText("中文名、英文名、分子式或 CAS 号");
    search_->setClearButtonEnabled(true);
    auto* search_label = new QLabel("搜索(&S)：", this);
    search_label->setBuddy(search_);
    grid->addWidget(search_label, 0, 0);
    grid->addWidget(search_, 0, 1, 1, 2);

    list_ = new QTreeWidget(this);
    list_->setObjectName("fluid_list");
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({"名称", "英文名", "分子式", "CAS 号", "适用温度 ℃", "状态"});
    list_->setAccessibleName("流体");
    for (const Fluid& fluid : properties::fluid_table()) {
        auto* row = new QTreeWidgetItem(
            list_, {qt(fluid.chinese), qt(fluid.english), qt(fluid.formula), qt(fluid.cas),
                    report::range_words(fluid), report::kind_words(fluid)});
        row->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<const void*>(&fluid)));
    }
    // The shell side's vapours after the fluids, each with its liquid's formula and CAS number.
    for (const properties::Vapour& vapour : properties::vapour_table()) {
        const Fluid& liquid = properties::condensate_fluid(vapour);
        auto* row = new QTreeWidgetItem(
            list_, {report::vapour_entry_name(vapour), report::vapour_english(vapour),
                    qt(liquid.formula), qt(liquid.cas), report::saturation_span_words(vapour),
                    "饱和蒸气，壳程冷凝（" + report::pressure_span(vapour) + "，绝压）"});
        row->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<const void*>(&liquid)));
        row->setData(0, vapour_role, QVariant::fromValue(static_cast<const void*>(&vapour)));
    }
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumSize(780, 360);  // a solution's state is the widest column
    grid->addWidget(list_, 1, 0, 1, 3);

    pressure_ = new QLineEdit(this);
    pressure_->setObjectName("fluid_pressure");
    pressure_->setToolTip("气体的绝对压力：" + unit_description(calc::UnitQuantity::Pressure));
    pressure_label_ = new QLabel("绝对压力(&P)：", this);
    pressure_label_->setBuddy(pressure_);
    grid->addWidget(pressure_label_, 2, 0);
    grid->addWidget(pressure_, 2, 1);
    saturation_ = new QLabel("kPa", this);
    saturation_->setObjectName("fluid_saturation");
    grid->addWidget(saturation_, 2, 2);

    fraction_ = new QLineEdit(this);
    fraction_->setObjectName("fluid_fraction");
    fraction_->setToolTip("水溶液中溶质的质量分数，如 30 %、30% 或 0.3");
    fraction_label_ = new QLabel("质量分数(&C)：", this);
    fraction_label_->setBuddy(fraction_);
    freezing_ = new QLabel(this);
    freezing_->setObjectName("fluid_freezing");
    grid->addWidget(fraction_label_, 3, 0);
    grid->addWidget(fraction_, 3, 1);
    grid->addWidget(freezing_, 3, 2);

    tube_note_ = new QLabel(
        "管内冷凝不在本程序的计算方法之内：饱和蒸气（水蒸气、有机物蒸气）请走壳程，"
        "在“管外流体参数”的“流体”中选择。",
        this);
    tube_note_->setObjectName("fluid_tube_note");
    tube_note_->setWordWrap(true);
    grid->addWidget(tube_note_, 4, 0, 1, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(buttons, 5, 0, 1, 3);

    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, this, &FluidChooser::narrow);
    connect(list_, &QTreeWidget::currentItemChanged, this, &FluidChooser::follow_selection);
    connect(fraction_, &QLineEdit::textChanged, this, &FluidChooser::show_freezing);
    connect(pressure_, &QLineEdit::textChanged, this, &FluidChooser::show_saturation);
    connect(list_, &QTreeWidget::itemActivated, this, &FluidChooser::confirm);
    connect(buttons, &QDialogButtonBox::accepted, this, &FluidChooser::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void FluidChooser::open_for(const QString& group, const FluidChoice& current, bool shell) {
    setWindowTitle("选择流体 — " + group);
    shell_ = shell;
    tube_note_->setVisible(!shell);
    search_->clear();
    narrow();
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list_->topLevelItem(i);
        if (row->data(0, Qt::UserRole).value<const void*>() == current.fluid &&
            row->data(0, vapour_role).value<const void*>() == current.vapour) {
            list_->setCurrentItem(row);
        }
    }
    pressure_->setText(current.vapour ? current.pressure_text : report::exact(current.pressure));
    fraction_->setText(current.fluid->solution ? report::fraction_words(current.fraction)
                                               : QString());
    follow_selection();
    search_->setFocus();
    open();
}

bool FluidChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(list_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FluidChooser::narrow() {
    const std::vector<const Fluid*> found =
        properties::search_fluids(search_->text().toStdString());
    const std::vector<const Fluid*> condensing =
        shell_ ? condensing_search(search_->text()) : std::vector<const Fluid*>{};
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list_->topLevelItem(i);
        const auto* fluid =
            static_cast<const Fluid*>(row->data(0, Qt::UserRole).value<const void*>());
        const bool vapour = row->data(0, vapour_role).value<const void*>() != nullptr;
        const std::vector<const Fluid*>& among = vapour ? condensing : found;
        const bool shown = std::find(among.begin(), among.end(), fluid) != among.end();
        row->setHidden(!shown);
        if (shown && !first) first = row;
    }
    if (!list_->currentItem() || list_->currentItem()->isHidden()) list_->setCurrentItem(first);
}

const properties::Vapour* FluidChooser::selected_vapour() const {
    const QTreeWidgetItem* row = list_->currentItem();
    if (!row || row->isHidden()) return nullptr;
    return static_cast<const properties::Vapour*>(row->data(0, vapour_role).value<const void*>());
}

const Fluid* FluidChooser::selected() const {
    const QTreeWidgetItem* row = list_->currentItem();
    if (!row || row->isHidden()) return nullptr;
    return static_cast<const Fluid*>(row->data(0, Qt::UserRole).value<const void*>());
}

void FluidChooser::follow_selection() {
    const Fluid* fluid = selected();
    const bool vapour = selected_vapour() != nullptr;
    const bool gas = fluid && fluid->kind == FluidKind::Gas && !vapour;
    pressure_->setEnabled(gas || vapour);
    pressure_label_->setEnabled(gas || vapour);
    pressure_label_->setText(vapour ? "饱和压力(&P)：" : "绝对压力(&P)：");
    pressure_->setToolTip((vapour ? QString("饱和蒸气的绝对压力：") : QString("气体的绝对压力：")) +
                          unit_description(calc::UnitQuantity::Pressure));
    show_saturation();
    const bool solution = fluid && fluid->solution && !vapour;
    fraction_->setEnabled(solution);
    fraction_label_->setEnabled(solution);
    show_freezing();
}

void FluidChooser::show_saturation() {
    const properties::Vapour* vapour = selected_vapour();
    if (!vapour) {
        saturation_->setText("kPa");
        pressure_->setAccessibleDescription({});
        return;
    }
    QString why;
    const std::optional<FluidChoice> choice = condensing_choice(*vapour, pressure_->text(), &why);
    QString words = "饱和压力 " + report::pressure_span(*vapour);
    if (choice) {
        words = "ts = " +
                report::summary(properties::saturation_state(*vapour, choice->pressure).celsius) +
                " ℃（" + words + "）";
    }
    saturation_->setText(words);
    pressure_->setAccessibleDescription(words);  // a reader hears it with the field
}

void FluidChooser::show_freezing() {
    const Fluid* fluid = selected();
    if (!fluid || !fluid->solution || selected_vapour()) {
        freezing_->clear();
        fraction_->setAccessibleDescription({});
        return;
    }
    QString why;
    const std::optional<double> fraction = read_fraction(fraction_->text(), *fluid, &why);
    const QString range = "质量分数 " + report::fraction_span_words(*fluid);
    freezing_->setText(
        fraction ? report::fraction_words(*fraction) + " 时冰点 " +
                       report::freezing_words(properties::freezing_celsius(*fluid, *fraction))
                 : range);
    fraction_->setAccessibleDescription(freezing_->text());  // a reader hears it with the field
}

void FluidChooser::confirm() {
    const Fluid* fluid = selected();
    if (!fluid) {
        QMessageBox::warning(this, "输入有误",
                             "没有与「搜索」相符的流体，请换一个名称、分子式或 CAS 号。");
        search_->setFocus();
        return;
    }
    FluidChoice choice{fluid};
    QString why;
    QLineEdit* wrong = nullptr;  // the field to correct
    if (const properties::Vapour* vapour = selected_vapour()) {
        const std::optional<FluidChoice> condensing =
            condensing_choice(*vapour, pressure_->text(), &why);
        if (condensing) {
            accept();
            chosen_(*condensing);
            return;
        }
        wrong = pressure_;
    } else if (fluid->kind == FluidKind::Gas) {
        const std::optional<double> pressure = read_pressure(pressure_->text(), &why);
        if (pressure)
            choice.pressure = *pressure;
        else
            wrong = pressure_;
    }
    if (fluid->solution) {
        const std::optional<double> fraction = read_fraction(fraction_->text(), *fluid, &why);
        if (fraction)
            choice.fraction = *fraction;
        else
            wrong = fraction_;
    }
    if (wrong) {
        QMessageBox::warning(this, "输入有误", why);
        wrong->setFocus();
        wrong->selectAll();
        return;
    }
    accept();
    chosen_(choice);
}

}  // namespace window
