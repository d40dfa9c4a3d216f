#include "window/fault_report.hpp"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QStringList>

#include "casefile/case_file.hpp"
#include "casefile/case_json.hpp"
#include "report/condensing_text.hpp"
#include "report/number_text.hpp"
#include "report/summary.hpp"
#include "window/field_read.hpp"
#include "window/layout_table.hpp"
#include "window/qt_text.hpp"
#include "window/unit_words.hpp"

namespace window {
namespace {

using calc::FaultKind;
using calc::Quantity;
using calc::Side;

QString kind_words(FaultKind kind) {
    switch (kind) {
        case FaultKind::InvalidOperation:
            return "无效运算";
        case FaultKind::DivisionByZero:
            return "除数为零";
        case FaultKind::Overflow:
            return "数值溢出";
        case FaultKind::InvalidArgument:
            return "无效参数";
        case FaultKind::Empty:
            return "内容为空";
        case FaultKind::NotANumber:
            return "不是有效的数字";
        case FaultKind::WrongUnit:
            return "单位不符";
    }
    return "计算错误";
}

QString quantity_words(Quantity quantity) {
    switch (quantity) {
        case Quantity::None:
            return {};
        case Quantity::PrandtlNumber:
            return "普朗特数 Pr = μ·cp/λ";
        case Quantity::ReynoldsNumber:
            return "雷诺数 Re = d·ρ·u/μ";
        case Quantity::FilmCoefficient:
            return "对流传热系数 α = C·λ·Re^m·Pr^n/d";
        case Quantity::OverallCoefficient:
            return "总传热系数 K = 0.85·αt·αs/(αt + αs)";
        case Quantity::HeatDuty:
            return "传递热量 Q = W·cp·(t2 − t1)";
        case Quantity::EndDifference1:
            return "端部温差 ΔT1 = T1 − t2";
        case Quantity::EndDifference2:
            return "端部温差 ΔT2 = T2 − t1";
        case Quantity::MeanTemperatureDifference:
            return "对数平均温差 Δtm = (ΔT1 − ΔT2)/ln(ΔT1/ΔT2)";
        case Quantity::Area:
            return "换热面积 A = Q/(0.89·K·Δtm)";
        case Quantity::MeanTemperature:
            return "平均温度";
    }
    return {};
}

QString side_words(Side side) {
    switch (side) {
        case Side::Tube:
            return "管内流体 ";
        case Side::Shell:
            return "管外流体 ";
        case Side::None:
            return {};
    }
    return {};
}

// The fields of one side, by quantity.
struct SideFields {
    const char *conductivity, *density, *specific_heat, *viscosity, *velocity, *diameter;
    const char *inlet, *outlet;
};
constexpr SideFields tube_fields{"Text4", "Text5",  "Text6", "Text7",
                                 "Text9", "Text10", "Text1", "Text2"};
constexpr SideFields shell_fields{"Text13", "Text14", "Text16", "Text15",
                                  "Text12", "Text11", "Text20", "Text19"};
constexpr const char* tube_flow = "Text3";

// The fields a fault at this step comes from, the likeliest first.
QStringList fields_to_check(const calc::Fault& fault) {
    const SideFields& s = fault.side() == Side::Shell ? shell_fields : tube_fields;
    const SideFields& t = tube_fields;
    const SideFields& h = shell_fields;
    const bool by_zero = fault.kind() == FaultKind::DivisionByZero;
    switch (fault.quantity()) {
        case Quantity::None:
            return {};
        case Quantity::PrandtlNumber:
            if (by_zero) return {s.conductivity};
            return {s.conductivity, s.viscosity, s.specific_heat};
        case Quantity::ReynoldsNumber:
            if (by_zero) return {s.viscosity};
            return {s.velocity, s.diameter, s.density, s.viscosity};
        case Quantity::FilmCoefficient:
            if (fault.kind() != FaultKind::Overflow) return {s.diameter};
            return {s.conductivity, s.density,  s.specific_heat,
                    s.viscosity,    s.velocity, s.diameter};
        case Quantity::OverallCoefficient:
            return {t.velocity, h.velocity};
        case Quantity::HeatDuty:
            return {tube_flow, t.specific_heat, t.inlet, t.outlet};
        case Quantity::EndDifference1:
            return {h.inlet, t.outlet};
        case Quantity::EndDifference2:
            return {h.outlet, t.inlet};
        case Quantity::MeanTemperatureDifference:
            if (by_zero) return {h.outlet, t.inlet};  // ΔT2 = 0
            return {t.inlet, t.outlet, h.inlet, h.outlet};
        case Quantity::Area:
            return {t.inlet, t.outlet, h.inlet, h.outlet};
        case Quantity::MeanTemperature:
            return {s.inlet, s.outlet};
    }
    return {};
}

// What the user most likely typed to get here, where one reason stands out.
QString likely_cause(const calc::Fault& fault) {
    switch (fault.quantity()) {
        case Quantity::MeanTemperatureDifference:
            if (fault.kind() == FaultKind::DivisionByZero) return "管外出口温度等于管内进口温度。";
            if (fault.kind() == FaultKind::InvalidArgument)
                return "两端温差一正一负（温度交叉）或 ΔT1 为零，无法取对数。";
            break;
        case Quantity::Area:
            if (fault.kind() != FaultKind::Overflow) return "两端温差均为零，对数平均温差为零。";
            break;
        case Quantity::OverallCoefficient:
            if (fault.kind() != FaultKind::Overflow) return "两侧对流传热系数之和为零。";
            break;
        case Quantity::FilmCoefficient:
            if (fault.kind() == FaultKind::InvalidArgument) {
                return "传热膜系数不为正：管道直径或物性中有负数。";
            }
            break;
        case Quantity::PrandtlNumber:
        case Quantity::ReynoldsNumber:
            if (fault.kind() == FaultKind::InvalidArgument) return "负数不能取非整数次幂。";
            break;
        default:
            break;
    }
    return {};
}

QString quoted(const QString& text) {
    constexpr qsizetype longest = 40;
    return "“" + (text.size() > longest ? text.left(longest) + "…" : text) + "”";
}

QString field_caption(const QWidget& form, const QString& name) {
    const auto* field = form.findChild<QLineEdit*>(name);
    return field ? field->accessibleName() : name;
}

FaultMessage describe_field_fault(const FieldFault& fault, const QWidget& form) {
    FaultMessage message;
    message.title = "输入有误";
    message.field = form.findChild<QLineEdit*>(fault.field_name());
    const QString where = "「" + field_caption(form, fault.field_name()) + "」";
    switch (fault.kind()) {
        case FaultKind::Empty:
            message.text = where + "为空。\n请输入一个数字。";
            break;
        case FaultKind::Overflow:
            message.text = where + "中的" + quoted(fault.text()) +
                           "超出了可计算的范围。\n请输入一个较小的数字。";
            break;
        case FaultKind::WrongUnit: {
            const calc::UnitQuantity quantity =
                field_unit(fault.field_name().toStdString()).quantity;
            message.text = where + "中的" + quoted(fault.text()) + "，其单位不是此栏的单位。\n" +
                           "此栏可用的单位：" + unit_list(quantity) + "，如 " +
                           unit_example(quantity) + "；只写数字时按 " + si_unit(quantity) + " 计。";
            break;
        }
        default:
            message.text = where + "中的" + quoted(fault.text()) +
                           "不是有效的数字。\n请输入一个数字，例如 20、-3.5 或 2.5e-4。";
            break;
    }
    return message;
}

}  // namespace

FaultMessage describe_fault(const calc::Fault& fault, const QWidget& form) {
    if (const auto* field_fault = dynamic_cast<const FieldFault*>(&fault)) {
        return describe_field_fault(*field_fault, form);
    }
    FaultMessage message;
    message.title = "计算出错";
    message.text = "计算无法完成：" + kind_words(fault.kind()) + "。";
    const QString quantity = quantity_words(fault.quantity());
    if (!quantity.isEmpty()) message.text += "\n出错的量：" + side_words(fault.side()) + quantity;
    const QString cause = likely_cause(fault);
    if (!cause.isEmpty()) message.text += "\n" + cause;
    QStringList captions;
    for (const QString& name : fields_to_check(fault)) captions << field_caption(form, name);
    if (!captions.isEmpty()) message.text += "\n请检查 " + captions.join("、");
    return message;
}

FaultMessage describe_fault(const FillFault& fault, const QWidget& form) {
    FaultMessage message;
    message.title = "输入有误";
    message.field = form.findChild<QLineEdit*>(fault.field_name);
    const QString where = "「" + field_caption(form, fault.field_name) + "」";
    const QString range = report::fluid_range_words(*fault.fluid) + "。";
    switch (fault.reason) {
        case FillFault::Reason::Unreadable:
            message = describe_field_fault(*fault.unreadable, form);
            message.text += "\n" + range;
            break;
        case FillFault::Reason::Missing:
            message.text = where + "为空，进口温度和出口温度也为空。\n请在此输入温度；" + range;
            break;
        case FillFault::Reason::OutOfRange: {
            const QString celsius = report::exact(fault.celsius) + " ℃";
            message.text = fault.from_ends ? where + "为空，进口、出口温度的平均值 " + celsius
                                           : where + "中的 " + celsius;
            message.text += refused_temperature_words(
                {fault.fluid, properties::standard_pressure, fault.fraction}, fault.celsius);
            break;
        }
    }
    return message;
}

// The method's refusals in its own words, the tube outlet to correct where it is to blame.
FaultMessage describe_fault(const design::CondensingFault& fault, const QWidget& form) {
    using Reason = design::CondensingFault::Reason;
    const QString name = QString::fromStdString(fault.name);
    FaultMessage message{"不能作冷凝计算", {}, nullptr};
    switch (fault.reason) {
        case Reason::UnknownVapour:
            message.text = "错误：未知的冷凝蒸气：" + name;
            break;
        case Reason::Uncondensable:
            message.text = "错误：" + name + "的液体物性表达不到其饱和温度，不能作冷凝计算";
            break;
        case Reason::PressureOutOfRange:
            message.text = "错误：" + report::saturation_pressure_words(*fault.vapour);
            break;
        case Reason::NotHeated:
            message.text = "错误：冷凝蒸气加热管程流体，管程出口温度须高于进口温度";
            message.field = form.findChild<QLineEdit*>("Text2");
            break;
        case Reason::AboveSaturation:
            message.text =
                "错误：管程出口温度须低于饱和温度 ts = " + report::summary(fault.value) + " ℃";
            message.field = form.findChild<QLineEdit*>("Text2");
            break;
        case Reason::FilmOutOfRange:
            message.text = "错误：" + name + "冷凝液膜温度 tm = " + report::summary(fault.value) +
                           " ℃ 超出其液体物性的适用范围（" + report::summary(fault.range.low) +
                           "–" + report::summary(fault.range.high) + " ℃）";
            break;
        case Reason::NoConvergence:
            message.text = "错误：壁温试差不收敛";
            break;
    }
    return message;
}

// Why a file was not written, in words; the system's own words follow them.
QString write_failure_words(QFileDevice::FileError error) {
    switch (error) {
        case QFileDevice::OpenError:
            return "无法在此处建立文件：文件夹不存在，或不能写入";
        case QFileDevice::PermissionsError:
            return "没有写入权限";
        case QFileDevice::WriteError:
            return "写入时出错，磁盘可能已满";
        case QFileDevice::ResourceError:
            return "磁盘空间或系统资源不足";
        case QFileDevice::RenameError:
            return "不能以此名称保存：可能已有同名的文件夹，或文件正被占用";
        default:
            return "无法写入文件";
    }
}

FaultMessage describe_fault(const SaveFault& fault) {
    FaultMessage message;
    message.title = "保存失败";
    const bool sheet = fault.document == SaveFault::Document::Sheet;
    message.text = QString(sheet ? "计算书" : "计算文件") + "未能保存到：\n" +
                   QDir::toNativeSeparators(fault.path) + "\n原因：" +
                   write_failure_words(fault.failure.error);
    if (!fault.failure.detail.isEmpty()) message.text += "（" + fault.failure.detail + "）";
    message.text += "。\n已有的文件未被改动。";
    if (!sheet) message.text += "修改尚未保存。";
    return message;
}

FaultMessage describe_fault(const casefile::CaseFault& fault) {
    using Kind = casefile::CaseFault::Kind;
    FaultMessage message;
    message.title = "无法打开";
    QString why;
    switch (fault.kind) {
        case Kind::NotFound:
            why = "文件不存在。";
            break;
        case Kind::Unreadable:
            why = "文件无法读取" +
                  (fault.detail.isEmpty() ? QString() : "（" + fault.detail + "）") + "。";
            break;
        case Kind::TooLarge:
            why = QString("文件有 %1 字节，超过计算文件的上限 %2 字节，未读取。")
                      .arg(fault.size)
                      .arg(casefile::max_file_bytes);
            break;
        case Kind::NotJson:
            why = QString("文件不是有效的 JSON：第 %1 行第 %2 列，%3。")
                      .arg(fault.line)
                      .arg(fault.column)
                      .arg(fault.detail);
            break;
        case Kind::NotCase:
            why = "这不是换热器计算文件（缺少 \"format\": \"" + qt(casefile::format_id) + "\"）。";
            break;
        case Kind::NewerVersion:
            why =
                QString("文件格式为第 %1 版，由较新的程序保存；本程序只认识第 %2 版，请升级程序。")
                    .arg(fault.version)
                    .arg(casefile::format_version);
            break;
        case Kind::WrongType: {
            const char* expected[] = {"文本", "对象", "数字", "正整数"};
            why = "“" + fault.key + "”的值类型不对，应为" + expected[int(fault.expected)] + "。";
            break;
        }
        case Kind::TooLong:
            why = QString("“%1”的文本有 %2 个字符，超过一个输入框能容纳的 %3 个。")
                      .arg(fault.key)
                      .arg(fault.size)
                      .arg(casefile::max_text_length);
            break;
    }
    message.text = "无法打开计算文件：\n" + QDir::toNativeSeparators(fault.path) + "\n" + why +
                   "\n窗口中的内容保持不变。";
    return message;
}

void show_fault(QWidget& form, const FaultMessage& message) {
    QMessageBox box(QMessageBox::Warning, message.title, message.text, QMessageBox::Ok, &form);
    box.setTextFormat(Qt::PlainText);  // the text may quote what the user typed
    box.exec();
    if (message.field) {
        form.activateWindow();
        message.field->setFocus(Qt::OtherFocusReason);
        message.field->selectAll();
    }
}

void report_fault(QWidget& form, const SaveFault& fault) {
    show_fault(form, describe_fault(fault));
}

void report_fault(QWidget& form, const casefile::CaseFault& fault) {
    show_fault(form, describe_fault(fault));
}

}  // namespace window
