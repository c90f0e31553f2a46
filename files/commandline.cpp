// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include "messages.h"
#include "texts.h"

namespace {

namespace fm = messages::files;

QString written(const QString& name) { return (name.size() == 1 ? "-" : "--") + name; }

// The option an argument names ("--size", "--size=3x4", "-e"), if any.
const QCommandLineOption* optionOf(const QString& argument, const QList<QCommandLineOption>& options) {
    const QString name = argument.section('=', 0, 0);
    for (const QCommandLineOption& option : options)
        for (const QString& each : option.names())
            if (name == written(each)) return &option;
    return nullptr;
}

FileError named(const char* pattern, const QString& name) {
    return FileError(pattern, {FileError(shownText(name.toStdString()))});
}

}  // namespace

FileError parserRefusal(const QCommandLineParser& parser, const QStringList& arguments,
                        const QList<QCommandLineOption>& options) {
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) return named(fm::unknownOption, written(unknown.constFirst()));
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--") break;
        const QCommandLineOption* option = optionOf(argument, options);
        if (!option) continue;
        const bool attached = argument.contains('=');
        if (option->valueName().isEmpty() && attached)
            return named(fm::optionTakesNoValue, argument.section('=', 0, 0));
        // The parser takes the next argument as the value, whatever it is:
        // only the last one can lack it.
        if (!option->valueName().isEmpty() && !attached) {
            if (i + 1 == arguments.size()) return named(fm::optionNeedsValue, argument);
            ++i;  // its value, whatever it looks like
        }
    }
    return FileError(shownText(parser.errorText().toStdString()));
}

std::optional<FileError> repeatedOption(const QCommandLineParser& parser, const QStringList& arguments,
                                        const QList<QCommandLineOption>& options) {
    for (const QCommandLineOption& option : options) {
        if (option.valueName().isEmpty() || parser.values(option).size() < 2) continue;
        for (qsizetype i = 1; i < arguments.size() && arguments[i] != "--"; ++i)
            if (optionOf(arguments[i], options) == &option)
                return named(fm::optionTwice, arguments[i].section('=', 0, 0));
    }
    return std::nullopt;
}
