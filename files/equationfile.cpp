// SPDX-License-Identifier: GPL-3.0-or-later
#include "equationfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <array>
#include <set>
#include <utility>

#include "core.h"
#include "messages.h"
#include "numbertext.h"
#include "safefile.h"
#include "texts.h"

namespace {

namespace fm = messages::files;

constexpr std::array<const char*, 4> topKeys{"format", "version", "terms", "analysis"};
constexpr std::array<const char*, 3> analysisKeys{"start", "end", "precision"};

// Thrown inside the reader only, with the message for the file: the first
// fault ends the reading.
struct Refusal {
    FileError error;
};

std::string utf8(const QString& text) { return text.toStdString(); }

int lineAt(const QByteArray& bytes, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

// A JSON value as a message shows it.
std::string shownValue(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Double: return shortestText(value.toDouble());
        case QJsonValue::String: return jsonQuoted(shownText(utf8(value.toString())));
        case QJsonValue::Bool: return value.toBool() ? "true" : "false";
        case QJsonValue::Array: return "[…]";
        case QJsonValue::Object: return "{…}";
        default: return "null";
    }
}

// A JSON string's text from the bytes that start at its opening quote; i
// ends on its closing quote. Escapes are rare in keys: only then is Qt asked.
std::string jsonStringAt(const QByteArray& bytes, qsizetype& i) {
    const qsizetype start = i;
    bool escaped = false;
    for (++i; i < bytes.size() && bytes[i] != '"'; ++i) {
        if (bytes[i] == '\\') {
            escaped = true;
            ++i;
        }
    }
    const QByteArray quoted = bytes.mid(start, i - start + 1);
    if (!escaped) return quoted.mid(1, quoted.size() - 2).toStdString();
    return utf8(QJsonDocument::fromJson("[" + quoted + "]").array().at(0).toString());
}

// Qt keeps the last of two equal keys in an object without a word; a file
// that says one thing twice is refused instead. The bytes are JSON already,
// so only strings and brackets matter; the levels are a stack of our own,
// so no nesting can exhaust the call stack. The key and where it stands.
std::optional<std::pair<std::string, qsizetype>> repeatedKey(const QByteArray& bytes) {
    struct Level {
        bool object;
        bool keyNext;
        std::set<std::string> keys;
    };
    std::vector<Level> levels;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        switch (bytes[i]) {
            case '{': levels.push_back({true, true, {}}); break;
            case '[': levels.push_back({false, false, {}}); break;
            case '}':
            case ']':
                if (!levels.empty()) levels.pop_back();
                break;
            case ',':
                if (!levels.empty() && levels.back().object) levels.back().keyNext = true;
                break;
            case '"': {
                const qsizetype at = i;
                std::string text = jsonStringAt(bytes, i);
                if (levels.empty() || !levels.back().keyNext) break;
                levels.back().keyNext = false;
                if (!levels.back().keys.insert(text).second) return std::pair{std::move(text), at};
                break;
            }
            default: break;
        }
    }
    return std::nullopt;
}

class Reader {
public:
    explicit Reader(const std::string& fileName) : fileName(fileName) {}

    Equation read(const QByteArray& bytes) {
        const qsizetype bom = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        const std::size_t bad = invalidUtf8At(std::string_view(bytes.constData(), bytes.size()).substr(bom));
        if (bad != std::string_view::npos) {
            fileFault(FileError(fm::notUtf8, {std::to_string(lineAt(bytes, bom + bad))}));
        }
        QJsonParseError parsed;
        const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
        if (parsed.error != QJsonParseError::NoError) {
            fileFault(FileError(fm::notJson, {std::to_string(lineAt(bytes, parsed.offset))}));
        }
        if (const auto repeated = repeatedKey(bytes)) {
            fileFault(FileError(fm::duplicateKey,
                                {shownText(repeated->first), std::to_string(lineAt(bytes, repeated->second))}));
        }
        if (!document.isObject()) fileFault(fm::notEquationFile);
        const QJsonObject top = document.object();
        const QJsonValue format = top.value("format");
        if (!format.isString() || format.toString() != QLatin1String(equationFormat))
            fileFault(fm::notEquationFile);
        const QJsonValue version = top.value("version");
        if (version.isUndefined()) fileFault(FileError(fm::missingKey, {std::string("version")}));
        if (!version.isDouble() || version.toDouble() != equationVersion)
            fileFault(FileError(fm::unsupportedVersion, {shownValue(version)}));
        refuseOtherKeys(top, topKeys);

        Equation equation;
        const QJsonValue terms = top.value("terms");
        if (terms.isUndefined()) fileFault(FileError(fm::missingKey, {std::string("terms")}));
        if (!terms.isArray()) fileFault(FileError(fm::notArray, {std::string("terms")}));
        // Each term's own form first, then 追加's checks over the terms before
        // a misformed one: the first fault in the file's order is the one told.
        std::optional<Refusal> misformed;
        for (const QJsonValue& term : terms.toArray()) {
            // 追加 refuses a 21st term: nothing after it needs reading.
            if (equation.terms.size() > static_cast<std::size_t>(core::maxTerms)) break;
            try {
                equation.terms.push_back(readTerm(term, static_cast<int>(equation.terms.size())));
            } catch (Refusal& refusal) {
                misformed = std::move(refusal);
                break;
            }
        }
        const core::FormulaFrom made = core::formulaFrom(equation.terms);
        if (!made) termFault(made.refusedTerm, made.refusal);
        if (misformed) throw std::move(*misformed);

        const QJsonValue analysis = top.value("analysis");
        if (!analysis.isUndefined()) {
            if (!analysis.isObject()) fileFault(FileError(fm::notObject, {std::string("analysis")}));
            const QJsonObject settings = analysis.toObject();
            refuseOtherKeys(settings, analysisKeys);
            equation.start = optionalText(settings, "start");
            equation.end = optionalText(settings, "end");
            equation.precision = optionalText(settings, "precision");
        }
        return equation;
    }

private:
    [[noreturn]] void fileFault(const FileError& what) const {
        throw Refusal{FileError(fm::aboutFile, {fileName, what})};
    }
    [[noreturn]] void termFault(int count, const FileError& what) const {
        throw Refusal{FileError(fm::aboutTerm, {fileName, std::to_string(count + 1), what})};
    }

    template <std::size_t N>
    void refuseOtherKeys(const QJsonObject& object, const std::array<const char*, N>& known) const {
        for (auto it = object.begin(); it != object.end(); ++it) {
            const std::string key = utf8(it.key());
            if (std::none_of(known.begin(), known.end(), [&](const char* k) { return key == k; }))
                fileFault(FileError(fm::unknownKey, {shownText(key)}));
        }
    }

    // A box's text: a string as it is, a number as its shortest text.
    // Empty when the value has neither form; `fault` then says why.
    static std::optional<std::string> textOf(const QJsonValue& value, const char* key, FileError& fault) {
        if (value.isString()) {
            const QString text = value.toString();
            if (!text.isValidUtf16()) {
                fault = FileError(fm::notUnicode, {std::string(key)});
                return std::nullopt;
            }
            return utf8(text);
        }
        if (value.isDouble()) return shortestText(value.toDouble());
        fault = FileError(fm::notTextOrNumber, {std::string(key)});
        return std::nullopt;
    }

    std::optional<std::string> optionalText(const QJsonObject& object, const char* key) const {
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) return std::nullopt;
        FileError fault;
        std::optional<std::string> text = textOf(value, key, fault);
        if (!text) fileFault(fault);
        return text;
    }

    // The term after `count` others, in its form; 追加's checks come after.
    Term readTerm(const QJsonValue& value, int count) const {
        if (!value.isObject()) termFault(count, fm::termNotObject);
        const QJsonObject object = value.toObject();
        const QJsonValue name = object.value("shape");
        if (name.isUndefined()) termFault(count, FileError(fm::missingKey, {std::string("shape")}));
        if (!name.isString()) termFault(count, fm::shapeNotText);
        Shape shape;
        if (!shapeNamed(utf8(name.toString()), shape))
            termFault(count, FileError(fm::unknownShape, {shownText(utf8(name.toString()))}));
        const ShapeRule& rule = shapeRule(shape);
        const auto used = rule.boxes.begin(), usedEnd = used + rule.boxCount;

        for (auto it = object.begin(); it != object.end(); ++it) {
            const std::string key = utf8(it.key());
            if (key != "shape" && std::none_of(used, usedEnd, [&](const ShapeBox& b) { return key == b.key; }))
                termFault(count, FileError(fm::unknownKeyForShape, {shownText(key), std::string(rule.name)}));
        }
        TermBoxes boxes;  // the boxes the shape does not use stay empty
        for (auto box = used; box != usedEnd; ++box) {
            const QJsonValue v = object.value(box->key);
            if (v.isUndefined()) termFault(count, FileError(fm::missingKey, {std::string(box->key)}));
            FileError fault;
            std::optional<std::string> text = textOf(v, box->key, fault);
            if (!text) termFault(count, fault);
            boxes.*(box->text) = std::move(*text);
        }
        return termFrom(shape, boxes);
    }

    const std::string& fileName;
};

// Texts always go out as UTF-8; bytes that are not (a term made in code)
// are replaced, so that every file written can be read back.
std::string wellFormed(const std::string& text) {
    if (invalidUtf8At(text) == std::string_view::npos) return text;
    return QString::fromStdString(text).toStdString();
}

// A name as messages show it: whole, but nothing in it reaches a terminal raw.
std::string fileNameOf(const QString& path) { return shownText(path.toStdString(), std::string::npos); }

}  // namespace

EquationRead parseEquation(const QByteArray& bytes, const std::string& fileName) {
    try {
        return {Reader(fileName).read(bytes), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.error};
    }
}

EquationRead readEquation(const QString& path) {
    const std::string name = fileNameOf(path);
    auto refused = [&](const FileError& what) {
        return EquationRead{std::nullopt, FileError(fm::aboutFile, {name, what})};
    };
    const FileBytes file = readRegularFile(path, largestEquationFile);
    if (!file.bytes) return refused(FileError(fm::cannotOpen, {file.reason}));
    if (file.bytes->size() > largestEquationFile) return refused(fm::tooLarge);
    return parseEquation(*file.bytes, name);
}

QByteArray serializeEquation(const Equation& equation) {
    std::string out = "{\n";
    out += "  \"format\": " + jsonQuoted(equationFormat) + ",\n";
    out += "  \"version\": " + std::to_string(equationVersion) + ",\n";
    out += "  \"terms\": [";
    for (std::size_t i = 0; i < equation.terms.size(); ++i) {
        const Term& term = equation.terms[i];
        const ShapeRule& rule = shapeRule(term.shape);
        out += i == 0 ? "\n    {" : ",\n    {";
        out += "\"shape\": " + jsonQuoted(rule.name);
        for (int b = 0; b < rule.boxCount; ++b) {
            const ShapeBox& box = rule.boxes[b];
            out += ", " + jsonQuoted(box.key) + ": " + jsonQuoted(wellFormed(term.typed.*(box.text)));
        }
        out += "}";
    }
    out += equation.terms.empty() ? "]" : "\n  ]";
    const std::pair<const char*, const std::optional<std::string>*> settings[] = {
        {"start", &equation.start}, {"end", &equation.end}, {"precision", &equation.precision}};
    std::string analysis;
    for (const auto& [key, text] : settings) {
        if (!*text) continue;
        analysis += analysis.empty() ? "{" : ", ";
        analysis += jsonQuoted(key) + ": " + jsonQuoted(wellFormed(**text));
    }
    if (!analysis.empty()) out += ",\n  \"analysis\": " + analysis + "}";
    out += "\n}\n";
    return QByteArray::fromStdString(out);
}

std::optional<FileError> writeEquation(const QString& path, const Equation& equation) {
    if (const std::optional<FileError> why = writeWhole(path, serializeEquation(equation)))
        return FileError(fm::aboutFile, {fileNameOf(path), FileError(fm::cannotSave, {*why})});
    return std::nullopt;
}
