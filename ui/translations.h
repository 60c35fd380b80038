#pragma once

#include <QLocale>
#include <QTranslator>

// The window in the language of a locale where Vexalon has a translation (the languages
// translations/CMakeLists.txt lists), in English otherwise; Qt's own texts (Yes and No, the
// file dialogs) follow from Qt's translations where Qt has them. Made before the window,
// kept while it lives.
class Translations {
 public:
  explicit Translations(const QLocale& locale);
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

 private:
  QTranslator vexalon_;
  QTranslator qt_;
};
