// The list of fluids a side fills with: searched by Chinese or English name, formula or CAS
// number, with the absolute pressure a gas needs and the concentration a solution needs. What it
// lists is properties/' table; what a choice does is the window's.
#pragma once

#include <QDialog>
#include <functional>

#include "window/fluid_fill.hpp"

class QLineEdit;
class QTreeWidget;
class QLabel;

namespace window {

class FluidChooser : public QDialog {
  public:
    // `chosen` gets the choice once the user confirms it.
    FluidChooser(QWidget* parent, std::function<void(const FluidChoice&)> chosen);

    // Shows the list for the side titled `group`, `current` selected, the search empty; the
    // shell side's list also holds the condensing vapours.
    void open_for(const QString& group, const FluidChoice& current, bool shell);

  protected:
    // The arrow and page keys in the search move through the list, so that the keyboard
    // never has to leave the search.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void narrow();  // the rows the search holds; the first of them selected
    // The pressure is asked for a gas only, the concentration for a solution.
    void follow_selection();
    void show_freezing();    // a solution's range, and its freezing point at the concentration
    void show_saturation();  // a vapour's range, and its t_s at the pressure typed
    void confirm();          // reads the pressure or concentration; a fault keeps it open

    const properties::Fluid* selected() const;
    const properties::Vapour* selected_vapour() const;  // a condensing row's

    std::function<void(const FluidChoice&)> chosen_;
    QLineEdit* search_;
    QTreeWidget* list_;
    QLineEdit* pressure_;
    QLabel* pressure_label_;
    QLabel* saturation_;  // beside the pressure: its unit, and a vapour's t_s
    QLabel* tube_note_;   // the tube side's word on condensing
    bool shell_ = false;  // the side it was opened for
    QLineEdit* fraction_;
    QLabel* fraction_label_;
    QLabel* freezing_;
};

// What Command8 and Command9 read for a fluid, and what the chooser's button reads:
// "流体：苯 …", a solution's name alone.
QString fill_caption(const properties::Fluid& fluid);
QString chooser_caption(const properties::Fluid& fluid);
QString chooser_caption(const FluidChoice& choice);
// The fill button's tooltip and reader's description for the side titled `group`.
QString fill_description(const QString& group, const FluidChoice& choice);

}  // namespace window
