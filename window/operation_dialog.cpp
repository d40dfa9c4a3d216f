#include "window/operation_dialog.hpp"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>

#include "casefile/case_json.hpp"
#include "report/html_text.hpp"
#include "report/layout_text.hpp"
#include "report/summary.hpp"

namespace window {
namespace {

constexpr std::array<const char*, 4> input_units{"℃", "kg/s", "℃", "kg/s"};

report::LabelFonts plot_fonts(const QWidget& widget) {
    QFont latin("DejaVu Serif");
    latin.setPixelSize(std::max(11, widget.font().pixelSize()));
    QFont chinese = widget.font();
    chinese.setPixelSize(latin.pixelSize());
    return {latin, chinese};
}

// The design's value of each input, as the sweep's defaults take it.
std::array<double, 4> design_values(const design::SimulationInput& in) {
    return {in.tube.inlet, in.tube.flow, in.shell.inlet, in.shell.flow};
}

// The input with the operation's own values over the design's.
design::SimulationInput with(design::SimulationInput in, const Operation& op) {
    in.tube.inlet = op.tube_inlet.value_or(in.tube.inlet);
    in.tube.flow = op.tube_flow.value_or(in.tube.flow);
    in.shell.inlet = op.shell_inlet.value_or(in.shell.inlet);
    in.shell.flow = op.shell_flow.value_or(in.shell.flow);
    return in;
}

}  // namespace

QString swept_axis_name(design::SweptInput input) {
    switch (input) {
        case design::SweptInput::TubeInlet:
            return "管内进口温度 / ℃";
        case design::SweptInput::TubeFlow:
            return "管内质量流量 / (kg/s)";
        case design::SweptInput::ShellInlet:
            return "管外进口温度 / ℃";
        case design::SweptInput::ShellFlow:
            return "管外质量流量 / (kg/s)";
    }
    return {};
}

OperationPlotView::OperationPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName("operation_plot");
    setAccessibleName("扫描图：两侧出口温度与传热量");
    setMinimumSize(420, 260);
}

void OperationPlotView::show_plot(const report::OperationPlot& plot) {
    plot_ = plot;
    update();
}

void OperationPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (plot_.points.empty()) return;
    report::paint_operation_plot(painter, plot_, QRectF(rect()), plot_fonts(*this));
}

OperationDialog::OperationDialog(QWidget* parent,
                                 std::function<void(const casefile::OperationTexts&)> taken)
    : QDialog(parent), taken_(std::move(taken)) {
    setObjectName("operation_dialog");
    setWindowTitle("操作型计算");
    auto* grid = new QGridLayout(this);
    exchanger_ = new QLabel(this);
    exchanger_->setObjectName("operation_exchanger");
    exchanger_->setWordWrap(true);
    exchanger_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(exchanger_, 0, 0, 1, 6);
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const int line = static_cast<int>(i) + 1;
        QLineEdit* field = inputs_[i] = new QLineEdit(this);
        field->setObjectName(casefile::operation_keys[i]);
        field->setAccessibleName(operation_names[i]);
        field->setToolTip(QString("留空取设计值；可带单位，如 ") +
                          (i % 2 == 0 ? "15、288.15 K" : "1.6、5760 kg/h"));
        auto* label = new QLabel(QString(operation_names[i]) + "：", this);
        label->setBuddy(field);
        grid->addWidget(label, line, 0);
        grid->addWidget(field, line, 1);
        grid->addWidget(new QLabel(input_units[i], this), line, 2);
    }
    auto* run = new QPushButton("计算", this);
    run->setObjectName("simulate");
    run->setDefault(true);
    connect(run, &QPushButton::clicked, this, &OperationDialog::simulate);
    grid->addWidget(run, 1, 3);

    result_ = new QTextBrowser(this);
    result_->setObjectName("operation_result");
    result_->setAccessibleName("操作型计算结果");
    result_->setMinimumHeight(150);
    grid->addWidget(result_, 5, 0, 1, 6);

    // The sweep: which input, from, to, points.
    swept_ = new QComboBox(this);
    swept_->setObjectName("sweep");
    swept_->setAccessibleName(operation_names[4]);
    for (std::size_t k = 0; k < swept_keys.size(); ++k) {
        swept_->addItem(operation_names[k], QString(swept_keys[k]));
    }
    swept_->setCurrentIndex(1);
    auto* swept_label = new QLabel(QString(operation_names[4]) + "：", this);
    swept_label->setBuddy(swept_);
    grid->addWidget(swept_label, 6, 0);
    grid->addWidget(swept_, 6, 1);
    for (std::size_t i = 0; i < sweep_fields_.size(); ++i) {
        QLineEdit* field = sweep_fields_[i] = new QLineEdit(this);
        field->setObjectName(casefile::operation_keys[5 + i]);
        field->setAccessibleName(operation_names[5 + i]);
        auto* label = new QLabel(QString(operation_names[5 + i]) + "：", this);
        label->setBuddy(field);
        const int line = 7 + static_cast<int>(i);
        grid->addWidget(label, line, 0);
        grid->addWidget(field, line, 1);
    }
    sweep_fields_[0]->setToolTip("留空取设计值的 50 %");
    sweep_fields_[1]->setToolTip("留空取设计值的 150 %");
    sweep_fields_[2]->setToolTip("2–101，留空取 11");
    auto* scan = new QPushButton("扫描", this);
    scan->setObjectName("run_sweep");
    scan->setAutoDefault(false);
    connect(scan, &QPushButton::clicked, this, &OperationDialog::sweep);
    grid->addWidget(scan, 6, 3);
    auto* copy = new QPushButton("复制表格", this);
    copy->setObjectName("copy_sweep");
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &OperationDialog::copy_sweep);
    grid->addWidget(copy, 7, 3);

    table_ = new QTableWidget(0, 7, this);
    table_->setObjectName("sweep_table");
    table_->setAccessibleName("扫描结果");
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setMinimumHeight(160);
    grid->addWidget(table_, 10, 0, 1, 6);
    plot_ = new OperationPlotView(this);
    grid->addWidget(plot_, 11, 0, 1, 6);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton("关闭", QDialogButtonBox::RejectRole);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(buttons, 12, 0, 1, 6);
    resize(780, 900);  // the table's columns and the plot at a readable size; still resizable
}

void OperationDialog::open_with(const casefile::OperationTexts& texts,
                                const OperationStart& start) {
    start_ = start;
    const design::SimulationInput& in = start.input;
    exchanger_->setText("换热器（按当前排管与核算）：" + report::exchanger_line(in) +
                        "\n设计工况：" + report::streams_line(in));
    const std::array<double, 4> design = design_values(in);
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        inputs_[i]->setText(texts[i]);
        inputs_[i]->setPlaceholderText("默认 " + report::summary(design[i]));
    }
    const int row = swept_->findData(texts[4].trimmed());
    swept_->setCurrentIndex(row >= 0 ? row : 1);
    for (std::size_t i = 0; i < sweep_fields_.size(); ++i) {
        sweep_fields_[i]->setText(texts[5 + i]);
    }
    sweep_fields_[0]->setPlaceholderText("默认 设计值的 50 %");
    sweep_fields_[1]->setPlaceholderText("默认 设计值的 150 %");
    sweep_fields_[2]->setPlaceholderText("默认 11");
    result_->clear();
    table_->setRowCount(0);
    sweep_.clear();
    plot_->show_plot({});
    inputs_[0]->setFocus();
    open();
}

casefile::OperationTexts OperationDialog::texts() const {
    casefile::OperationTexts t{};
    for (std::size_t i = 0; i < inputs_.size(); ++i) t[i] = inputs_[i]->text().trimmed();
    t[4] = swept_->currentIndex() == 1 ? QString() : swept_->currentData().toString();
    for (std::size_t i = 0; i < sweep_fields_.size(); ++i) {
        t[5 + i] = sweep_fields_[i]->text().trimmed();
    }
    return t;
}

std::optional<OperationChoice> OperationDialog::read() {
    if (!start_) return std::nullopt;
    try {
        const casefile::OperationTexts t = texts();
        const OperationChoice choice = read_operation(t, design_values(start_->input));
        taken_(t);
        return choice;
    } catch (const ChoiceFault& fault) {
        QMessageBox::warning(this, "输入有误", fault.words + "。");
        QLineEdit* field = fault.index < 4   ? inputs_[fault.index]
                           : fault.index > 4 ? sweep_fields_[fault.index - 5]
                                             : nullptr;
        if (field) {
            field->setFocus();
            field->selectAll();
        }
        return std::nullopt;
    }
}

void OperationDialog::simulate() {
    const std::optional<OperationChoice> choice = read();
    if (!choice) return;
    const design::SimulationInput in = with(start_->input, choice->operation);
    try {
        const design::Simulation sim = design::simulate(in);
        QString html = "<p>" + report::escaped(report::streams_line(in)) + "</p>";
        for (const QString& line : report::operation_lines(in, sim, start_->design)) {
            html += "<p>" + report::escaped(line) + "</p>";
        }
        for (const QString& note : report::simulation_notes(in, sim)) {
            html += "<p style='color:#b00000'>" + report::escaped(note) + "</p>";
        }
        result_->setHtml(html);
    } catch (const design::SimulationFault& fault) {
        result_->setHtml("<p style='color:#b00000'>" +
                         report::escaped(report::simulation_refusal_words(fault)) + "。</p>");
    }
}

void OperationDialog::sweep() {
    const std::optional<OperationChoice> choice = read();
    if (!choice) return;
    const design::SimulationInput in = with(start_->input, choice->operation);
    const SweepChoice& s = choice->sweep;
    sweep_ = design::sweep(in, s.input, s.from, s.to, s.points);
    const QString name = swept_axis_name(s.input);
    const QStringList columns = report::sweep_columns(name);
    table_->setColumnCount(static_cast<int>(columns.size()));
    table_->setHorizontalHeaderLabels(columns);
    table_->setRowCount(static_cast<int>(sweep_.size()));
    for (std::size_t r = 0; r < sweep_.size(); ++r) {
        const QStringList cells = report::sweep_cells(sweep_[r]);
        const int row = static_cast<int>(r);
        table_->setSpan(row, 1, 1, cells.size() == 2 ? table_->columnCount() - 1 : 1);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(row, c, item);
        }
    }
    const std::array<double, 4> design = design_values(start_->input);
    plot_->show_plot(
        report::operation_plot(sweep_, name, design[static_cast<std::size_t>(s.input)]));
}

void OperationDialog::copy_sweep() const {
    QStringList lines;
    QStringList head;
    for (int c = 0; c < table_->columnCount(); ++c) {
        if (const QTableWidgetItem* h = table_->horizontalHeaderItem(c)) head << h->text();
    }
    lines << head.join('\t');
    for (const design::SweepPoint& p : sweep_) lines << report::sweep_cells(p).join('\t');
    QApplication::clipboard()->setText(lines.join('\n') + '\n');
}

}  // namespace window
