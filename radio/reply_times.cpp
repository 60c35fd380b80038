#include "radio/reply_times.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "radio/line_format.h"

namespace {

double LineMs(std::size_t bytes) {
  return std::chrono::duration<double, std::milli>(kLineByteTime).count() *
         static_cast<double>(bytes);
}

// When the first byte of a piece began on the line.
double StartMs(const TracePiece& piece) {
  return piece.atMs - LineMs(piece.bytes.size());
}

double Median(std::vector<double> values) {
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                   values.end());
  const double upper = values[middle];
  if (values.size() % 2 == 1) {
    return upper;
  }
  const double lower =
      *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  return (lower + upper) / 2;
}

}  // namespace

ReplyTimes ReplyTimesOf(const ExchangeTrace& trace) {
  ReplyTimes times;
  std::vector<double> reactions;
  for (const TracedExchange& exchange : trace.exchanges) {
    // Bytes before any command answer nothing.
    if (exchange.command.empty() || exchange.reply.empty()) {
      continue;
    }
    const double commandEnd = exchange.sentMs + LineMs(exchange.command.size());
    reactions.push_back(std::max(0.0, StartMs(exchange.reply.front()) - commandEnd));
    for (std::size_t i = 1; i < exchange.reply.size(); ++i) {
      const double pause = StartMs(exchange.reply[i]) - exchange.reply[i - 1].atMs;
      times.longestPauseMs = std::max(times.longestPauseMs, pause);
    }
  }
  if (reactions.empty()) {
    return times;
  }
  times.replies = static_cast<int>(reactions.size());
  const auto [least, most] = std::minmax_element(reactions.begin(), reactions.end());
  times.leastReactionMs = *least;
  times.mostReactionMs = *most;
  times.medianReactionMs = Median(reactions);
  return times;
}
