// A monkey on the real window: a fixed seed, thousands of random steps, each a text typed into
// a random field or a click on a random shown button (never 退出), 水物性 included. After every
// click: a click that raised a message left the window exactly as it was, one that did not wrote
// only its own outputs, and no caption or tooltip ever reads "nan" or "inf".
#include <QApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>
#include <QTimer>

#include "window_probe.hpp"

namespace {

constexpr int steps = 2500;
constexpr quint32 seed = 20261208;

const QStringList hostile = {"",
                             "   ",
                             "\u3000",
                             "２０．５",
                             "381924",
                             QString(10000, '9'),
                             "😀",
                             "\u200F20\u200E",
                             "1e39",
                             "-0",
                             "abc",
                             "1,5",
                             QString(QChar(0)),
                             "1e-45",
                             "0",
                             "-40",
                             "0。5",
                             "20 mm",
                             "381924 K",
                             "20 kg",
                             "303.15 K"};

// What each button may write: "text:", "tip:" or "hidden:" and a control's name.
QSet<QString> outputs(const QString& button) {
    auto with = [](const QString& kind, const QStringList& names) {
        QSet<QString> keys;
        for (const QString& name : names) keys << kind + name;
        return keys;
    };
    if (button == "Command1") {
        return with("text:", {"Label23", "Label24", "Label26", "Label27", "Label48", "Label49",
                              "Label50", "Label51"}) +
               with("tip:", {"Label24", "Label27", "Label50"});
    }
    if (button == "Command3")
        return with("text:", {"Text8"}) + with("hidden:", {"Command4", "Label9"});
    if (button == "Command6") {
        return with("text:", {"Text17"}) + with("hidden:", {"Command5", "Label14"});
    }
    const QStringList working = {"Label24", "Label27", "Label50", "Label9", "Label14"};
    if (button == "Command8") {
        return with("text:", {"Text4", "Text5", "Text6", "Text7", "Text8"}) + with("tip:", working);
    }
    if (button == "Command9") {
        return with("text:", {"Text13", "Text14", "Text16", "Text15", "Text17"}) +
               with("tip:", working);
    }
    if (button == "Command4") return with("text:", {"Label9"}) + with("tip:", {"Label9"});
    if (button == "Command5") return with("text:", {"Label14"}) + with("tip:", {"Label14"});
    QStringList fields;  // Command7
    for (int n = 1; n <= 20; ++n) fields << QString("Text%1").arg(n);
    return with("text:", fields) + with("tip:", working) +
           with("hidden:", {"Command4", "Command5", "Label9", "Label14"});
}

// Typing into a field that 水物性 filled may take the source out of the working.
QSet<QString> typing_may_change(const QString& field) {
    QSet<QString> keys{"text:" + field};
    if (QStringList{"Text4", "Text5", "Text6", "Text7", "Text13", "Text14", "Text15", "Text16"}
            .contains(field)) {
        for (const char* name : {"Label24", "Label27", "Label50", "Label9", "Label14"}) {
            keys << QString("tip:") + name;
        }
    }
    return keys;
}

QSet<QString> changed(const probe::WindowState& before, const probe::WindowState& after) {
    QSet<QString> keys;
    for (auto it = after.texts.begin(); it != after.texts.end(); ++it) {
        if (before.texts.value(it.key()) != it.value()) keys << "text:" + it.key();
    }
    for (auto it = after.tooltips.begin(); it != after.tooltips.end(); ++it) {
        if (before.tooltips.value(it.key()) != it.value()) keys << "tip:" + it.key();
    }
    for (auto it = after.hidden.begin(); it != after.hidden.end(); ++it) {
        if (before.hidden.value(it.key()) != it.value()) keys << "hidden:" + it.key();
    }
    return keys;
}

// A text the way it arrives: short ASCII as keys, anything else as one input-method commit.
void enter(QLineEdit& field, const QString& text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    bool keys = text.size() <= 40;
    for (const QChar c : text) keys = keys && c.unicode() >= 0x20 && c.unicode() < 0x7f;
    if (keys) {
        QTest::keyClicks(&field, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(&field, &commit);
    }
}

}  // namespace

// The offscreen platform says so for every message box; the test has nothing to learn from it.
QtMessageHandler qt_test_handler = nullptr;
void quiet_handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains("propagateSizeHints")) qt_test_handler(type, context, message);
}

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { qt_test_handler = qInstallMessageHandler(quiet_handler); }

    void random_steps_keep_the_window_whole() {
        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        probe::fill_example(form);
        QRandomGenerator random(seed);
        int clicks = 0, messages = 0;
        QMap<QString, int> clicked;

        for (int step = 0; step < steps; ++step) {
            const probe::WindowState before = probe::snapshot(form);
            QString what;
            if (random.bounded(2) == 0) {
                const QString name = QString("Text%1").arg(random.bounded(1, 21));
                // Temperatures often take the hidden-mode code, so that both sides' modes open.
                const bool temperature =
                    QStringList{"Text1", "Text2", "Text19", "Text20"}.contains(name);
                QString text = hostile[random.bounded(int(hostile.size()))];
                if (random.bounded(2) && probe::example_texts().contains(name)) {
                    text = probe::example_texts().value(name);
                }
                if (temperature && random.bounded(2) == 0) text = "381924";
                enter(*probe::field(form, name), text);
                what = "type into " + name;
                const QSet<QString> keys = changed(before, probe::snapshot(form));
                QVERIFY2((keys - typing_may_change(name)).isEmpty(), qPrintable(what));
            } else {
                QStringList shown;
                for (const char* name : {"Command1", "Command3", "Command4", "Command5", "Command6",
                                         "Command7", "Command8", "Command9"}) {
                    if (!probe::button(form, name)->isHidden()) shown << name;
                }
                QString name = shown[random.bounded(int(shown.size()))];
                if (name == "Command7" && random.bounded(4)) name = "Command3";  // 清空 rarely
                what = "click " + name;
                int said = 0;
                QTimer::singleShot(0, &form, [&said] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        ++said;
                        box->done(QMessageBox::Ok);
                    }
                });
                probe::click(form, name);
                QCoreApplication::processEvents();  // the answer, if no message came
                ++clicks;
                ++clicked[name];
                messages += said;
                const probe::WindowState after = probe::snapshot(form);
                if (said) {
                    QVERIFY2(after == before, qPrintable(what + " raised a message and changed"));
                } else {
                    const QSet<QString> stray = changed(before, after) - outputs(name);
                    QVERIFY2(stray.isEmpty(),
                             qPrintable(what + " wrote " + QStringList(stray.values()).join(' ')));
                }
            }
            for (const QLabel* label : form.findChildren<QLabel*>()) {
                for (const QString& shown : {label->text(), label->toolTip()}) {
                    QVERIFY2(!shown.contains("nan", Qt::CaseInsensitive) &&
                                 !shown.contains("inf", Qt::CaseInsensitive),
                             qPrintable(QString("step %1 (%2): %3 reads %4")
                                            .arg(step)
                                            .arg(what, label->objectName(), shown)));
                }
            }
        }
        qInfo("%d steps, %d clicks, %d messages, %d clicks in hidden mode, %d on 水物性", steps,
              clicks, messages, clicked["Command4"] + clicked["Command5"],
              clicked["Command8"] + clicked["Command9"]);
        QVERIFY(clicks > steps / 3 && messages > 0 && messages < clicks);
        QVERIFY(clicked["Command4"] > 0 && clicked["Command5"] > 0);
        QVERIFY(clicked["Command8"] > 0 && clicked["Command9"] > 0);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
