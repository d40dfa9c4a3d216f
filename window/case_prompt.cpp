#include "window/case_prompt.hpp"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <array>

namespace window {

SaveChoice ask_whether_to_save(QWidget& parent, const QString& file_name) {
    QMessageBox box(QMessageBox::Warning, "保存修改",
                    "“" + file_name + "”中的修改尚未保存。\n是否先保存？", QMessageBox::NoButton,
                    &parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* save = box.addButton("保存", QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton("不保存", QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton("取消", QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return SaveChoice::Save;
    if (box.clickedButton() == discard) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

std::optional<casefile::SheetInfo> ask_sheet_info(QWidget& parent, const casefile::SheetInfo& now) {
    QDialog dialog(&parent);
    dialog.setWindowTitle("计算书信息");
    auto* form = new QFormLayout(&dialog);
    casefile::SheetInfo sheet = now;
    const std::array<std::pair<const char*, QString*>, 4> rows = {{
        {"工程名称(&P):", &sheet.project},
        {"设备位号(&I):", &sheet.item},
        {"计算(&C):", &sheet.calculated_by},
        {"校核(&K):", &sheet.checked_by},
    }};
    std::array<QLineEdit*, 4> edits{};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        edits[i] = new QLineEdit(*rows[i].second, &dialog);
        edits[i]->setMinimumWidth(280);
        form->addRow(rows[i].first, edits[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText("确定");
    buttons->button(QDialogButtonBox::Cancel)->setText("取消");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    for (std::size_t i = 0; i < rows.size(); ++i) *rows[i].second = edits[i]->text();
    return sheet;
}

QString about_text() {
    return QString(
               "<h3>管壳式换热器换热面积计算 %1</h3>"
               "<p>由管内、管外两种流体的参数计算对流传热系数、总传热系数 K、传递热量 Q "
               "和所需换热面积 A。</p>"
               "<p><b>所用标准与关联式</b></p><ul>"
               "<li>管内对流传热系数：α = 0.023·(λ/d)·Re<sup>0.8</sup>·Pr<sup>0.3</sup></li>"
               "<li>管外对流传热系数：α = 0.32·(λ/d)·Re<sup>0.6</sup>·Pr<sup>0.4</sup></li>"
               "<li>总传热系数 K = 0.85·αt·αs/(αt + αs)，换热面积 A = Q/(0.89·K·Δtm)</li>"
               "<li>单壳程、偶数管程的温差校正系数 F：Bowman–Mueller–Nagle</li>"
               "<li>水物性：IAPWS-IF97（饱和液体，区域 1 与 4），IAPWS R12-08（粘度），"
               "IAPWS R15-11（导热率）</li></ul>"
               "<p>许可证：MIT。本程序使用 Qt（LGPL-3）。</p>")
        .arg(QApplication::applicationVersion());
}

void show_about(QWidget& parent) {
    QMessageBox box(QMessageBox::Information, "关于", about_text(), QMessageBox::Ok, &parent);
    box.setTextFormat(Qt::RichText);
    box.button(QMessageBox::Ok)->setText("确定");
    QPushButton* qt = box.addButton("关于 Qt", QMessageBox::ActionRole);
    box.exec();
    if (box.clickedButton() == qt) QMessageBox::aboutQt(&parent, "关于 Qt");
}

}  // namespace window
