// The one window: the form Form1 with its controls bound by name and its nine button actions,
// under a menu bar, over a status line, beside a 计算过程 panel; holding one case that may come
// from or go to a case file. The controls come from form_builder; the numbers from calc/ and
// properties/; the file format from casefile/.
#pragma once

#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "calc/design_checks.hpp"
#include "calc/film_coefficient.hpp"
#include "calc/sizing.hpp"
#include "casefile/case.hpp"
#include "design/search.hpp"
#include "design/simulation.hpp"
#include "report/page.hpp"
#include "report/report.hpp"
#include "report/working_text.hpp"
#include "window/case_prompt.hpp"
#include "window/design_dialog.hpp"
#include "window/fluid_chooser.hpp"
#include "window/fluid_fill.hpp"
#include "window/layout_dialog.hpp"
#include "window/operation_choices.hpp"
#include "window/operation_dialog.hpp"
#include "window/result_label.hpp"
#include "window/status_line.hpp"

class QDockWidget;
class QTextBrowser;

namespace window {

class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The actions, one per button. Each reads all its fields and does all its
    // arithmetic before it writes anything, so a fault leaves the window as it was.
    void compute_result();          // Command1 计算结果
    void tube_mean_temperature();   // Command3 计算平均温度, tube side
    void shell_mean_temperature();  // Command6 计算平均温度, shell side
    void tube_film_coefficient();   // Command4 计算传热系数, tube side (hidden mode)
    void shell_film_coefficient();  // Command5 计算传热系数, shell side (hidden mode)
    void clear();                   // Command7 清空
    void exit();                    // Command2 退出, and 文件 → 退出: once nothing is lost
    void tube_fill();               // Command8 水物性, tube side: with the fluid chosen
    void shell_fill();              // Command9 水物性, shell side
    void choose_tube_fluid();       // Command10 流体：…, the list of fluids for the tube side
    void choose_shell_fluid();      // Command11 流体：…, for the shell side

    // The fluid a side fills with: one change that 编辑 → 撤销 takes back while the side's
    // fill or chooser button has focus.
    void choose_fluid(calc::Side side, const FluidChoice& choice);
    const FluidChoice& fluid_choice(calc::Side side) const;

    // The report of the last result, from the results panel's menu, the result labels' menus
    // and anywhere in the window by its shortcut:
    void copy_report();      // 复制计算过程 (Ctrl+Shift+C): as plain text on the clipboard
    void save_report_pdf();  // 导出计算书 PDF… (Ctrl+E): asks where, then save_report_to
    void print_report();     // 打印计算书… (Ctrl+P): Qt's print dialog, then print_report_to
    void save_report_to(const QString& path);  // SaveFault where the file cannot be written
    void save_report_as(const QString& path);  // the same as an action: a fault is reported
    void print_report_to(QPagedPaintDevice& printer) const;
    report::Report current_report() const;

    // The case, from the 文件 menu. Where the case came from or went to a file and has changes
    // not saved, 新建, 打开 and 退出 first ask whether to save them (ask_to_save).
    void new_case();   // 新建 (Ctrl+N): every field, the header and the results emptied
    void open_case();  // 打开… (Ctrl+O): asks which file, then open_path
    void open_path(const QString& path);  // asks to save, then loads; a fault is reported
    bool save_case();        // 保存 (Ctrl+S): to its file, or as save_case_as; false if not saved
    bool save_case_as();     // 另存为… (Ctrl+Shift+S): asks where, then save_case_to
    void edit_sheet_info();  // 计算书信息…: the header's four cells in a small dialog
    void edit_layout();  // 工具 → 结构参数… and the panel's link: the layout's choices
    void edit_design();  // 工具 → 自动设计…, the panel's link and the H′ 注意: the search
    // 采用: the candidate's length, passes, tubes per pass, shell and spacing into the
    // 结构参数 as one change; undo_adoption takes the last one back.
    void adopt_candidate(const design::Candidate& candidate);
    void undo_adoption();
    // What is wrong with the layout's choices, for the last result where there is one.
    std::optional<ChoiceFault> check_layout(const casefile::LayoutTexts& texts) const;
    // The choices as the case keeps them; a change is a change of the case, and a result
    // still as computed is computed again with them.
    void take_layout(const casefile::LayoutTexts& texts);
    const casefile::LayoutTexts& layout_texts() const { return layout_texts_; }
    const casefile::DesignTexts& design_texts() const { return design_texts_; }
    const std::optional<casefile::OperationTexts>& operation_texts() const {
        return operation_texts_;
    }
    void edit_operation();  // 工具 → 操作型计算… and the panel's link
    // The exchanger at the design's inlets and flows with the design's outlets and duty; none
    // without a rated layout.
    std::optional<OperationStart> operation_start() const;
    // The case's operation simulated and swept for the 计算书; none where the case holds none
    // or its texts do not read.
    std::optional<report::OperationEntry> operation_entry() const;
    // The texts of 操作型计算 taken into the case: a change of the case where they differ.
    void take_operation(const casefile::OperationTexts& texts);
    // The 自动设计 search on the last result with the case's choices, `going` hearing its
    // progress. ChoiceFault where a choice does not read; a search that stops says why; none
    // without a layout to start from.
    std::optional<design::Search> search_designs(
        const std::function<bool(double)>& going = {}) const;
    // 操作型计算 of the last result's exchanger, as laid out and rated, at the design's inlets
    // and flows where `operation` leaves them; none without a rated layout. The simulation's
    // own refusals are design::SimulationFault.
    std::optional<design::SimulationInput> simulation_input(const Operation& operation) const;
    void about();  // 帮助 → 关于

    // The same without dialogs. load_case raises casefile::CaseFault and changes nothing then,
    // and leaves the recent list to the one who asked; save_case_to raises SaveFault and leaves
    // the case unsaved.
    void load_case(const QString& path);
    void save_case_to(const QString& path);
    void set_sheet_info(const casefile::SheetInfo& sheet);
    casefile::Case current_case() const;
    // K, A and Q as shown, while the fields still hold what they were computed from.
    std::optional<casefile::Results> current_results() const;
    bool fields_as_computed() const;  // a result, and every field as it was computed from
    const QString& case_path() const { return case_path_; }  // empty while untitled
    QStringList recent_cases() const;

    // Asks 保存 / 不保存 / 取消; a test may answer in its place.
    std::function<SaveChoice(const QString& file_name)> ask_to_save;
    // True when nothing is lost by going on: nothing to lose, saved, or not wanted.
    bool may_discard_case();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    calc::FluidSide read_tube_side(ConvertedInputs* converted = nullptr) const;
    calc::FluidSide read_shell_side(ConvertedInputs* converted = nullptr) const;
    std::array<QLineEdit*, 20> all_fields() const;  // Text1 … Text20, in order
    FillFields tube_fill_fields() const;
    FillFields shell_fill_fields() const;

    // The working of the last results as tooltips, saying where a side's properties came from
    // while its fields hold what 水物性 wrote; again whenever one of those fields changes.
    void show_working();
    // The last result's layout input, where it was laid out: what 自动设计 searches around.
    const design::LayoutInput* laid_out_input() const;
    // The layout after the checks, with the case's choices.
    report::LayoutEntry layout_entry(
        const calc::SizingInput& input, const calc::SizingWorking& working,
        const calc::DesignChecks& checks,
        const std::optional<design::CondensingEstimate>& condensing = std::nullopt) const;

    // A button's click runs its action through here: a fault ends the action, is reported,
    // and the window is idle again; no exception reaches Qt's event loop.
    void connect_action(QPushButton* button, void (MainWindow::*action)());
    void run_action(const std::function<void()>& action);
    void add_menus();
    void add_view(QMenu& view);  // the status line, the panel, 视图 → 计算过程
    void fit_panel();            // docked where the screen has room, else floating
    void refresh_panel();        // the current report, while the panel is shown
    void input_changed();        // a field's text: the status line empties, the panel follows
    void undo_field();           // 编辑 → 撤销, 重做: of the field with focus, or of the
    void redo_field();           // fluid of the side whose fill or chooser button has it
    // Shows `choice` on the side's buttons without touching the undo history.
    void show_choice(calc::Side side);
    // The shell group as its choice has it: condensing or not (choice_actions).
    void show_condensing();
    std::vector<QLineEdit*> condensing_unused() const;  // the shell's λ, ρ, cp, μ and u
    void open_chooser(calc::Side side);
    // The side whose fill or chooser button has focus, if one has.
    std::optional<calc::Side> side_of_focus() const;
    // Its fluid one step back (or forward); false when no such button has focus.
    bool step_choice(bool back);
    void set_case_path(const QString& path);  // the title names it
    void set_changed(bool changed);           // the title's marker of unsaved changes
    void remember_recent(const QString& path);
    void open_recent(const QString& path);  // one that is gone leaves the list, with a word
    QString case_folder() const;            // where the case's file dialogs start
    static QString documents_folder();      // where the others start
    void fill_recent_menu(QMenu& menu);
    void clear_results();
    std::optional<report::Attachment> case_attachment() const;

    // The report's view of the form, fixed once it is built: each side's title and fields,
    // each field with its caption and unit, in the order the report lists them.
    struct ReportField {
        QLineEdit* field;
        report::FieldEntry entry;  // all but the text
    };
    struct ReportGroup {
        bool tube;
        QString title;
        std::vector<ReportField> fields;
    };
    std::vector<ReportGroup> report_groups() const;

    // clang-format off
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8, *Text9, *Text10,
              *Text11, *Text12, *Text13, *Text14, *Text15, *Text16, *Text17, *Text18, *Text19,
              *Text20;
    ResultLabel *Label9, *Label14, *Label23, *Label24, *Label26, *Label27, *Label48, *Label49,
                *Label50, *Label51;
    QWidget* Form1;
    QGroupBox *Frame1, *Frame2, *Frame4;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7,
                *Command8, *Command9, *Command10, *Command11;
    // clang-format on

    // The last successful results, and the last fill of each side.
    std::optional<report::ResultWorking> computed_;
    std::optional<report::FilmResult> tube_film_, shell_film_;
    std::optional<FluidFill> tube_fill_, shell_fill_;
    // Each side's fluid, and the choices 撤销 and 重做 go back and forth through.
    struct ChoiceHistory {
        FluidChoice current = water_choice();
        std::vector<FluidChoice> undo, redo;
    };
    ChoiceHistory tube_choice_, shell_choice_;
    // The shell's inlet, outlet and flow as typed, while it condenses (Text20, Text19, Text18).
    std::optional<std::array<QString, 3>> condensing_typed_;
    QHash<const QLineEdit*, QString> field_tooltips_;  // each field's own, as built
    FluidChooser* chooser_ = nullptr;                  // built when first opened
    LayoutDialog* layout_dialog_ = nullptr;            // built when first opened
    DesignDialog* design_dialog_ = nullptr;            // built when first opened
    std::optional<design::Search> last_search_;        // for the 计算书, while current
    std::vector<casefile::LayoutTexts> adopted_from_;  // the choices before each 采用
    casefile::LayoutTexts layout_texts_{};
    casefile::DesignTexts design_texts_{};
    std::optional<casefile::OperationTexts> operation_texts_{};  // once 操作型计算 was asked
    OperationDialog* operation_dialog_ = nullptr;                // built when first opened
    calc::Side chooser_side_ = calc::Side::Tube;                 // the side it was opened for
    QString case_path_;
    // The menus' shortcuts, which win over a field's own use of the same key (Ctrl+E, which
    // moves to the end of the line where the keyboard follows X11's scheme).
    QHash<QKeySequence, QAction*> window_keys_;
    casefile::SheetInfo sheet_;
    QString failure_;  // what the last action's calculation fault said
    StatusLine* status_line_ = nullptr;
    QDockWidget* working_panel_ = nullptr;
    QTextBrowser* working_text_ = nullptr;
    QString panel_html_;  // what it shows
    std::vector<ReportGroup> report_groups_;
};

}  // namespace window
