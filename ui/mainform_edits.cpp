// What the window remembers of its plan between operations: the rows a read could not
// fill, the rows whose frequencies it could not show, and whether anything has replaced
// the start-up plan yet.
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "radio/memory_map.h"
#include "radio/transfers.h"
#include "ui/grid_names.h"
#include "ui/settings_page.h"
#include "ui/unit_mainform.h"

void Tmainform::MarkChannelUnread(int channel, bool unread) {
  unreadRows[channel] = unread;
  if (!unread) {
    holdsStartupPlan = false;
  }
  PaintChannelLabel(channel, unread);
}

// Only the user's own changes count: the signals below are not sent when the program
// sets a value.
void Tmainform::TrackEdits() {
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    const auto edited = [this, channel] {
      MarkChannelUnread(channel, false);
      unsavedEdits = true;
      RecordStepSoon();
    };
    // Once the user chooses a frequency for the row, the radio's is no longer to keep.
    const auto frequencyChosen = [this, channel] { hiddenRows.Forget(channel); };
    for (const GridRole role :
         {GridRole::FreqRx, GridRole::FreqTx, GridRole::CtcssRx, GridRole::CtcssTx}) {
      connect(Find<QComboBox>(GridControlName(role, channel, false)), &QComboBox::activated, this,
              edited);
    }
    for (const GridRole role : {GridRole::FreqRx, GridRole::FreqTx}) {
      connect(Find<QComboBox>(GridControlName(role, channel, false)), &QComboBox::activated, this,
              frequencyChosen);
    }
    for (const GridRole role : {GridRole::Shift, GridRole::Lockout}) {
      connect(Find<QCheckBox>(GridControlName(role, channel, false)), &QCheckBox::clicked, this,
              edited);
    }
  }
  const auto edited = [this] {
    holdsStartupPlan = false;
    unsavedEdits = true;
    RecordStepSoon();
  };
  for (const char* name : kSettingsLists) {
    connect(Find<QComboBox>(name), &QComboBox::activated, this, edited);
  }
  for (const char* name : kSettingsBoxes) {
    connect(Find<QCheckBox>(name), &QCheckBox::clicked, this, edited);
  }
  // A drag is one step, made when the slider is let go.
  auto* squelch = Find<QAbstractSlider>(kSquelchSlider);
  connect(squelch, &QAbstractSlider::actionTriggered, this, [this, edited](int action) {
    holdsStartupPlan = false;
    unsavedEdits = true;
    if (action != QAbstractSlider::SliderMove) {
      edited();
    }
  });
  connect(squelch, &QAbstractSlider::sliderReleased, this, edited);
}

void Tmainform::TrackHzEdits() {
  for (int channel = 1; channel <= kChannelCount; ++channel) {
    for (const GridRole role : {GridRole::FreqRx, GridRole::FreqTx}) {
      connect(Find<QLineEdit>(GridControlName(role, channel, true)), &QLineEdit::textEdited, this,
              [this, channel] {
                MarkChannelUnread(channel, false);
                hiddenRows.Forget(channel);
                unsavedEdits = true;
              });
      // An Hz box's change is a step once the box is left.
      connect(Find<QLineEdit>(GridControlName(role, channel, true)), &QLineEdit::editingFinished,
              this, &Tmainform::RecordStep);
    }
  }
}
