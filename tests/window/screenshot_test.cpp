// A real window on an X server, the worked example computed, grabbed to a PNG file; run at
// each QT_SCALE_FACTOR the tests name. Every caption and result must fit its label there.
#include <QApplication>
#include <QDockWidget>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "properties/fluid_table.hpp"
#include "window/caption_label.hpp"
#include "window/fluid_chooser.hpp"
#include "window/fonts.hpp"
#include "window_probe.hpp"

namespace {

double scale_factor() {
    bool ok = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

QString picture_path(double scale, const QString& shows = {}) {
    const QString path = QString(SCREENSHOT_PATH).chopped(4) + shows;
    if (scale == 1.0) return path + ".png";
    return path + QString("-scale%1.png").arg(scale);
}

// Why a label's text would not show whole, or empty if it does. The notes wrap by design
// and must keep to their six lines; every other label shows one line.
QString cut_off(const QLabel& label) {
    if (label.objectName() == "Label25") {
        const QStringList lines = window::caption_lines(label.text(), label.font(), label.width());
        if (lines.size() == 6 && 6 * label.font().pixelSize() <= label.height()) return {};
        return QString("%1 lines of the notes").arg(lines.size());
    }
    const double needed = QFontMetricsF(label.font(), &label).horizontalAdvance(label.text());
    if (needed <= label.width()) return {};
    return QString("“%1” needs %2 px, has %3").arg(label.text()).arg(needed).arg(label.width());
}

// Every line of a button's caption within its face, less the margin a style keeps.
QString cut_off(const QPushButton& button) {
    const QFontMetricsF metrics(button.font(), &button);
    for (const QString& line : button.text().split('\n')) {
        const double needed = metrics.horizontalAdvance(line);
        if (needed > button.width() - 8) {
            return QString("“%1” needs %2 px, has %3")
                .arg(line)
                .arg(needed)
                .arg(button.width() - 8);
        }
    }
    return {};
}

}  // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(settings_.isValid());
        qputenv("XDG_CONFIG_HOME", settings_.path().toUtf8());  // each run opens as the first
    }

    void window_as_the_user_sees_it() {
        const double scale = scale_factor();

        window::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        probe::fill_example(form);
        probe::open_hidden_mode(form, probe::Side::Tube);
        probe::fill_example(form);
        probe::click(form, "Command4");
        probe::click(form, "Command6");
        probe::click(form, "Command1");
        QTest::qWait(200);

        const QPixmap picture = form.screen()->grabWindow(form.winId());
        QVERIFY(picture.save(picture_path(scale)));
        // The form keeps its size; the window adds the menu bar above it and the status below.
        const int height = 537 + form.menuBar()->height() + form.statusBar()->height();
        QCOMPARE(form.centralWidget()->size(), QSize(944, 537));
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(944, height));
        QCOMPARE(picture.size(), QSize(qRound(944 * scale), qRound(height * scale)));
        QCOMPARE(probe::label(form, "Label24")->text(), QString("2006.831"));

        for (const QLabel* label : form.findChildren<QLabel*>()) {
            const QString why = cut_off(*label);
            QVERIFY2(why.isEmpty(), qPrintable(label->objectName() + " is cut off: " + why));
        }
        for (const QPushButton* button : form.findChildren<QPushButton*>()) {
            const QString why = cut_off(*button);
            QVERIFY2(why.isEmpty(), qPrintable(button->objectName() + " is cut off: " + why));
        }
        // Each fluid's name on the chooser's button, the longest a solution's.
        QPushButton* chooser = probe::button(form, "Command10");
        for (const properties::Fluid& fluid : properties::fluid_table()) {
            chooser->setText(window::chooser_caption(fluid));
            const QString why = cut_off(*chooser);
            QVERIFY2(why.isEmpty(), qPrintable("Command10 is cut off: " + why));
        }

        const QString song = QFontInfo(probe::label(form, "Label24")->font()).family();
        const QString kai = QFontInfo(probe::label(form, "Label25")->font()).family();
        QVERIFY2(window::font_families(window::Typeface::SongTi).contains(song), qPrintable(song));
        QVERIFY2(window::font_families(window::Typeface::KaiTi).contains(kai), qPrintable(kai));

        // 计算过程 docks beside the form where the screen has room (2560 px at scale 1 and 1.5)
        // and floats within it where not (1280 at 2); the form stays where it was.
        auto* panel = form.findChild<QDockWidget*>("working_panel");
        panel->show();
        QTest::qWait(200);
        QCOMPARE(form.centralWidget()->geometry(), QRect(0, form.menuBar()->height(), 944, 537));
        if (scale < 2) {
            QVERIFY(!panel->isFloating());
            QVERIFY(panel->geometry().left() >= 944);
            QCOMPARE(form.width(), panel->geometry().right() + 1);
        } else {
            QVERIFY(panel->isFloating());
            QVERIFY(form.screen()->availableGeometry().contains(panel->frameGeometry()));
        }
        const QPixmap beside = form.screen()->grabWindow(form.winId());
        QVERIFY(beside.save(picture_path(scale, "-panel")));
    }

  private:
    QTemporaryDir settings_;
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
