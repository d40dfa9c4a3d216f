#include "casefile/case_json.hpp"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>

#include "calc/conversion.hpp"
#include "calc/fault.hpp"

namespace casefile {
namespace {

constexpr std::array<const char*, 4> water_keys = {"conductivity", "density", "specific_heat",
                                                   "viscosity"};
constexpr std::array<const char*, 4> sheet_keys = {"project", "item", "calculated_by",
                                                   "checked_by"};

QString qstr(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

CaseFault wrong_type(const QString& key, CaseFault::Expected expected) {
    CaseFault fault(CaseFault::Kind::WrongType);
    fault.key = key;
    fault.expected = expected;
    return fault;
}

// Line and column (from 1, in characters) of a byte offset into UTF-8 text.
std::pair<int, int> place_of(const QByteArray& bytes, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    const QByteArray before = bytes.left(offset);
    const qsizetype line_start = before.lastIndexOf('\n') + 1;
    const int line = int(before.count('\n')) + 1;
    return {line, int(QString::fromUtf8(before.mid(line_start)).size()) + 1};
}

// A text, or a number as the shortest text that reads back to it.
QString text_at(const QJsonObject& object, const char* key, const QString& where) {
    const QJsonValue value = object.value(QLatin1String(key));
    const QString name = where + '.' + QLatin1String(key);
    QString text;
    if (value.isUndefined()) return {};
    if (value.isString()) {
        text = value.toString();
    } else if (value.isDouble()) {
        try {
            text = qstr(calc::to_text(calc::Double(value.toDouble())));
        } catch (const calc::Fault&) {  // JSON has no infinity, but a parser may give one
            throw wrong_type(name, CaseFault::Expected::Text);
        }
    } else {
        throw wrong_type(name, CaseFault::Expected::Text);
    }
    if (text.size() > max_text_length) {
        CaseFault fault(CaseFault::Kind::TooLong);
        fault.key = name;
        fault.size = text.size();
        throw fault;
    }
    return text;
}

// An object under `key`, empty where it is missing.
QJsonObject object_at(const QJsonObject& parent, const char* key, const QString& where) {
    const QJsonValue value = parent.value(QLatin1String(key));
    if (value.isUndefined()) return {};
    if (!value.isObject()) {
        throw wrong_type(where.isEmpty() ? key : where + '.' + key, CaseFault::Expected::Object);
    }
    return value.toObject();
}

std::optional<FillRecord> record_at(const QJsonObject& water, const char* side) {
    const QString where = QString("water.") + side;
    if (!water.contains(QLatin1String(side))) return std::nullopt;
    const QJsonObject fill = object_at(water, side, "water");
    const QJsonValue celsius = fill.value("temperature");
    if (!celsius.isDouble() || !std::isfinite(celsius.toDouble())) {
        throw wrong_type(where + ".temperature", CaseFault::Expected::Number);
    }
    FillRecord record{celsius.toDouble(), {}, text_at(fill, "fluid", where), std::nullopt};
    for (std::size_t i = 0; i < water_keys.size(); ++i) {
        record.texts[i] = text_at(fill, water_keys[i], where);
    }
    const auto number_at = [&](const char* key) -> std::optional<double> {
        const QJsonValue value = fill.value(key);
        if (value.isUndefined()) return std::nullopt;
        if (!value.isDouble() || !std::isfinite(value.toDouble())) {
            throw wrong_type(where + '.' + key, CaseFault::Expected::Number);
        }
        return value.toDouble();
    };
    record.pressure = number_at("pressure");
    record.concentration = number_at("concentration");
    return record;
}

QJsonObject water_json(const FillRecord& record) {
    QJsonObject fill{{"temperature", record.celsius}};
    for (std::size_t i = 0; i < water_keys.size(); ++i) fill[water_keys[i]] = record.texts[i];
    if (!record.fluid.isEmpty()) fill["fluid"] = record.fluid;
    if (record.pressure) fill["pressure"] = *record.pressure;
    if (record.concentration) fill["concentration"] = *record.concentration;
    return fill;
}

// The header's four texts in the order of sheet_keys, to read from or to fill.
template <typename Sheet>
auto sheet_texts(Sheet& sheet) {
    return std::array{&sheet.project, &sheet.item, &sheet.calculated_by, &sheet.checked_by};
}

// 0 for the tube side's object, 1 for the shell side's.
int side_of(const FieldKey& field) {
    return std::string_view(field.side) == "shell" ? 1 : 0;
}

}  // namespace

const std::array<FieldKey, 20>& field_keys() {
    static constexpr std::array<FieldKey, 20> keys = {{
        {"tube", "inlet_temperature", "Text1"},
        {"tube", "outlet_temperature", "Text2"},
        {"tube", "mass_flow", "Text3"},
        {"tube", "mean_temperature", "Text8"},
        {"tube", "conductivity", "Text4"},
        {"tube", "density", "Text5"},
        {"tube", "specific_heat", "Text6"},
        {"tube", "viscosity", "Text7"},
        {"tube", "velocity", "Text9"},
        {"tube", "diameter", "Text10"},
        {"shell", "inlet_temperature", "Text20"},
        {"shell", "outlet_temperature", "Text19"},
        {"shell", "mass_flow", "Text18"},
        {"shell", "mean_temperature", "Text17"},
        {"shell", "conductivity", "Text13"},
        {"shell", "density", "Text14"},
        {"shell", "specific_heat", "Text16"},
        {"shell", "viscosity", "Text15"},
        {"shell", "velocity", "Text12"},
        {"shell", "diameter", "Text11"},
    }};
    return keys;
}

QByteArray to_json(const Case& c, const std::optional<Results>& results) {
    // A fill of another fluid than water is a record that 1.4.0 would take for water and drop
    // in silence; such a file is of the newer version, which 1.4.0 refuses in words.
    const auto names_fluid = [](const std::optional<FillRecord>& fill) {
        return fill && !fill->fluid.isEmpty();
    };
    const bool fluids = names_fluid(c.tube_fill) || names_fluid(c.shell_fill);
    // And a solution's fill for 1.7.0, which knows no concentration and would drop the record.
    const auto names_solution = [](const std::optional<FillRecord>& fill) {
        return fill && fill->concentration;
    };
    const bool solution = names_solution(c.tube_fill) || names_solution(c.shell_fill);
    // So is a layout choice for 1.5.0, which would lay out by its defaults instead, and a
    // choice 1.6.0 does not know, which it would drop.
    const auto chosen = [](const QString& t) { return !t.isEmpty(); };
    const bool layout = std::ranges::any_of(c.layout, chosen);
    const bool rating = std::any_of(c.layout.begin() + rating_choices_from, c.layout.end(), chosen);
    const bool design = std::ranges::any_of(c.design, chosen);
    // 1.9.0 would lay out and search one shell where the case asks for several.
    const bool shells = chosen(c.layout.back()) || chosen(c.design.back());
    // An operation makes it version 9, which a reader of version 8 refuses rather than drops.
    const int version = c.operation    ? operation_format_version
                        : shells       ? shells_format_version
                        : c.condensing ? condensing_format_version
                        : solution     ? solution_format_version
                        : design       ? design_format_version
                        : rating       ? rating_format_version
                        : layout       ? layout_format_version
                        : fluids       ? fluids_format_version
                                       : first_format_version;
    QJsonObject root{{"format", qstr(format_id)}, {"version", version}};
    QJsonObject sides[2];
    for (const FieldKey& field : field_keys()) {
        sides[side_of(field)][field.key] = c.fields.value(field.name);
    }
    // 1.8.0 would compute the shell as a typed liquid and drop the vapour: version 7.
    if (c.condensing) {
        sides[1]["condensing"] =
            QJsonObject{{"fluid", c.condensing->fluid}, {"pressure", c.condensing->pressure}};
    }
    root["tube"] = sides[0];
    root["shell"] = sides[1];

    QJsonObject sheet_json;
    for (std::size_t i = 0; i < sheet_keys.size(); ++i) {
        sheet_json[sheet_keys[i]] = *sheet_texts(c.sheet)[i];
    }
    root["sheet"] = sheet_json;

    QJsonObject water;
    if (c.tube_fill) water["tube"] = water_json(*c.tube_fill);
    if (c.shell_fill) water["shell"] = water_json(*c.shell_fill);
    if (!water.isEmpty()) root["water"] = water;

    if (layout) {
        QJsonObject choices;
        for (std::size_t i = 0; i < layout_keys.size(); ++i) {
            if (!c.layout[i].isEmpty()) choices[layout_keys[i]] = c.layout[i];
        }
        root["layout"] = choices;
    }
    if (design) {
        QJsonObject choices;
        for (std::size_t i = 0; i < design_keys.size(); ++i) {
            if (!c.design[i].isEmpty()) choices[design_keys[i]] = c.design[i];
        }
        root["design"] = choices;
    }
    if (c.operation) {
        QJsonObject operation;
        for (std::size_t i = 0; i < operation_keys.size(); ++i) {
            if (!(*c.operation)[i].isEmpty()) operation[operation_keys[i]] = (*c.operation)[i];
        }
        root["operation"] = operation;
    }

    if (results) {
        QJsonObject written{{"K", results->K}, {"K_unit", "W/(㎡·℃)"}, {"A", results->A},
                            {"A_unit", "㎡"},  {"Q", results->Q},      {"Q_unit", "W"}};
        QJsonObject layout;
        for (const auto& [key, value] : results->layout) layout[key] = value;
        if (!layout.isEmpty()) written["layout"] = layout;
        QJsonObject rating;
        for (const auto& [key, value] : results->rating) rating[key] = value;
        if (!rating.isEmpty()) written["rating"] = rating;
        root["results"] = written;
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Case from_json(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        CaseFault fault(CaseFault::Kind::NotJson);
        std::tie(fault.line, fault.column) = place_of(bytes, error.offset);
        fault.detail = error.errorString();
        throw fault;
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value("format").toString() != qstr(format_id)) {
        throw CaseFault(CaseFault::Kind::NotCase);
    }
    const QJsonValue version = root.value("version");
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != std::floor(number)) {
        throw wrong_type("version", CaseFault::Expected::Version);
    }
    if (number > format_version) {
        CaseFault fault(CaseFault::Kind::NewerVersion);
        fault.version = number;
        throw fault;
    }

    Case c;
    const QJsonObject sides[2] = {object_at(root, "tube", {}), object_at(root, "shell", {})};
    for (const FieldKey& field : field_keys()) {
        c.fields[field.name] = text_at(sides[side_of(field)], field.key, field.side);
    }
    if (sides[1].contains("condensing")) {
        const QJsonObject condensing = object_at(sides[1], "condensing", "shell");
        c.condensing = CondensingRecord{text_at(condensing, "fluid", "shell.condensing"),
                                        text_at(condensing, "pressure", "shell.condensing")};
    }
    const QJsonObject sheet = object_at(root, "sheet", {});
    for (std::size_t i = 0; i < sheet_keys.size(); ++i) {
        *sheet_texts(c.sheet)[i] = text_at(sheet, sheet_keys[i], "sheet");
    }
    const QJsonObject water = object_at(root, "water", {});
    c.tube_fill = record_at(water, "tube");
    c.shell_fill = record_at(water, "shell");
    const QJsonObject layout = object_at(root, "layout", {});
    for (std::size_t i = 0; i < layout_keys.size(); ++i) {
        c.layout[i] = text_at(layout, layout_keys[i], "layout");
    }
    const QJsonObject design = object_at(root, "design", {});
    for (std::size_t i = 0; i < design_keys.size(); ++i) {
        c.design[i] = text_at(design, design_keys[i], "design");
    }
    if (root.contains("operation")) {
        const QJsonObject operation = object_at(root, "operation", {});
        OperationTexts texts{};
        for (std::size_t i = 0; i < operation_keys.size(); ++i) {
            texts[i] = text_at(operation, operation_keys[i], "operation");
        }
        c.operation = texts;
    }
    return c;
}

}  // namespace casefile
