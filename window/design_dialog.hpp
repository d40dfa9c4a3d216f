// The 自动设计 dialog: the search's choices and both allowable drops, each with its default and
// 默认; 搜索, the counts, the accepted candidates best first in a table and every one tried in
// a plot, one chosen in both; 采用, which the window takes as one change of the 结构参数. What a
// search is is design/search's; taking the choices and a candidate is the window's.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "casefile/case.hpp"
#include "design/search.hpp"
#include "report/search_plot.hpp"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace window {

// The plot of a search, a click on a point choosing its candidate.
class SearchPlotView : public QWidget {
    Q_OBJECT
  public:
    explicit SearchPlotView(QWidget* parent);
    void show_plot(const report::SearchPlot& plot);
    const report::SearchPlot& plot() const { return plot_; }
    QPointF position_of(std::size_t candidate) const;  // where its point is drawn

  signals:
    void chosen(std::size_t candidate);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    report::PlotGeometry geometry_now(double* em) const;
    report::SearchPlot plot_{};
};

// The texts the dialog edits: the search's own, then the allowable drops of the 结构参数.
inline constexpr std::size_t search_field_count = std::tuple_size_v<casefile::DesignTexts>;
inline constexpr std::size_t design_field_count = search_field_count + 2;
using DesignDefaults = std::array<QString, design_field_count>;
struct DesignEdits {
    casefile::DesignTexts design{};
    std::array<QString, 2> drops{};  // tube side, shell side
    bool operator==(const DesignEdits&) const = default;
};

class DesignDialog : public QDialog {
    Q_OBJECT
  public:
    struct Hooks {
        // Takes the texts into the case and searches; ChoiceFault where one does not read.
        std::function<std::optional<design::Search>(const DesignEdits&)> search;
        std::function<void(const design::Candidate&)> adopt;
        std::function<void()> undo_adopt;  // Ctrl+Z after 采用
    };
    DesignDialog(QWidget* parent, Hooks hooks);

    // Shows `edits` with the defaults `shown` (the drops' for the last result) and opens.
    void open_with(const DesignEdits& edits, const DesignDefaults& defaults);
    DesignEdits edits() const;
    const std::optional<design::Search>& last_search() const { return search_; }
    std::optional<std::size_t> chosen() const { return chosen_; }

    void run_search();  // 搜索
    void adopt();       // 采用
    void choose(std::size_t candidate);

  private:
    void show_search();

    Hooks hooks_;
    std::array<QLineEdit*, design_field_count> fields_{};
    QPushButton* search_button_ = nullptr;
    QPushButton* adopt_button_ = nullptr;
    QLabel* counts_ = nullptr;
    QTableWidget* table_ = nullptr;
    int wide_ = 0;  // the width that shows every column of the table
    SearchPlotView* plot_ = nullptr;
    std::optional<design::Search> search_;
    std::vector<std::size_t> rows_;  // the candidate of each row
    std::optional<std::size_t> chosen_;
};

}  // namespace window
