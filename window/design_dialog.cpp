#include "window/design_dialog.hpp"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>

#include "report/faces.hpp"
#include "report/search_text.hpp"
#include "window/layout_choices.hpp"
#include "window/search_choices.hpp"

namespace window {
namespace {

constexpr std::size_t listed = 50;  // accepted candidates in the table

struct FieldRow {
    const char* name;
    const char* caption;
    const char* unit;
    const char* where;  // what it holds, for the tooltip and a screen reader
};

// The search's own in the order of casefile::design_keys, then the 结构参数's two drops.
constexpr std::array<FieldRow, design_field_count> field_rows{{
    {"least_margin", "最小面积裕度 H′", "%", "按核算的面积裕度不低于它；只写数字时按 % 计"},
    {"tube_velocity", "管内流速范围", "m/s", "每程管数取使 ui′ 落在此范围内的，如 0.5–3"},
    {"shell_velocity", "管外流速范围", "m/s", "Kern 法的管外流速 uo 须在此范围内，如 0.2–1.5"},
    {"length_to_diameter", "长径比 L/D 范围", "", "管长与壳径之比须在此范围内，如 4–10"},
    {"lengths", "可选管长", "m", "只试这些标准管长，如 2, 3, 4.5"},
    {"shells", "串联壳程数范围", "台",
     "单壳程 F 低于 0.75 或不存在时，只试这些串联台数，如 1–2；F 足够时只用单壳程"},
    {"allowable_tube_drop", "管程允许压降", "kPa", "与“结构参数”中的相同；液体默认 100 kPa"},
    {"allowable_shell_drop", "壳程允许压降", "kPa", "与“结构参数”中的相同；液体默认 100 kPa"},
}};

report::LabelFonts plot_fonts(const QWidget& widget) {
    QFont latin("DejaVu Serif");
    latin.setPixelSize(std::max(11, widget.font().pixelSize()));
    QFont chinese = widget.font();
    chinese.setPixelSize(latin.pixelSize());
    return {latin, chinese};
}

}  // namespace

SearchPlotView::SearchPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName("search_plot");
    setAccessibleName("方案图：实际面积 S 与管程压降 ΔPt");
    setMinimumSize(360, 240);
    setCursor(Qt::PointingHandCursor);
}

void SearchPlotView::show_plot(const report::SearchPlot& plot) {
    plot_ = plot;
    update();
}

void SearchPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (plot_.points.empty()) return;
    report::paint_search_plot(painter, plot_, QRectF(rect()), plot_fonts(*this));
}

report::PlotGeometry SearchPlotView::geometry_now(double* em) const {
    const report::LabelFonts fonts = plot_fonts(*this);
    *em = QFontMetricsF(fonts.latin, this).height();
    return report::plot_geometry(plot_, QRectF(rect()), *em);
}

QPointF SearchPlotView::position_of(std::size_t candidate) const {
    double em = 0;
    const report::PlotGeometry g = geometry_now(&em);
    for (const report::PlotPoint& p : plot_.points) {
        if (p.index == candidate) return g.at(p.area, p.drop);
    }
    return {};
}

void SearchPlotView::mouseReleaseEvent(QMouseEvent* event) {
    double em = 0;
    const report::PlotGeometry g = geometry_now(&em);
    if (const auto c = report::candidate_at(plot_, g, event->position(), 0.8 * em)) emit chosen(*c);
    QWidget::mouseReleaseEvent(event);
}

DesignDialog::DesignDialog(QWidget* parent, Hooks hooks)
    : QDialog(parent), hooks_(std::move(hooks)) {
    setObjectName("design_dialog");
    setWindowTitle("自动设计");
    auto* grid = new QGridLayout(this);
    auto* intro = new QLabel(
        "在标准管长、管程数、每程管数、壳径和折流板间距的组合中，搜索核算面积裕度、两侧压降、"
        "管外流速和长径比都合格的方案，按实际面积从小到大排列。留空或按“默认”即取默认值。",
        this);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 5);
    for (std::size_t i = 0; i < field_rows.size(); ++i) {
        const FieldRow& row = field_rows[i];
        const int line = static_cast<int>(i) + 1;
        QLineEdit* field = fields_[i] = new QLineEdit(this);
        field->setObjectName(row.name);
        field->setAccessibleName(row.caption);
        field->setAccessibleDescription(row.where);
        field->setToolTip(row.where);
        auto* label = new QLabel(QString(row.caption) + "：", this);
        label->setBuddy(field);
        auto* restore = new QPushButton("默认", this);
        restore->setObjectName(QString(row.name) + "_default");
        restore->setAccessibleName(QString(row.caption) + " 默认");
        restore->setAutoDefault(false);
        connect(restore, &QPushButton::clicked, this, [field] {
            field->selectAll();
            field->del();  // one step of the field's own undo
            field->setFocus();
        });
        grid->addWidget(label, line, 0);
        grid->addWidget(field, line, 1);
        grid->addWidget(new QLabel(row.unit, this), line, 2);
        grid->addWidget(restore, line, 3);
    }
    const int below = static_cast<int>(field_rows.size()) + 1;
    search_button_ = new QPushButton("搜索", this);
    search_button_->setObjectName("search");
    search_button_->setDefault(true);
    connect(search_button_, &QPushButton::clicked, this, &DesignDialog::run_search);
    grid->addWidget(search_button_, 1, 4);
    counts_ = new QLabel(this);
    counts_->setObjectName("search_counts");
    counts_->setWordWrap(true);
    counts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(counts_, below, 0, 1, 5);

    const QStringList columns = report::candidate_columns();
    table_ = new QTableWidget(0, static_cast<int>(columns.size()), this);
    table_->setObjectName("candidates");
    table_->setAccessibleName("合格方案");
    table_->setHorizontalHeaderLabels(columns);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setMinimumSize(640, 180);
    // Every column's head or its widest figure, "10000.0", beside the scroll bar and margins:
    // the width the dialog opens at where the screen has it.
    const QFontMetrics metrics = table_->fontMetrics();
    const int cell = metrics.horizontalAdvance("10000.00");
    const int padding = 3 * metrics.horizontalAdvance(' ');
    wide_ = table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4 * table_->frameWidth() +
            2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + 2 * padding;
    for (const QString& column : columns) {
        wide_ += std::max(metrics.horizontalAdvance(column), cell) + padding;
    }
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && static_cast<std::size_t>(row) < rows_.size()) {
            choose(rows_[static_cast<std::size_t>(row)]);
        }
    });
    grid->addWidget(table_, below + 1, 0, 1, 5);
    plot_ = new SearchPlotView(this);
    connect(plot_, &SearchPlotView::chosen, this, &DesignDialog::choose);
    grid->addWidget(plot_, below + 2, 0, 1, 5);

    auto* buttons = new QDialogButtonBox(this);
    adopt_button_ = buttons->addButton("采用", QDialogButtonBox::AcceptRole);
    adopt_button_->setObjectName("adopt");
    adopt_button_->setAccessibleDescription(
        "把选中的方案填入“结构参数”：串联壳程数、管长、管程数、每程管数、"
        "壳径、折流板间距");
    adopt_button_->setEnabled(false);
    adopt_button_->setAutoDefault(false);
    QPushButton* close = buttons->addButton("关闭", QDialogButtonBox::RejectRole);
    close->setAutoDefault(false);
    connect(adopt_button_, &QPushButton::clicked, this, &DesignDialog::adopt);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    grid->addWidget(buttons, below + 3, 0, 1, 5);
    // Ctrl+Z outside the fields takes back the last 采用.
    auto* undo = new QShortcut(QKeySequence::Undo, this);
    connect(undo, &QShortcut::activated, this, [this] {
        if (hooks_.undo_adopt) hooks_.undo_adopt();
    });
}

void DesignDialog::open_with(const DesignEdits& edits, const DesignDefaults& defaults) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setText(i < search_field_count ? edits.design[i]
                                                   : edits.drops[i - search_field_count]);
        fields_[i]->setPlaceholderText(defaults[i].isEmpty() ? QString("默认")
                                                             : "默认 " + defaults[i]);
    }
    fields_[0]->setFocus();
    // As wide as every column needs, within the screen; the user may still resize it.
    const QScreen* shown = screen();
    const int room = shown ? shown->availableGeometry().width() : wide_;
    if (width() < wide_) resize(std::min(wide_, room), height());
    open();
}

DesignEdits DesignDialog::edits() const {
    DesignEdits e;
    for (std::size_t i = 0; i < search_field_count; ++i) e.design[i] = fields_[i]->text().trimmed();
    e.drops = {fields_[search_field_count]->text().trimmed(),
               fields_[search_field_count + 1]->text().trimmed()};
    return e;
}

void DesignDialog::run_search() {
    try {
        search_ = hooks_.search(edits());
    } catch (const ChoiceFault& fault) {
        QMessageBox::warning(this, "输入有误", fault.words + "。");
        QLineEdit* field = fields_[std::min<std::size_t>(fault.index, fields_.size() - 1)];
        field->setFocus();
        field->selectAll();
        return;
    }
    show_search();
}

void DesignDialog::show_search() {
    chosen_.reset();
    rows_.clear();
    table_->setRowCount(0);
    adopt_button_->setEnabled(false);
    if (!search_) {
        counts_->setText("这组数据不能排管，不作自动设计：请先看计算过程中的“结构与压降”。");
        plot_->show_plot({});
        return;
    }
    const design::Search& s = *search_;
    if (s.stop == design::SearchStop::Refused || s.stop == design::SearchStop::NoTubeCount) {
        counts_->setText(report::stop_words(s) + "。");
        plot_->show_plot({});
        return;
    }
    QString counts = "试算 " + QString::number(s.tried()) + " 个方案，合格 " +
                     QString::number(s.accepted()) + " 个";
    if (s.stop == design::SearchStop::Stopped) counts += "（搜索已停止，只含已试的方案）";
    if (s.ranking.empty()) {
        counts = report::none_words(s) + "。可采用最接近的方案后再调整。";
        if (s.closest) rows_.push_back(*s.closest);
    } else {
        counts += "，按实际面积从小到大列出前 " +
                  QString::number(std::min(listed, s.ranking.size())) + " 个。";
        rows_.assign(s.ranking.begin(),
                     s.ranking.begin() + static_cast<long>(std::min(listed, s.ranking.size())));
    }
    counts_->setText(counts);
    table_->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const QStringList cells = report::candidate_cells(s.candidates[rows_[r]]);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), c, item);
        }
    }
    plot_->show_plot(report::search_plot(s));
    if (!rows_.empty()) table_->selectRow(0);
}

void DesignDialog::choose(std::size_t candidate) {
    if (!search_ || candidate >= search_->candidates.size()) return;
    chosen_ = candidate;
    adopt_button_->setEnabled(true);
    report::SearchPlot plot = plot_->plot();
    plot.marked = candidate;
    plot_->show_plot(plot);
    const auto row = std::ranges::find(rows_, candidate);
    if (row != rows_.end()) {
        const int r = static_cast<int>(row - rows_.begin());
        if (table_->currentRow() != r) table_->selectRow(r);
    } else {
        table_->clearSelection();
    }
}

void DesignDialog::adopt() {
    if (!search_ || !chosen_) return;
    hooks_.adopt(search_->candidates[*chosen_]);
}

}  // namespace window
