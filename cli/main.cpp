// vexalon-cli: HT-446 radios programmed from the command line, several at once.
#include <cstdio>

#include "cli/command_line.h"
#include "cli/terminal.h"

namespace {

void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

}  // namespace

int main(int argc, char** argv) {
  PrepareConsole();
  Platform platform;
  platform.out = [](const std::string& text) { Write(stdout, text); };
  platform.err = [](const std::string& text) { Write(stderr, text); };
  platform.stderrRedraws = StderrRedraws();
  platform.makeLink = [](const std::string&) { return std::make_unique<TBlockSerial>(); };
  platform.watchInterrupts = [](std::function<void(int)> heard) {
    return std::make_unique<InterruptWatch>(std::move(heard));
  };
  return RunCommandLine(argc, argv, platform);
}
