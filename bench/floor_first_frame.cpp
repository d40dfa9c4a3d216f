// The least any window of the program's kind can cost: the same size, one label in each of
// its two Chinese typefaces (the installed substitutes, named directly), ended after its
// first frame.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_frame.hpp"

namespace {

QFont typeface(const char* family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("管壳式换热器换热面积计算");
    window.setFixedSize(944, 537);
    QLabel song("进口温度:", &window);
    song.setFont(typeface("AR PL UMing CN", 12));
    song.setGeometry(24, 32, 57, 17);
    QLabel kai("注意事项：", &window);
    kai.setFont(typeface("AR PL UKai CN", 14));
    kai.setGeometry(480, 370, 120, 20);
    bench::end_after_first_frame(window);
    window.show();
    return application.exec();
}
