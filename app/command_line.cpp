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

CommandLine parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "管壳式换热器换热面积计算：打开计算文件，或不开窗口输出计算过程与计算书。");
    const QCommandLineOption help({"h", "help"}, "显示本帮助并退出。");
    const QCommandLineOption version({"v", "version"}, "显示版本并退出。");
    const QCommandLineOption text(
        "text", "不开窗口，计算 CASE 并把计算过程（复制计算过程的文本）写到标准输出。");
    const QCommandLineOption pdf("pdf", "不开窗口，计算 CASE 并把计算书写到 OUT.pdf。", "OUT.pdf");
    parser.addOptions({help, version, text, pdf});
    parser.addPositionalArgument("CASE", "要打开的计算文件（*.hxcase）。", "[CASE]");

    CommandLine line;
    const auto wrong = [&line](const QString& why) {
        line.exit_code = 2;
        line.error = why;
        print(stderr,
              QCoreApplication::applicationName() + "：" + why + "\n用 --help 查看用法。\n");
        return line;
    };
    if (!parser.parse(arguments)) return wrong(parser.errorText());
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
    if (cases.size() > 1) return wrong("只能给出一个计算文件。");
    line.case_path = cases.value(0);
    if (parser.isSet(text) && parser.isSet(pdf)) return wrong("--text 与 --pdf 只能选一个。");
    if (parser.isSet(text)) line.mode = CommandLine::Mode::Text;
    if (parser.isSet(pdf)) {
        line.mode = CommandLine::Mode::Pdf;
        line.pdf_path = parser.value(pdf);
    }
    if (line.mode != CommandLine::Mode::Window && line.case_path.isEmpty()) {
        return wrong("--text 和 --pdf 需要一个计算文件 CASE。");
    }
    return line;
}

}  // namespace app
