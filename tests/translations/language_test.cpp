// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of language from the locale, and the English translation file
// against its Japanese sources: every placeholder kept, no Japanese left.
#include "language.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <string>

namespace {

struct LocaleCase {
    const char* name;
    Language expected;
};

class LanguageChoice : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LanguageChoice, EnglishOnlyForAnEnglishLocale) {
    EXPECT_EQ(languageFor(QLocale(QString::fromLatin1(GetParam().name))), GetParam().expected)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageChoice,
    ::testing::Values(LocaleCase{"en_US", Language::english}, LocaleCase{"en_GB", Language::english},
                      LocaleCase{"en", Language::english}, LocaleCase{"ja_JP", Language::japanese},
                      LocaleCase{"C", Language::japanese}, LocaleCase{"POSIX", Language::japanese},
                      LocaleCase{"de_DE", Language::japanese}, LocaleCase{"fr_CA", Language::japanese}),
    // Named by the locale, so the test's name stays the same from run to run.
    [](const ::testing::TestParamInfo<LocaleCase>& info) { return std::string(info.param.name); });

struct Message {
    QString context, source, translation;
};

std::vector<Message> translationFile() {
    QFile file(QStringLiteral(KALVEX_EN_TS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << KALVEX_EN_TS;
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") messages.push_back({context, {}, {}});
        if (xml.name() == u"source") messages.back().source = xml.readElementText();
        if (xml.name() == u"translation") messages.back().translation = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression mark(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : mark.globalMatch(text)) found.insert(m.captured());
    return found;
}

TEST(EnglishTranslation, KeepsEveryPlaceholderAndFilterAndLeavesNoJapanese) {
    const std::vector<Message> messages = translationFile();
    ASSERT_GT(messages.size(), 100u);
    // Kana and the CJK ideographs, full-width forms and Japanese punctuation.
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    for (const Message& m : messages) {
        const std::string where = (m.context + ": " + m.source).toStdString();
        EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where;
        EXPECT_EQ(placeholders(m.translation), placeholders(m.source)) << where;
        EXPECT_EQ(m.translation.count(QStringLiteral(";;")), m.source.count(QStringLiteral(";;"))) << where;
        EXPECT_EQ(m.translation.count(QStringLiteral("(*.")), m.source.count(QStringLiteral("(*."))) << where;
        EXPECT_FALSE(m.translation.contains(japanese)) << where;
    }
}

}  // namespace
