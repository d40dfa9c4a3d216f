// A real window on an X server, the worked example computed, grabbed to a PNG file.
#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <QTest>

#include "window/fonts.hpp"
#include "window_probe.hpp"

class ScreenshotTest : public QObject {
    Q_OBJECT

  private slots:
    void window_as_the_user_sees_it() {
        const QString path = SCREENSHOT_PATH;

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
        QVERIFY(picture.save(path));
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(944, 537));

        const QString song = QFontInfo(probe::label(form, "Label24")->font()).family();
        const QString kai = QFontInfo(probe::label(form, "Label25")->font()).family();
        QVERIFY2(window::font_families(window::Typeface::SongTi).contains(song), qPrintable(song));
        QVERIFY2(window::font_families(window::Typeface::KaiTi).contains(kai), qPrintable(kai));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
