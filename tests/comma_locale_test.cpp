// Runs under a German regional setting, where the decimal separator is a comma.
#include <QComboBox>
#include <QLocale>

#include "tests/support/mainform_fixture.h"
#include "tests/support/named_controls.h"
#include "ui/card_texts.h"

TEST_F(MainformTest, ListsUseTheRegionalCommaAndHzTextsDoNot) {
  ASSERT_EQ(QLocale::system().decimalPoint(), ",") << "the test needs LC_ALL=de_DE.UTF-8";

  auto* channels = Get<QComboBox>("cb_A4_freq_tx");
  EXPECT_EQ(channels->itemText(1), "1 - 446,00625 MHz");
  EXPECT_EQ(channels->itemText(8), "8 - 446,09375 MHz");
  auto* tones = Get<QComboBox>("cb_A4_ctcss_rx");
  EXPECT_EQ(tones->itemText(1), "1 - 67 Hz");
  EXPECT_EQ(tones->itemText(2), "2 - 71,9 Hz");
  EXPECT_EQ(tones->itemText(27), "27 - D132N");

  SelectListIndex(form, "cb_A4_freq_rx", 8);
  SelectListIndex(form, "cb_A4_freq_tx", 3);
  form.EnterAdvancedMode();
  EXPECT_EQ(EditText(form, "edit_A4_freq_rx"), "446093750");
  EXPECT_EQ(EditText(form, "edit_A4_freq_tx"), "446031250");
  EXPECT_EQ(EditText(form, "edit_A5_freq_rx"), "");
}

TEST(CardTextsTest, ChannelCardUsesTheRegionalCommaLikeTheLists) {
  ASSERT_EQ(QLocale::system().decimalPoint(), ",") << "the test needs LC_ALL=de_DE.UTF-8";
  const CardRow row = ChannelCardRow(1, {.rxChannelIndex = 2, .rxToneIndex = 2}, false);
  EXPECT_EQ(row.cells[1], "446,01875 (PMR 2)");
  EXPECT_EQ(row.cells[2], "71,9 Hz");
  const CardRow hz = ChannelCardRow(1, {.rxHzText = "439987500", .txHzText = "446006250"}, true);
  EXPECT_EQ(hz.cells[1], "439,98750");
  EXPECT_EQ(hz.cells[3], "446,00625 (PMR 1)");
}
