// After start-up the toolkit speaks Chinese too: message buttons and a field's menu.
#include "app/startup.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void toolkit_words_are_chinese() {
        app::prepare(*qApp);

        QMessageBox box(QMessageBox::Warning, "计算出错", "无效运算", QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QString("确定"));

        QLineEdit field;
        field.setText("20");
        const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QStringList words;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator())
                words << action->text().section('(', 0, 0).section('\t', 0, 0);
        }
        // Qt's own translation writes 撤消, the older form of 撤销.
        QCOMPARE(words, QStringList({"撤消", "重做", "剪切", "复制", "粘贴", "删除", "全选"}));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
