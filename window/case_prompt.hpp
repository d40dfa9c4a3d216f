// The small dialogs of the case: whether to save changes first, the 计算书's header, the
// About box. What is done with the answers is the window's.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "casefile/case.hpp"

namespace window {

enum class SaveChoice { Save, Discard, Cancel };

// "“E-101.hxcase”中的修改尚未保存……" with 保存 / 不保存 / 取消.
SaveChoice ask_whether_to_save(QWidget& parent, const QString& file_name);

// 工程名称, 设备位号, 计算, 校核; nothing when cancelled.
std::optional<casefile::SheetInfo> ask_sheet_info(QWidget& parent, const casefile::SheetInfo& now);

// Name, version, license and the standards and correlations the numbers come from.
QString about_text();
void show_about(QWidget& parent);

}  // namespace window
