#include "app/command_line.hpp"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/console.hpp"

namespace app {

bool wants_no_window(int argc, char** argv) {
    // Qt's own options, which a window may be started with.
    const char* const toolkit[] = {"-platform", "-style",           "-display",
                                   "-geometry", "-qwindowgeometry", "-session",
                                   "-name",     "-title",           "-plugin"};
    int cases = 0;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!std::strcmp(argument, "--")) return cases + (argc - i - 1) > 1;
        if (argument[0] != '-') {
            if (++cases > 1) return true;  // a mistake to explain
            continue;
        }
        if (std::none_of(std::begin(toolkit), std::end(toolkit),
                         [argument](const char* own) { return !std::strcmp(argument, own); })) {
            return true;  // ours: a report, help, version, or a mistake to explain
        }
        ++i;  // the toolkit option's value
    }
    return false;
}

namespace {

// A temperature below zero, "-40", is a value and not an option: moved behind "--", unless an
// option's value. The order of the other arguments is kept.
QStringList negatives_as_values(const QStringList& arguments) {
    QStringList kept, values;
    bool option_value = false;
    bool after_end = false;
    for (const QString& argument : arguments) {
        const bool negative = argument.size() > 1 && argument[0] == '-' &&
                              (argument[1].isDigit() || argument[1] == '.');
        if (!after_end && !option_value && negative) {
            values << argument;
        } else {
            kept << argument;
        }
        after_end = after_end || argument == "--";
        option_value = !after_end && (argument == "--pdf" || argument == "--pressure" ||
                                      argument == "--properties" || argument == "--concentration" ||
                                      argument == "--saturation");
    }
    if (values.isEmpty()) return arguments;
    if (!after_end) kept << "--";
    return kept + values;
}

}  // namespace

CommandLine parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "管壳式换热器换热面积计算：打开计算文件，或不开窗口输出计算过程与计算书。");
    const QCommandLineOption help({"h", "help"}, "显示本帮助并退出。");
    const QCommandLineOption version({"v", "version"}, "显示版本并退出。");
    const QCommandLineOption text(
        "text", "不开窗口，计算 CASE 并把计算过程（复制计算过程的文本）写到标准输出。");
    const QCommandLineOption pdf("pdf", "不开窗口，计算 CASE 并把计算书写到 OUT.pdf。", "OUT.pdf");
    const QCommandLineOption properties(
        "properties",
        "不开窗口，输出流体 FLUID 在温度 T（如 60、333.15 K）下的均导热率、平均密度、平均比热和"
        "动力粘度，与窗口中“物性”填入的相同。FLUID 可为中文名、英文名、分子式或 CAS 号。",
        "FLUID");
    const QCommandLineOption pressure(
        "pressure",
        "与 --properties 同用：气体的绝对压力（如 101.325、0.3 MPa、3 bar），默认 "
        "101.325 kPa；与 --saturation 同用：饱和压力（绝压，必须给出）。",
        "P");
    const QCommandLineOption saturation(
        "saturation",
        "不开窗口，输出蒸气 FLUID（水蒸气或可冷凝的有机物蒸气，如 水、steam、苯）在饱和压力 "
        "--pressure 下的饱和温度 ts、汽化潜热 r、蒸气密度 ρ″ 和蒸气粘度 μ″，与壳程冷凝所用的相同。",
        "FLUID");
    const QCommandLineOption concentration("concentration",
                                           "与 --properties 同用：水溶液中溶质的质量分数（如 "
                                           "30%、30 % 或 0.3；大于 1 的数按百分数）。",
                                           "C");
    const QCommandLineOption fluids("fluids",
                                    "列出可查物性的全部流体及其适用温度，水溶液及其质量分数范围。");
    const QCommandLineOption design(
        "design",
        "不开窗口，计算 CASE 并在标准换热器中搜索核算与两侧压降都合格的最小者（自动设计），"
        "输出最优方案、试算与合格的方案数及前 20 个方案。");
    const QCommandLineOption simulate(
        "simulate",
        "不开窗口，计算 CASE，按其排管与核算的换热器作操作型计算：给定两侧进口温度与流量，"
        "输出两侧出口温度、传热量、ε、NTU、K′ 与两侧压降。未给出的进口与流量取设计值。");
    const std::array<QCommandLineOption, 4> operation{
        QCommandLineOption("tube-inlet", "与 --simulate 同用：管内进口温度（如 15、288.15 K）。",
                           "T"),
        QCommandLineOption("tube-flow", "与 --simulate 同用：管内质量流量（如 1.6、5760 kg/h）。",
                           "W"),
        QCommandLineOption("shell-inlet", "与 --simulate 同用：管外进口温度。", "T"),
        QCommandLineOption("shell-flow", "与 --simulate 同用：管外质量流量。", "W")};
    parser.addOptions({help, version, text, pdf, design, simulate, properties, pressure,
                       concentration, fluids, saturation});
    for (const QCommandLineOption& o : operation) parser.addOption(o);
    parser.addPositionalArgument("CASE", "要打开的计算文件（*.hxcase）。", "[CASE]");
    parser.addPositionalArgument("T", "与 --properties 同用：温度。", "[T]");

    CommandLine line;
    const auto wrong = [&line](const QString& why) {
        line.exit_code = 2;
        line.error = why;
        print(stderr,
              QCoreApplication::applicationName() + "：" + why + "\n用 --help 查看用法。\n");
        return line;
    };
    if (!parser.parse(negatives_as_values(arguments))) return wrong(parser.errorText());
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        line.mode = CommandLine::Mode::Said;
        return line;
    }
    if (parser.isSet(version)) {
        print(stdout, QCoreApplication::applicationName() + " " +
                          QCoreApplication::applicationVersion() + "\n");
        line.mode = CommandLine::Mode::Said;
        return line;
    }
    const QStringList cases = parser.positionalArguments();
    const bool reports =
        parser.isSet(text) || parser.isSet(pdf) || parser.isSet(design) || parser.isSet(simulate);
    for (std::size_t i = 0; i < operation.size(); ++i) {
        if (!parser.isSet(operation[i])) continue;
        if (!parser.isSet(simulate)) {
            return wrong("--" + operation[i].names().front() + " 只能与 --simulate 同用。");
        }
        line.operation[i] = parser.value(operation[i]);
    }
    if (parser.isSet(saturation)) {
        if (reports || parser.isSet(properties) || parser.isSet(fluids) ||
            parser.isSet(concentration) || !cases.isEmpty()) {
            return wrong("--saturation 只与 --pressure 同用。");
        }
        if (!parser.isSet(pressure)) return wrong("--saturation 需要 --pressure 给出饱和压力。");
        line.mode = CommandLine::Mode::Saturation;
        line.fluid = parser.value(saturation);
        line.pressure = parser.value(pressure);
        return line;
    }
    if (parser.isSet(pressure) && !parser.isSet(properties)) {
        return wrong("--pressure 只能与 --properties 或 --saturation 同用。");
    }
    if (parser.isSet(concentration) && !parser.isSet(properties)) {
        return wrong("--concentration 只能与 --properties 同用。");
    }
    if (parser.isSet(fluids)) {
        if (reports || parser.isSet(properties) || !cases.isEmpty()) {
            return wrong("--fluids 不与其他选项或文件同用。");
        }
        line.mode = CommandLine::Mode::Fluids;
        return line;
    }
    if (parser.isSet(properties)) {
        if (reports) return wrong("--properties 不与 --text、--pdf 或 --design 同用。");
        if (cases.size() != 1) return wrong("--properties 需要一种流体 FLUID 和一个温度 T。");
        line.mode = CommandLine::Mode::Properties;
        line.fluid = parser.value(properties);
        line.temperature = cases.front();
        line.pressure = parser.value(pressure);
        if (parser.isSet(concentration)) line.concentration = parser.value(concentration);
        return line;
    }
    if (cases.size() > 1) return wrong("只能给出一个计算文件。");
    line.case_path = cases.value(0);
    if (int(parser.isSet(text)) + int(parser.isSet(pdf)) + int(parser.isSet(design)) +
            int(parser.isSet(simulate)) >
        1) {
        return wrong("--text、--pdf、--design 与 --simulate 只能选一个。");
    }
    if (parser.isSet(text)) line.mode = CommandLine::Mode::Text;
    if (parser.isSet(design)) line.mode = CommandLine::Mode::Design;
    if (parser.isSet(simulate)) line.mode = CommandLine::Mode::Simulate;
    if (parser.isSet(pdf)) {
        line.mode = CommandLine::Mode::Pdf;
        line.pdf_path = parser.value(pdf);
    }
    if (line.mode != CommandLine::Mode::Window && line.case_path.isEmpty()) {
        return wrong("--text、--pdf、--design 和 --simulate 需要一个计算文件 CASE。");
    }
    return line;
}

}  // namespace app
