#include "cli/console.h"

#include <algorithm>

namespace {

constexpr int kBarWidth = 30;

std::string ProgressText(const std::string& radio, int done, int total) {
  const int filled = total > 0 ? std::clamp(done * kBarWidth / total, 0, kBarWidth) : 0;
  return radio + "  [" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "]  " +
         std::to_string(done) + "/" + std::to_string(total);
}

}  // namespace

void Console::Log(const std::string& label, const std::string& text) {
  if (!quiet_) {
    Print(label, text);
  }
}

void Console::Say(const std::string& label, const std::string& text) {
  Print(label, text);
}

void Console::Out(const std::string& text) {
  const std::lock_guard lock(mutex_);
  out_(text);
}

void Console::Progress(const std::string& radio, int done, int total) {
  if (!progressLines_ || quiet_) {
    return;
  }
  const std::lock_guard lock(mutex_);
  const std::string text = ProgressText(radio, done, total);
  const auto shown = std::find_if(progress_.begin(), progress_.end(),
                                  [&](const auto& line) { return line.first == radio; });
  if (shown != progress_.end() && shown->second == text) {
    return;
  }
  EraseProgress();
  if (shown == progress_.end()) {
    progress_.emplace_back(radio, text);
  } else {
    shown->second = text;
  }
  DrawProgress();
}

void Console::EndProgress(const std::string& radio) {
  const std::lock_guard lock(mutex_);
  const auto shown = std::find_if(progress_.begin(), progress_.end(),
                                  [&](const auto& line) { return line.first == radio; });
  if (shown == progress_.end()) {
    return;
  }
  EraseProgress();
  progress_.erase(shown);
  DrawProgress();
}

// Every line of the text gets the label, so that a line broken in two still says whose it is.
void Console::Print(const std::string& label, const std::string& text) {
  std::string lines;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find('\n', begin);
    end = end == std::string::npos ? text.size() : end;
    std::string line = text.substr(begin, end - begin);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines += (label.empty() ? "" : label + ": ") + line + "\n";
    begin = end + 1;
  }
  const std::lock_guard lock(mutex_);
  EraseProgress();
  err_(lines);
  DrawProgress();
}

// The cursor stands below the progress lines; up to the first of them, and clear to the end.
void Console::EraseProgress() {
  if (!progress_.empty()) {
    err_("\x1b[" + std::to_string(progress_.size()) + "A\x1b[J");
  }
}

void Console::DrawProgress() {
  std::string lines;
  for (const auto& [radio, text] : progress_) {
    lines += text + "\n";
  }
  if (!lines.empty()) {
    err_(lines);
  }
}
