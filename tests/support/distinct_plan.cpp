#include "tests/support/distinct_plan.h"

#include <string>

ChannelPlan DistinctPlan(bool advanced) {
  ChannelPlan plan;
  plan.advancedMode = advanced;
  for (int n = 1; n <= 15; ++n) {
    ChannelRow& row = plan.channels[n - 1];
    if (advanced) {
      row.rxHzText = n == 1 ? "" : std::to_string(n * 1111);
      row.txHzText = "44600625012345";
    } else {
      row.rxChannelIndex = n % 9;
      row.txChannelIndex = 8 - n % 9;
    }
    row.rxToneIndex = n * 3 % 39;
    row.txToneIndex = 38 - n;
    row.shift = n % 2 == 1;
    row.lockout = n % 3 == 0;
  }
  plan.settings = RadioSettings{.beepTones = false,
                                .batterySaving = true,
                                .selfProgramming = true,
                                .squelchLevel = 10,
                                .monitorKey = 0,
                                .tot = 10,
                                .totRekey = 60,
                                .totReset = 15};
  return plan;
}

std::map<std::string, std::string> PlanValues(const ChannelPlan& plan) {
  std::map<std::string, std::string> values;
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow& row = plan.channels[n - 1];
    const std::string ch = "ch" + std::to_string(n) + ".";
    values[ch + "rx"] = std::to_string(row.rxChannelIndex) + "/" + row.rxHzText;
    values[ch + "tx"] = std::to_string(row.txChannelIndex) + "/" + row.txHzText;
    values[ch + "tones"] = std::to_string(row.rxToneIndex) + "/" + std::to_string(row.txToneIndex);
    values[ch + "flags"] = std::to_string(row.shift) + std::to_string(row.lockout);
  }
  const RadioSettings s = plan.settings.value_or(RadioSettings{});
  values["settings"] = std::to_string(s.beepTones) + std::to_string(s.batterySaving) +
                       std::to_string(s.selfProgramming) + "/" + std::to_string(s.squelchLevel) +
                       "/" + std::to_string(s.monitorKey) + "/" + std::to_string(s.tot) + "/" +
                       std::to_string(s.totRekey) + "/" + std::to_string(s.totReset);
  return values;
}
