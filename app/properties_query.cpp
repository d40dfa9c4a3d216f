#include "app/properties_query.hpp"

#include <algorithm>
#include <array>

#include "app/console.hpp"
#include "calc/units.hpp"
#include "properties/fluid_search.hpp"
#include "report/condensing_text.hpp"
#include "report/fill_text.hpp"
#include "report/number_text.hpp"
#include "window/fluid_fill.hpp"
#include "window/form_builder.hpp"
#include "window/layout_table.hpp"
#include "window/qt_text.hpp"

namespace app {
namespace {

using window::qt;

// The tube side's λ, ρ, cp and μ fields, whose captions and units the lines borrow.
constexpr std::array<std::string_view, 4> fields = {"Text4", "Text5", "Text6", "Text7"};

QString caption_of(std::string_view name) {
    for (const window::ControlRow& row : window::layout_table()) {
        if (row.name == name) return qt(row.caption);
    }
    return {};
}

// "均导热率" for Text4: its label's caption without the colon.
QString field_caption(std::string_view field) {
    for (const window::ControlRow& row : window::layout_table()) {
        if (row.buddy == field) return window::bare_caption(qt(row.caption));
    }
    return {};
}

// The liquids whose vapours condense, by name: "苯、甲苯、…".
QString vapour_list() {
    QStringList names;
    for (const properties::Vapour& v : properties::vapour_table()) {
        if (!properties::is_steam(v)) names << qt(v.chinese);
    }
    return names.join("、");
}

int refused(const QString& why) {
    print(stderr, why + "\n");
    return 1;
}

QString fluid_names(const properties::Fluid& fluid) {
    return qt(fluid.chinese) + "（" + qt(fluid.english) + "，" + qt(fluid.formula) + "，" +
           qt(fluid.cas) + "）";
}

// A temperature in any unit of temperature, in ℃; none with `why` where it does not read.
std::optional<double> read_temperature(const QString& text, QString* why) {
    try {
        return calc::to_number(text.toStdString(), calc::UnitQuantity::Temperature);
    } catch (const calc::Fault&) {
        *why = "「温度」中的“" + text + "”不是温度。\n请输入一个温度，如 60 或 333.15 K。";
        return std::nullopt;
    }
}

}  // namespace

int run_properties(const CommandLine& line) {
    const std::vector<const properties::Fluid*> found =
        line.fluid.trimmed().isEmpty() ? std::vector<const properties::Fluid*>{}
                                       : properties::match_fluid(line.fluid.toStdString());
    if (found.empty()) {
        return refused("没有名为“" + line.fluid +
                       "”的流体。\n用 --fluids 查看可选的流体，可按中文名、英文名、分子式或 CAS "
                       "号查找。");
    }
    if (found.size() > 1) {
        QStringList names;
        for (const properties::Fluid* fluid : found) names << fluid_names(*fluid);
        return refused("“" + line.fluid + "”不止一种流体：\n" + names.join("\n") +
                       "\n请写出其中一种的名称或 CAS 号。");
    }
    const properties::Fluid& fluid = *found.front();

    QString why;
    const std::optional<double> celsius = read_temperature(line.temperature, &why);
    if (!celsius) return refused(why);
    // A pressure given is checked whatever the fluid, though only a gas's density uses it.
    window::FluidChoice choice{&fluid};
    if (!line.pressure.isEmpty()) {
        const std::optional<double> pressure = window::read_pressure(line.pressure, &why);
        if (!pressure) return refused(why);
        choice.pressure = *pressure;
    }

    if (fluid.solution) {
        if (!line.concentration) {
            return refused(qt(fluid.chinese) +
                           "是水溶液，须给出浓度：用 --concentration 给出溶质的质量分数，如 "
                           "--concentration 30%。\n" +
                           report::fraction_range_words(fluid) + "。");
        }
        const std::optional<double> fraction =
            window::read_fraction(*line.concentration, fluid, &why);
        if (!fraction) return refused(why);
        choice.fraction = *fraction;
    } else if (line.concentration) {
        return refused(qt(fluid.chinese) +
                       "不是水溶液，没有浓度：--concentration 只用于水溶液（用 --fluids 查看）。");
    }

    window::FluidFill fill;
    try {
        fill = window::fill_at(choice, *celsius);
    } catch (const properties::OutOfRange&) {  // the temperature: the rest was checked
        return refused("温度 " + report::exact(*celsius) + " ℃" +
                       window::refused_temperature_words(choice, *celsius));
    }

    QString out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += field_caption(fields[i]) + " " + fill.texts[i] + " " +
               caption_of(window::field_unit(fields[i]).unit) + "\n";
    }
    const report::Fill source{&fluid, *celsius, choice.pressure, choice.fraction};
    out += "物性：" + report::source_words(source) + "\n";
    for (const QString& caution : report::fill_cautions(source, {})) out += caution + "\n";
    print(stdout, out);
    return 0;
}

int run_saturation(const CommandLine& line) {
    // "水蒸气", "steam" and "蒸汽" name steam; "苯蒸气" benzene's vapour.
    QString name = line.fluid.trimmed();
    for (const char* word : {"水蒸气", "水蒸汽", "蒸汽", "steam", "Steam"}) {
        if (name == word) name = "水";
    }
    for (const QString word : {"蒸气", " vapour", " vapor"}) {
        if (name.endsWith(word)) name.chop(word.size());
    }
    const std::vector<const properties::Fluid*> found =
        name.isEmpty() ? std::vector<const properties::Fluid*>{}
                       : properties::match_fluid(name.toStdString());
    const std::string_view chinese = found.size() == 1 ? found.front()->chinese : "";
    const properties::Vapour* vapour = properties::find_vapour(chinese);
    if (!vapour && std::ranges::find(properties::uncondensable_liquids, chinese) !=
                       properties::uncondensable_liquids.end()) {
        return refused("错误：" + qt(chinese) + "的液体物性表达不到其饱和温度，不能作冷凝计算");
    }
    if (!vapour) {
        return refused("错误：未知的冷凝蒸气：" + line.fluid +
                       "\n可为水（水蒸气）或下列液体的蒸气：" + vapour_list() + "。");
    }
    QString why;
    const std::optional<window::FluidChoice> choice =
        window::condensing_choice(*vapour, line.pressure, &why);
    if (!choice) return refused(why);
    const properties::SaturationState s = properties::saturation_state(*vapour, choice->pressure);
    print(stdout, report::vapour_name(*vapour) + "，ps = " + report::exact(choice->pressure) +
                      " kPa（绝压）\n" + report::state_words(s).replace("，", "\n") + "\n来源：" +
                      report::state_source(*vapour) + "\n");
    return 0;
}

int run_fluid_list() {
    QString out = "名称\t英文名\t分子式\tCAS 号\t适用温度\t状态\n";
    for (const properties::Fluid& fluid : properties::fluid_table()) {
        out += qt(fluid.chinese) + "\t" + qt(fluid.english) + "\t" + qt(fluid.formula) + "\t" +
               qt(fluid.cas) + "\t" + report::range_words(fluid) + " ℃\t" +
               report::kind_words(fluid) + "\n";
    }
    print(stdout, out);
    return 0;
}

}  // namespace app
