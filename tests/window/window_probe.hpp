// Test helpers that drive the real window: find controls by name, type, click, catch
// message boxes, and take a picture of every text, caption and visibility flag.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "window/main_window.hpp"

namespace probe {

QLineEdit* field(const QWidget& form, const QString& name);
QLabel* label(const QWidget& form, const QString& name);
QPushButton* button(const QWidget& form, const QString& name);

// Replaces a field's text the way a user does: select all, then type.
void type(QWidget& form, const QString& name, const QString& text);
void click(QWidget& form, const QString& name);

// Types the hidden-mode code into both temperatures of a side and presses its
// 计算平均温度, which reveals that side's coefficient button and label.
enum class Side { Tube, Shell };
void open_hidden_mode(QWidget& form, Side side);

// The data of the worked example: each input field's text.
const QMap<QString, QString>& example_texts();
// The same, typed into the fields.
void fill_example(QWidget& form);

// The bytes of the case file `form` saves to `path`; empty where it cannot be read back.
QByteArray saved_case(window::MainWindow& form, const QString& path);
// K, A and Q as the results panel shows them, and as it shows the worked example's.
QStringList results(const QWidget& form);
const QStringList example_results = {"2006.831", "2.0859118", "166960"};

// Every field text, label caption, tooltip and hidden flag of the form, and whether each
// field has an edit to undo. The status line and the panel tell of these, and are not in it.
struct WindowState {
    QMap<QString, QString> texts;
    QMap<QString, QString> tooltips;
    QMap<QString, bool> hidden;
    QMap<QString, bool> undoable;
    bool operator==(const WindowState&) const = default;
};
WindowState snapshot(const QWidget& window);

// Closes every message box that comes up while it lives and keeps what each one said.
class MessageCatcher : public QObject {
  public:
    MessageCatcher();
    QStringList texts;
    QStringList titles;

  private:
    void poll();
    QTimer timer_;
};

}  // namespace probe
