// The translations as a translator leaves them: every text of the window translated, none
// left unfinished or forgotten, and every placeholder and access key kept.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>

#include "tests/support/languages.h"

namespace {

struct Message {
  QString source;
  // One text, or one for each plural form of the language when the sentence depends on a
  // number.
  QStringList translations;
  bool numerus = false;
  QString type;  // "unfinished", "vanished", "obsolete" or empty
};

std::vector<Message> MessagesOf(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"message") {
      messages.emplace_back();
      messages.back().numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
    } else if (xml.isStartElement() && xml.name() == u"source") {
      messages.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (xml.isStartElement() && xml.name() == u"translation") {
      messages.back().type = xml.attributes().value(QStringLiteral("type")).toString();
      if (!messages.back().numerus) {
        messages.back().translations << xml.readElementText(QXmlStreamReader::IncludeChildElements);
      }
    } else if (xml.isStartElement() && xml.name() == u"numerusform") {
      messages.back().translations << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

std::multiset<QString> Placeholders(const QString& text) {
  std::multiset<QString> found;
  for (const auto& match : QRegularExpression(QStringLiteral("%[1-9n]")).globalMatch(text)) {
    found.insert(match.captured());
  }
  return found;
}

class Translation : public testing::TestWithParam<std::string> {};

// Each sentence that depends on a number has as many forms as the language has plural
// classes, which lupdate sets out: the same number throughout a file, and more than one.
TEST_P(Translation, IsCompleteAndKeepsPlaceholdersAndAccessKeys) {
  const QString path =
      QStringLiteral(TRANSLATIONS_DIR "/vexalon_%1.ts").arg(QString::fromStdString(GetParam()));
  const std::vector<Message> messages = MessagesOf(path);
  ASSERT_FALSE(messages.empty());
  qsizetype pluralForms = 0;
  for (const Message& message : messages) {
    const std::string source = message.source.toStdString();
    EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << ": " << source;
    if (!message.numerus) {
      EXPECT_EQ(message.translations.size(), 1) << source;
    } else {
      pluralForms = pluralForms > 0 ? pluralForms : message.translations.size();
      EXPECT_EQ(message.translations.size(), pluralForms) << source;
      EXPECT_GT(message.translations.size(), 1) << source;
    }
    for (const QString& translation : message.translations) {
      EXPECT_FALSE(translation.isEmpty()) << source;
      EXPECT_EQ(Placeholders(translation), Placeholders(message.source)) << source;
      EXPECT_EQ(translation.count('&') > 0, message.source.count('&') > 0) << source;
      EXPECT_EQ(translation.endsWith(QStringLiteral("...")),
                message.source.endsWith(QStringLiteral("...")))
          << source;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, Translation, testing::ValuesIn(Languages()));

}  // namespace
