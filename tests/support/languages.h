#pragma once

#include <QString>
#include <string>
#include <vector>

// The languages the build translates the window into, as the test's target is told them
// (VEXALON_LANGUAGES, the codes one space apart).
inline std::vector<std::string> Languages() {
  std::vector<std::string> languages;
  for (const QString& language : QString::fromLatin1(VEXALON_LANGUAGES).split(' ')) {
    languages.push_back(language.toStdString());
  }
  return languages;
}
