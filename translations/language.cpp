// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

Language languageFor(const QLocale& locale) {
    return locale.language() == QLocale::English ? Language::english : Language::japanese;
}

void installLanguage(QCoreApplication& app, Language language) {
    auto* translator = new QTranslator(&app);
    // Qt's own texts (standard buttons, the parser's messages) are English
    // in its sources; Japanese needs Qt's translation of them.
    const bool loaded = language == Language::english
                            ? translator->load(QStringLiteral(":/i18n/kalvex_en.qm"))
                            : translator->load(QLocale(QLocale::Japanese, QLocale::Japan), "qtbase", "_",
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

Language installSystemLanguage(QCoreApplication& app) {
    const Language language = languageFor(QLocale::system());
    installLanguage(app, language);
    return language;
}

QString translatedMessage(const char* text) { return QCoreApplication::translate("messages", text); }

std::string translatedMessageUtf8(const std::string& text) {
    return translatedMessage(text.c_str()).toStdString();
}
