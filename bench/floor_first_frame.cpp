// The least a window of the program's kind can cost: the same controls with the same captions,
// fonts and geometry, read from the layout table, as stock Qt widgets (QLabel with word wrap,
// QLineEdit, QPushButton, QGroupBox) under the same menu bar, over the same status bar (a
// QLabel in a QStatusBar), with the installed substitutes of the two typefaces named directly;
// ended after its first frame. None of the program's own building, binding, accessibility or
// fitting of captions.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <cmath>
#include <map>

#include "first_frame.hpp"
#include "window/layout_table.hpp"

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

int px(int twips) {
    return int(std::lround(twips / 15.0));
}

QFont typeface(const window::FontChoice& choice) {
    QFont font(choice.face == window::Typeface::KaiTi ? "AR PL UKai CN" : "AR PL UMing CN");
    font.setPixelSize(int(std::lround(choice.points * 96.0 / 72.0)));
    return font;
}

void add_menus(QMenuBar& bar) {
    QMenu* file = bar.addMenu("文件(&F)");
    file->addAction("新建(&N)")->setShortcut(QKeySequence::New);
    file->addAction("打开(&O)…")->setShortcut(QKeySequence::Open);
    file->addMenu("最近打开的文件(&R)")->addAction("清除列表(&C)");
    file->addAction("保存(&S)")->setShortcut(QKeySequence::Save);
    file->addAction("另存为(&A)…")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    file->addAction("计算书信息(&I)…");
    file->addAction("导出计算书 PDF(&E)…")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    file->addAction("打印计算书(&P)…")->setShortcut(QKeySequence::Print);
    file->addSeparator();
    file->addAction("退出(&X)")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* edit = bar.addMenu("编辑(&E)");
    edit->addAction("撤销(&U)")->setShortcut(QKeySequence::Undo);
    edit->addAction("重做(&R)")->setShortcut(QKeySequence::Redo);
    edit->addSeparator();
    edit->addAction("复制计算过程(&C)")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* working = bar.addMenu("视图(&V)")->addAction("计算过程(&W)");
    working->setCheckable(true);
    working->setShortcut(Qt::Key_F9);
    bar.addMenu("帮助(&H)")->addAction("关于(&A)…");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(text(window::form_layout().title));
    add_menus(*window.menuBar());
    window.statusBar()->setSizeGripEnabled(false);
    window.statusBar()->addWidget(new QLabel(window.statusBar()), 1);
    auto* form = new QWidget(&window);
    form->setFixedSize(px(window::form_layout().client_width),
                       px(window::form_layout().client_height));
    window.setCentralWidget(form);

    std::map<std::string_view, QWidget*> parents{{window::form_layout().name, form}};
    for (const window::ControlRow& row : window::layout_table()) {
        QWidget* parent = parents.at(row.parent);
        QWidget* control = nullptr;
        switch (row.kind) {
            case window::ControlKind::GroupBox:
                control = new QGroupBox(text(row.caption), parent);
                break;
            case window::ControlKind::Label: {
                auto* label = new QLabel(text(row.caption), parent);
                label->setWordWrap(true);
                control = label;
                break;
            }
            case window::ControlKind::TextField:
                control = new QLineEdit(parent);
                break;
            case window::ControlKind::Button:
                control = new QPushButton(text(row.caption), parent);
                break;
        }
        control->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
        control->setFont(typeface(row.font));
        control->setVisible(row.visible);
        parents[row.name] = control;
    }
    bench::end_after_first_frame(window);
    window.show();
    return application.exec();
}
