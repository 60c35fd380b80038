// The translations as a translator leaves them: every text of the window translated, none
// left unfinished or forgotten, and every placeholder and access key kept.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>

namespace {

struct Message {
  QString source;
  QString translation;
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
    } else if (xml.isStartElement() && xml.name() == u"source") {
      messages.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    } else if (xml.isStartElement() && xml.name() == u"translation") {
      messages.back().type = xml.attributes().value(QStringLiteral("type")).toString();
      messages.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

std::multiset<QString> Placeholders(const QString& text) {
  std::multiset<QString> found;
  for (const auto& match : QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text)) {
    found.insert(match.captured());
  }
  return found;
}

class Translation : public testing::TestWithParam<const char*> {};

TEST_P(Translation, IsCompleteAndKeepsPlaceholdersAndAccessKeys) {
  const QString path = QStringLiteral(TRANSLATIONS_DIR "/vexalon_%1.ts").arg(GetParam());
  const std::vector<Message> messages = MessagesOf(path);
  ASSERT_FALSE(messages.empty());
  for (const Message& message : messages) {
    const std::string source = message.source.toStdString();
    EXPECT_TRUE(message.type.isEmpty()) << message.type.toStdString() << ": " << source;
    EXPECT_FALSE(message.translation.isEmpty()) << source;
    EXPECT_EQ(Placeholders(message.translation), Placeholders(message.source)) << source;
    EXPECT_EQ(message.translation.count('&') > 0, message.source.count('&') > 0) << source;
    EXPECT_EQ(message.translation.endsWith(QStringLiteral("...")),
              message.source.endsWith(QStringLiteral("...")))
        << source;
  }
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, Translation,
                         testing::Values("de", "fr", "it", "es", "nl", "pl"));

}  // namespace
