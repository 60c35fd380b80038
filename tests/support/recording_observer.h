#pragma once

#include <string>
#include <utility>
#include <vector>

#include "radio/progress_lines.h"
#include "radio/transfer_observer.h"
#include "radio/verdict_lines.h"

// A front end without widgets: what a transfer told it, oldest first.
struct RecordingObserver : TransferObserver {
  void ChannelBegins(int channel) override { labels.emplace_back(channel, true); }
  void ChannelEnds(int channel) override { labels.emplace_back(channel, false); }
  void ChannelRead(int channel, const ChannelRow& row) override {
    rowsRead.emplace_back(channel, row);
  }
  void Logged(const LogLine& line) override { log.push_back(line.Text()); }
  void Waiting() override { ++waits; }

  // The whole log a front end shows: the lines as they came, then how the transfer ended.
  template <class Outcome>
  std::vector<std::string> LogWith(const Outcome& outcome) const {
    std::vector<std::string> lines = log;
    for (const LogLine& line : OutcomeLines(outcome)) {
      lines.push_back(line.Text());
    }
    return lines;
  }

  // (channel, true) when its label turned red, (channel, false) when it turned back.
  std::vector<std::pair<int, bool>> labels;
  std::vector<std::pair<int, ChannelRow>> rowsRead;
  std::vector<std::string> log;
  int waits = 0;
};
