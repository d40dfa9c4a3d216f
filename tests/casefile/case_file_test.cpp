// The case file's format read and written without a window: what opens, what is refused and
// why, and that what is written reads back the same.
#include "casefile/case_file.hpp"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "casefile/case_json.hpp"

namespace {

using casefile::Case;
using casefile::CaseFault;
using Kind = CaseFault::Kind;

const QByteArray head = R"({"format": "heat-exchanger-sizing-case", "version": 1)";

QByteArray with(const QByteArray& members) {
    return head + members + "}";
}

CaseFault fault_of(const QByteArray& bytes) {
    try {
        casefile::from_json(bytes);
    } catch (const CaseFault& fault) {
        return fault;
    }
    ADD_FAILURE() << "opened: " << bytes.left(80).toStdString();
    return CaseFault(Kind::NotCase);
}

Case hostile_case() {
    Case c;
    const QStringList texts = {
        " 20 ",       "２０ ℃",      "381924",     QString(1000, QChar(u'管')),
        "\"quoted\"", "back\\slash", "two\nlines", "tab\there",
        "",           "0.801 mPa·s"};
    int i = 0;
    for (const casefile::FieldKey& field : casefile::field_keys()) {
        c.fields[field.name] = texts[i++ % texts.size()];
    }
    c.sheet = {"工程\n一", "E-101/A", "张三", "李四"};
    c.tube_fill = casefile::FillRecord{30.0, {"0.61", "995.6", "4180", "0.0008"}, {}, {}};
    return c;
}

}  // namespace

TEST(CaseFile, WhatIsWrittenReadsBackTheSame) {
    const Case c = hostile_case();
    const QByteArray bytes =
        casefile::to_json(c, casefile::Results{"2006.831", "2.0859118", "166960"});
    EXPECT_TRUE(bytes.endsWith("}\n"));
    EXPECT_TRUE(bytes.contains("\n    \"format\": \"heat-exchanger-sizing-case\""));  // indented
    EXPECT_TRUE(bytes.contains("\"A\": \"2.0859118\""));
    EXPECT_EQ(casefile::from_json(bytes), c);  // the results are never read back
}

// Older and newer files open: a key missing is an empty field, an unknown one is ignored; a
// number stands for the shortest text that reads as it.
TEST(CaseFile, MissingUnknownAndNumbers) {
    const Case c = casefile::from_json(with(R"(, "tube": {"viscosity": 0.000801, "mass_flow": 2,
        "colour": "blue"}, "pump": {"head": 12}, "results": "anything")"));
    EXPECT_EQ(c.fields.size(), 20);
    EXPECT_EQ(c.fields["Text7"], "0.000801");
    EXPECT_EQ(c.fields["Text3"], "2");
    EXPECT_EQ(c.fields["Text20"], "");
    EXPECT_EQ(c.sheet, casefile::SheetInfo{});
    EXPECT_FALSE(c.tube_fill);
}

// A layout choice makes the file one 1.5.0 refuses; without one, 1.4.0 reads it as before.
TEST(CaseFile, LayoutChoicesAndTheVersion) {
    Case c = hostile_case();
    EXPECT_TRUE(casefile::to_json(c).contains("\"version\": 1,"));
    EXPECT_FALSE(casefile::to_json(c).contains("layout"));
    c.layout[2] = "30 mm";
    c.layout[1] = "正方形";
    const QByteArray bytes = casefile::to_json(c);
    EXPECT_TRUE(bytes.contains("\"version\": 3,"));
    EXPECT_TRUE(bytes.contains("\"pitch\": \"30 mm\""));
    EXPECT_FALSE(bytes.contains("tube_length"));  // empty: the default, left out
    EXPECT_EQ(casefile::from_json(bytes), c);
    const Case numbers =
        casefile::from_json(with(R"(, "layout": {"shell_diameter": 400, "roughness": ""})"));
    EXPECT_EQ(numbers.layout[3], "400");
    EXPECT_EQ(numbers.layout[5], "");
    // A choice of the rating's makes it one 1.6.0, which would drop it, refuses.
    c.layout[13] = "45";
    c.layout[10] = "河水";
    const QByteArray rated = casefile::to_json(c);
    EXPECT_TRUE(rated.contains("\"version\": 4,"));
    EXPECT_TRUE(rated.contains("\"tube_fouling\": \"河水\""));
    EXPECT_TRUE(rated.contains("\"wall_conductivity\": \"45\""));
    EXPECT_EQ(casefile::from_json(rated), c);
    // A choice of the search's makes it one 1.7.0 refuses.
    c.design[4] = "2, 3";
    const QByteArray searched = casefile::to_json(c);
    EXPECT_TRUE(searched.contains("\"version\": 5,"));
    EXPECT_TRUE(searched.contains("\"lengths\": \"2, 3\""));
    EXPECT_EQ(casefile::from_json(searched), c);
    // A solution's fill by its concentration makes it one 1.7.0, which would drop it, refuses.
    c.shell_fill = casefile::FillRecord{
        -2.5, {"0.44", "1046", "3642", "0.0052"}, "ethylene glycol - water", {}, 0.3};
    const QByteArray solution = casefile::to_json(c);
    EXPECT_TRUE(solution.contains("\"version\": 6,"));
    EXPECT_TRUE(solution.contains("\"concentration\": 0.3"));
    EXPECT_EQ(casefile::from_json(solution), c);
    // A condensing shell makes it one 1.8.0, which would take the shell for a typed liquid,
    // refuses; its pressure is kept as typed, under the shell.
    c.condensing = casefile::CondensingRecord{"水", "0.2 MPa"};
    const QByteArray condensing = casefile::to_json(c);
    EXPECT_TRUE(condensing.contains("\"version\": 7,"));
    EXPECT_TRUE(condensing.contains("\"pressure\": \"0.2 MPa\""));
    EXPECT_EQ(casefile::from_json(condensing), c);
    EXPECT_EQ(casefile::from_json(with(R"(, "shell": {"condensing": {"fluid": "苯", "pressure":
        101.325}})"))
                  .condensing,
              (casefile::CondensingRecord{"苯", "101.325"}));
    // Shells in series, of the layout or the search, make it one 1.9.0, which would lay out
    // and search one shell, refuses.
    for (const bool searched_shells : {false, true}) {
        Case series = c;
        (searched_shells ? series.design[5] : series.layout[14]) = searched_shells ? "1–2" : "3";
        const QByteArray bytes = casefile::to_json(series);
        EXPECT_TRUE(bytes.contains("\"version\": 8,"));
        EXPECT_TRUE(bytes.contains(searched_shells ? "\"shells\": \"1–2\"" : "\"shells\": \"3\""));
        EXPECT_EQ(casefile::from_json(bytes), series);
    }
    // An operation off the design point makes it version 9, which a reader of 8 refuses; its
    // texts are kept as typed, an empty one left out.
    c.operation = casefile::OperationTexts{"15", "", "", "", "tube_flow", "1", "3", "11"};
    const QByteArray operated = casefile::to_json(c);
    EXPECT_TRUE(operated.contains("\"version\": 9,"));
    EXPECT_TRUE(operated.contains("\"tube_inlet\": \"15\""));
    EXPECT_FALSE(operated.contains("tube_flow\": \"\""));
    EXPECT_EQ(casefile::from_json(operated), c);
}

TEST(CaseFile, RefusalsSayWhatAndWhere) {
    struct Row {
        const char* what;
        QByteArray bytes;
        Kind kind;
        QString key = {};
    };
    QByteArray deep = head + ", \"tube\": " + QByteArray(10000, '[') + QByteArray(10000, ']') + "}";
    const Row rows[] = {
        {"empty", "", Kind::NotJson},
        {"truncated", casefile::to_json(hostile_case()).left(200), Kind::NotJson},
        {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), Kind::NotJson},
        {"invalid UTF-8", with(", \"sheet\": {\"project\": \"\xff\xfe\"}"), Kind::NotJson},
        {"nested 10,000 deep", deep, Kind::NotJson},
        {"an array", "[1, 2]", Kind::NotCase},
        {"wrong format id", R"({"format": "spreadsheet", "version": 1})", Kind::NotCase},
        {"no format", R"({"version": 1})", Kind::NotCase},
        {"version 10", R"({"format": "heat-exchanger-sizing-case", "version": 10})",
         Kind::NewerVersion},
        {"version as text", R"({"format": "heat-exchanger-sizing-case", "version": "1"})",
         Kind::WrongType, "version"},
        {"version 0.5", R"({"format": "heat-exchanger-sizing-case", "version": 0.5})",
         Kind::WrongType, "version"},
        {"a number where an object is", with(R"(, "tube": 5)"), Kind::WrongType, "tube"},
        {"true for a text", with(R"(, "shell": {"density": true})"), Kind::WrongType,
         "shell.density"},
        {"null for a text", with(R"(, "sheet": {"item": null})"), Kind::WrongType, "sheet.item"},
        {"a fill's temperature as text", with(R"(, "water": {"shell": {"temperature": "30"}})"),
         Kind::WrongType, "water.shell.temperature"},
        {"a concentration as text",
         with(R"(, "water": {"tube": {"temperature": 30, "concentration": "30 %"}})"),
         Kind::WrongType, "water.tube.concentration"},
        {"a condensing record as text", with(R"(, "shell": {"condensing": "steam"})"),
         Kind::WrongType, "shell.condensing"},
        {"a condensing pressure as an object",
         with(R"(, "shell": {"condensing": {"fluid": "水", "pressure": {}}})"), Kind::WrongType,
         "shell.condensing.pressure"},
        {"a text longer than a field",
         with(", \"tube\": {\"velocity\": \"" + QByteArray(32768, '1') + "\"}"), Kind::TooLong,
         "tube.velocity"},
    };
    for (const Row& row : rows) {
        const CaseFault fault = fault_of(row.bytes);
        EXPECT_EQ(fault.kind, row.kind) << row.what;
        EXPECT_EQ(fault.key, row.key) << row.what;
    }
    EXPECT_EQ(fault_of(rows[8].bytes).version, 10);
    EXPECT_EQ(fault_of(rows[18].bytes).size, 32768);
}

// Line and column in characters, as an editor counts them: the bad value "nope" starts on
// line 3 at column 8, after the 7 characters (9 bytes in UTF-8) of `  "管": `.
TEST(CaseFile, NotJsonSaysLineAndColumn) {
    const CaseFault fault = fault_of("{\"format\": \"x\",\n \"version\": 1,\n  \"管\": nope}");
    EXPECT_EQ(fault.line, 3);
    EXPECT_GE(fault.column, 8);
    EXPECT_LE(fault.column, 11);  // within it, where the parser stopped; bytes would say 12
    EXPECT_FALSE(fault.detail.isEmpty());
}

TEST(CaseFile, FilesOnDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath("工况 1.hxcase");
    const Case c = hostile_case();
    ASSERT_FALSE(casefile::write_case(path, c));
    EXPECT_EQ(casefile::read_case(path), c);

    // A failed save leaves the old file whole.
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub.hxcase"));
    EXPECT_TRUE(casefile::write_case(dir.filePath("sub.hxcase"), c));
    EXPECT_TRUE(casefile::write_case(dir.filePath("no-folder/a.hxcase"), c));
    EXPECT_EQ(casefile::read_case(path), c);

    const auto kind_at = [](const QString& at) {
        try {
            casefile::read_case(at);
        } catch (const CaseFault& fault) {
            EXPECT_EQ(fault.path, at);
            return fault.kind;
        }
        return Kind::NotCase;
    };
    EXPECT_EQ(kind_at(dir.filePath("gone.hxcase")), Kind::NotFound);
    EXPECT_EQ(kind_at(dir.filePath("sub.hxcase")), Kind::Unreadable);

    // Refused before parsing: two MiB of valid JSON is still too large.
    QFile big(dir.filePath("big.hxcase"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(with(", \"pad\": \"" + QByteArray(qsizetype{2} * 1024 * 1024, 'x') + "\""));
    big.close();
    EXPECT_EQ(kind_at(big.fileName()), Kind::TooLarge);
}
