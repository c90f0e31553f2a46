// SPDX-License-Identifier: GPL-3.0-or-later
// The usage errors of a command line read with QCommandLineParser, in our
// own words and each naming its option as a message shows it: the parser's
// own texts would echo what was typed raw and cannot be translated with
// the rest. Qt Core only.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>
#include <optional>

#include "fileerror.h"

// Why the parser refused `arguments`, after its parse() failed.
FileError parserRefusal(const QCommandLineParser& parser, const QStringList& arguments,
                        const QList<QCommandLineOption>& options);

// An option that takes a value, given more than once: all but one value
// would be dropped without a word. Named as it was written.
std::optional<FileError> repeatedOption(const QCommandLineParser& parser, const QStringList& arguments,
                                        const QList<QCommandLineOption>& options);
