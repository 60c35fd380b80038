#include "radio/exchange_trace.h"

#include <charconv>

#include "radio/hex_text.h"

namespace {

// Wide enough for a transfer of several minutes, so the columns stay aligned.
constexpr std::size_t kTimeWidth = 9;

// to_chars ignores the C locale, which Qt sets from the environment: a report from a
// German desktop still reads "12.3".
std::string Milliseconds(double ms) {
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, ms, std::chars_format::fixed, 1).ptr;
  return std::string(buffer, end);
}

std::string TimeColumn(double ms) {
  const std::string time = Milliseconds(ms);
  return std::string(kTimeWidth > time.size() ? kTimeWidth - time.size() : 0, ' ') + time;
}

std::string ReplyLine(const std::vector<TracePiece>& reply) {
  if (reply.empty()) {
    return std::string(kTimeWidth, ' ') + "  <  nothing\n";
  }
  std::string bytes;
  std::string times;
  for (const TracePiece& piece : reply) {
    bytes += (bytes.empty() ? "" : " | ") + HexBytes(piece.bytes, " ");
    times += (times.empty() ? "" : ", ") + Milliseconds(piece.atMs);
  }
  std::string line = TimeColumn(reply.front().atMs) + "  <  " + bytes;
  if (reply.size() > 1) {
    line += "  (pieces at " + times + ")";
  }
  return line + '\n';
}

}  // namespace

std::string ExchangeTraceText(const ExchangeTrace& trace) {
  std::string text = "Port " + trace.port + ": " + std::to_string(trace.exchanges.size()) +
                     " exchanges, times in ms since it was opened; > sent, < received\n";
  for (const TracedExchange& exchange : trace.exchanges) {
    if (!exchange.command.empty()) {
      text += TimeColumn(exchange.sentMs) + "  >  " + HexBytes(exchange.command, " ") + '\n';
    }
    text += ReplyLine(exchange.reply);
  }
  return text;
}
