// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the user interface: the designed Japanese, or English.
// Qt Core only, so the command-line solver can use it.
#pragma once

#include <QString>
#include <string>

class QCoreApplication;
class QLocale;

enum class Language { japanese, english };

// English for an English locale; the designed Japanese for every other,
// C and POSIX included.
Language languageFor(const QLocale& locale);

// Installs our translation and Qt's own texts for the language, owned by
// the application. Japanese needs none of ours: the sources are Japanese.
void installLanguage(QCoreApplication& app, Language language);

// The language of the user's locale, installed; returns which it was.
Language installSystemLanguage(QCoreApplication& app);

// A text marked in the "messages" context (messages.h), in the installed
// language. A text that is none of them, such as a message already put
// together, comes back as it is.
QString translatedMessage(const char* text);
std::string translatedMessageUtf8(const std::string& text);
