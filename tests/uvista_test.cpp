#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>

#include "tests/support/mainform_fixture.h"
#include "ui/uvista.h"
#include "ui/window_fonts.h"

namespace {

const QStringList kWithSegoe = {"Tahoma", "Segoe UI", "Consolas"};

class VistaFontTest : public MainformTest {
 protected:
  void SetUp() override { ForceVistaOrLaterForTesting(true); }
  void TearDown() override { ForceVistaOrLaterForTesting(std::nullopt); }
};

}  // namespace

TEST_F(VistaFontTest, SwitchesTheWindowButNotTheLogPaneToSegoeUiOnePointLarger) {
  QFont tahoma("Tahoma");
  tahoma.setPixelSize(11);
  form.setFont(tahoma);
  const QFont logFont = Get<QPlainTextEdit>("debug")->font();

  ApplyVistaFont(&form, kWithSegoe);
  EXPECT_EQ(form.font().family(), "Segoe UI");
  EXPECT_EQ(form.font().pointSize(), 9);
  EXPECT_EQ(Get<QLabel>("lbl_A15")->font().family(), "Segoe UI");
  EXPECT_EQ(Get<QPlainTextEdit>("debug")->font(), logFont);
  EXPECT_EQ(logFont, LogPaneFont());
}

TEST_F(VistaFontTest, KeepsTheFontWithoutSegoeUiOrWhenInUseOrBeforeVista) {
  const QFont designed = form.font();
  ApplyVistaFont(&form, {"Tahoma", "Segoe UI Light"});
  EXPECT_EQ(form.font(), designed);
  if (!QFontDatabase::families().contains("Segoe UI", Qt::CaseInsensitive)) {
    ApplyVistaFont(&form);
    EXPECT_EQ(form.font(), designed);
  }
  ForceVistaOrLaterForTesting(false);
  QFont fallback("DejaVu Sans");
  fallback.setPixelSize(11);
  form.setFont(fallback);
  ApplyVistaFont(&form, kWithSegoe);
  EXPECT_EQ(form.font(), fallback);
  ForceVistaOrLaterForTesting(true);
  QFont segoe("segoe ui");
  segoe.setPointSize(10);
  form.setFont(segoe);
  ApplyVistaFont(&form, kWithSegoe);
  EXPECT_EQ(form.font().family(), "segoe ui");
  EXPECT_EQ(form.font().pointSize(), 10);
}

#ifndef Q_OS_WIN
// No Windows version to ask here: the designed Tahoma still gives way to Segoe UI.
TEST_F(MainformTest, OutsideWindowsTheDesignedFontSwitchesWhereSegoeUiIsInstalled) {
  ASSERT_FALSE(IsVistaOrLater());
  QFont tahoma("Tahoma");
  tahoma.setPointSize(8);
  form.setFont(tahoma);
  ApplyVistaFont(&form, kWithSegoe);
  EXPECT_EQ(form.font().family(), "Segoe UI");
  EXPECT_EQ(form.font().pointSize(), 9);
}
#endif
