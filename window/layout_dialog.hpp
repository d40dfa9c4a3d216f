// The 结构参数 dialog: the layout's choices on one page and the rating's on another, each
// showing the method's default for the last result with a 默认 button that restores it, each
// change one Ctrl+Z. What the choices are is layout_choices'; what is wrong with them, and what
// taking them does, the window's.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "casefile/case.hpp"
#include "design/layout.hpp"
#include "window/layout_choices.hpp"

class QComboBox;
class QLineEdit;

namespace window {

class LayoutDialog : public QDialog {
  public:
    // `check` says which choice is wrong and why; `taken` gets the texts once they are sound.
    using Check = std::function<std::optional<ChoiceFault>(const casefile::LayoutTexts&)>;
    LayoutDialog(QWidget* parent, Check check,
                 std::function<void(const casefile::LayoutTexts&)> taken);

    // Shows `texts` with the method's own choices as `defaults` has them, and opens.
    void open_with(const casefile::LayoutTexts& texts, const design::LayoutChoices& defaults);
    casefile::LayoutTexts texts() const;

  private:
    void show_defaults(const design::LayoutChoices& defaults);
    void restore_default(std::size_t index);  // the 默认 button: one step Ctrl+Z takes back
    void undo_choice(std::size_t index);      // a list's own Ctrl+Z
    void confirm();                           // a fault keeps the dialog open

    Check check_;
    std::function<void(const casefile::LayoutTexts&)> taken_;
    // Each choice's input: a list for the length, the arrangement, the shell, the passes and the
    // material, else a field.
    static constexpr std::size_t count = casefile::layout_choice_count;
    std::array<QComboBox*, count> lists_{};
    std::array<QLineEdit*, count> fields_{};
    std::array<std::vector<int>, count> undo_;  // a list's earlier rows, for its Ctrl+Z
    std::array<int, count> row_{};              // the row each list shows
    bool undoing_ = false;
};

}  // namespace window
