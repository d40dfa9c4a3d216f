#include "window_probe.hpp"

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QTest>

namespace probe {

QLineEdit* field(const QWidget& form, const QString& name) {
    return form.findChild<QLineEdit*>(name);
}
QLabel* label(const QWidget& form, const QString& name) {
    return form.findChild<QLabel*>(name);
}
QPushButton* button(const QWidget& form, const QString& name) {
    return form.findChild<QPushButton*>(name);
}

// ASCII comes as key presses; anything else as an input method's commit, the way a Chinese
// input method delivers full-width digits and punctuation.
void type(QWidget& form, const QString& name, const QString& text) {
    QLineEdit* edit = field(form, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar character : text) {
        if (character.unicode() < 0x80) {
            QTest::keyClick(edit, char(character.unicode()));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(QString(character));
            QApplication::sendEvent(edit, &commit);
        }
    }
}

void click(QWidget& form, const QString& name) {
    QTest::mouseClick(button(form, name), Qt::LeftButton);
}

void open_hidden_mode(QWidget& form, Side side) {
    const bool tube = side == Side::Tube;
    type(form, tube ? "Text1" : "Text19", "381924");
    type(form, tube ? "Text2" : "Text20", "381924");
    click(form, tube ? "Command3" : "Command6");
}

const QMap<QString, QString>& example_texts() {
    static const QMap<QString, QString> example = {
        {"Text1", "20"},     {"Text2", "40"},    {"Text3", "2"},         {"Text4", "0.618"},
        {"Text5", "995.7"},  {"Text6", "4174"},  {"Text7", "0.000801"},  {"Text9", "1.0"},
        {"Text10", "0.02"},  {"Text20", "90"},   {"Text19", "60"},       {"Text13", "0.668"},
        {"Text14", "977.8"}, {"Text16", "4190"}, {"Text15", "0.000406"}, {"Text12", "0.5"},
        {"Text11", "0.025"},
    };
    return example;
}

void fill_example(QWidget& form) {
    const QMap<QString, QString>& example = example_texts();
    for (auto it = example.begin(); it != example.end(); ++it) type(form, it.key(), it.value());
}

QByteArray saved_case(window::MainWindow& form, const QString& path) {
    form.save_case_to(path);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList results(const QWidget& form) {
    return {label(form, "Label24")->text(), label(form, "Label27")->text(),
            label(form, "Label50")->text()};
}

WindowState snapshot(const QWidget& window) {
    const QWidget* found = window.findChild<QWidget*>("Form1");
    const QWidget& form = found ? *found : window;
    WindowState state;
    for (const QLineEdit* edit : form.findChildren<QLineEdit*>()) {
        state.texts[edit->objectName()] = edit->text();
        state.hidden[edit->objectName()] = edit->isHidden();
        state.undoable[edit->objectName()] = edit->isUndoAvailable();
    }
    for (const QLabel* caption : form.findChildren<QLabel*>()) {
        state.texts[caption->objectName()] = caption->text();
        state.tooltips[caption->objectName()] = caption->toolTip();
        state.hidden[caption->objectName()] = caption->isHidden();
    }
    for (const QPushButton* push : form.findChildren<QPushButton*>()) {
        state.hidden[push->objectName()] = push->isHidden();
    }
    return state;
}

MessageCatcher::MessageCatcher() {
    connect(&timer_, &QTimer::timeout, this, &MessageCatcher::poll);
    timer_.start(10);
}

void MessageCatcher::poll() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        titles << box->windowTitle();
        box->done(QMessageBox::Ok);
    }
}

}  // namespace probe
