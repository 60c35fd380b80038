#include "ui/window_fonts.h"

#include "ui/uvista.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {

constexpr int kDesignedPixelSize = 11;

// Label captions with their widths in Tahoma at 11 pixels, the font the layout was drawn
// for: each label ends just short of the control beside it.
constexpr std::pair<const char*, int> kDesignedCaptionWidths[] = {
    {"Monitor key:", 60},    {"Squelch level:", 66},    {"Time out timer (TOT):", 103},
    {"TOT rekey time:", 77}, {"TOT reset time:", 75},   {"Beep tones:", 58},
    {"Battery saving:", 73}, {"Self-programming:", 88}, {"Ch #15", 36}};

QFont DesignedOr(const QString& family, QFontDatabase::SystemFont fallback) {
  QFont font = QFontDatabase::families().contains(family, Qt::CaseInsensitive)
                   ? QFont(family)
                   : QFontDatabase::systemFont(fallback);
  font.setPixelSize(kDesignedPixelSize);
  return font;
}

// The stretch, in percent, at which every designed caption fits its width again.
int FittingStretch(const QFont& font) {
  const QFontMetrics metrics(font);
  double ratio = 1.0;
  for (const auto& [caption, width] : kDesignedCaptionWidths) {
    ratio = std::min(ratio, static_cast<double>(width) /
                                metrics.horizontalAdvance(QString::fromLatin1(caption)));
  }
  // One percent to spare: glyph widths round to whole pixels after stretching.
  return ratio < 1.0 ? static_cast<int>(ratio * 100) - 1 : 100;
}

}  // namespace

QFont WindowFont() {
  return FittedToDesign(DesignedOr(QStringLiteral("Tahoma"), QFontDatabase::GeneralFont));
}

QFont FittedToDesign(QFont font) {
  font.setStretch(QFont::Unstretched);
  if (const int stretch = FittingStretch(font); stretch < 100) {
    font.setStretch(stretch);
  }
  return font;
}

void SwitchToVistaFont(QWidget* window, const QStringList& installedFamilies) {
  ApplyVistaFont(window, installedFamilies);
  // Segoe UI one point larger runs wider than the Tahoma the captions were laid out for.
  window->setFont(FittedToDesign(window->font()));
}

QFont LogPaneFont() {
  QFont font = DesignedOr(QStringLiteral("Consolas"), QFontDatabase::FixedFont);
  // Set, not inherited: a narrowed window font would pull the pane off its fixed pitch.
  font.setStretch(QFont::Unstretched);
  return font;
}
