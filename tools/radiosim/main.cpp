#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "radio/hex_text.h"
#include "radio/variants.h"
#include "tools/radiosim/pseudo_terminal_line.h"
#include "tools/radiosim/radio_simulator.h"

namespace {

constexpr const char* kUsage = R"(Usage: vexalon-radiosim [options]

Plays an HT-446 radio on a pseudo-terminal. Prints the device path to open as the
serial port (and the link, with --link) and answers until SIGINT or SIGTERM.

Radio:
  --variant E|E2|T       identity the radio answers with (default E)
  --image FILE           load the 1024-byte memory from FILE when it exists; otherwise
                         start from the demo memory (PMR channels 1-8 on rows 1-8)
  --save                 write the memory back to the --image FILE on exit
  --link PATH            make a symbolic link to the device at PATH (an older link
                         there is replaced, a file never); removed on exit
  --log FILE             append every command received to FILE, one hex line each
  --reaction-delay MS    time the radio takes before it answers (default 2)
  --no-pacing            send replies at once instead of at 9600 baud line speed
  --burst-ms N           hand replies over in bursts every N ms, as a USB adapter with
                         a latency timer does (an FTDI chip's is 16 ms; default 0: off)
  --quiet                do not report skipped bytes and other notes on stderr

Faults:
  HEX is bytes in hex, spaces allowed ("00 00"); ADDR is a hex address.

  --bare-ack ZEROS       answer the programming-mode command with 06 behind ZEROS
                         (0 to 3) bytes 00 first; the resend gets the identity
  --ack-every-program    answer every programming-mode command with 06
  --program-reply HEX    answer the programming-mode command with HEX; an identity of
                         a variant no program knows is e.g. "50 33 31 35 35 F0 58 20"
  --silent               answer nothing
  --split-identity K:G   pause G ms after the first K bytes of the identity reply
  --split-read K:G       pause G ms after the first K bytes of every read reply
  --read-length L[@ADDR]
                         cut read replies (or the one for ADDR) to L bytes
  --write-reply ADDR=HEX
                         answer a write to ADDR with HEX (empty for nothing)
  --write-stores ADDR=HEX
                         acknowledge a write to ADDR but store HEX instead of its data
  --refuse-writes-from ADDR
                         store no write to ADDR or above and answer those with 15
  --fail-reads ADDR-ADDR
                         answer reads of the addresses in that range with the header
                         alone
  --refuse-reads ADDR-ADDR
                         answer reads of the addresses in that range with 15, as a
                         radio that does not let them be read (bank 1 is 100-1FF, the
                         tone index tables 290-2BF)
  --unanswered-reads ADDR-ADDR
                         answer nothing to reads of the addresses in that range
  --never-quiet          send a filler byte every few ms, so the line never falls quiet
  --noise HEX            send HEX ahead of every reply
  --extra KIND:HEX       send HEX after every reply to commands of KIND (program, ack,
                         read, write)
  --delay KIND:MS[@ADDR]
                         answer commands of KIND (program, ack, read, write), or only
                         the one for ADDR, MS later than usual
  --pull-after N         pull the cable once the N-th command has been answered
  --help                 show this text
)";

std::uint16_t ParseAddress(const std::string& text) {
  const unsigned long value = std::stoul(text, nullptr, 16);
  if (value > 0xFFFF) {
    throw std::invalid_argument("address out of range: " + text);
  }
  return static_cast<std::uint16_t>(value);
}

ByteString ParseHex(const std::string& text) {
  std::string digits;
  for (const char c : text) {
    if (c != ' ' && c != ':') {
      digits += c;
    }
  }
  if (digits.size() % 2 != 0 ||
      digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
    throw std::invalid_argument("not hex bytes: " + text);
  }
  ByteString bytes;
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

// "A<separator>B" split at the first separator; B empty when there is none.
std::pair<std::string, std::string> SplitAt(const std::string& text, char separator) {
  const auto at = text.find(separator);
  if (at == std::string::npos) {
    return {text, ""};
  }
  return {text.substr(0, at), text.substr(at + 1)};
}

std::pair<std::uint16_t, std::uint16_t> ParseRange(const std::string& text) {
  const auto [first, last] = SplitAt(text, '-');
  return {ParseAddress(first), ParseAddress(last)};
}

SimCommand ParseKind(const std::string& text) {
  static const std::map<std::string, SimCommand> kinds = {{"program", SimCommand::Program},
                                                          {"ack", SimCommand::Acknowledge},
                                                          {"read", SimCommand::Read},
                                                          {"write", SimCommand::Write}};
  const auto kind = kinds.find(text);
  if (kind == kinds.end()) {
    throw std::invalid_argument("unknown command kind: " + text);
  }
  return kind->second;
}

RadioVariant ParseVariant(const std::string& text) {
  for (std::size_t i = 0; i < kKnownVariants.size(); ++i) {
    if (text == kKnownVariants[i].name) {
      return static_cast<RadioVariant>(i);
    }
  }
  throw std::invalid_argument("unknown variant: " + text);
}

void SetSplit(RadioSimulator& radio, SimCommand kind, const std::string& text) {
  const auto [after, gap] = SplitAt(text, ':');
  radio.SetReplySplit(kind, std::stoul(after), std::stoi(gap));
}

struct Settings {
  std::string image;
  bool save = false;
  std::string link;
  std::string log;
  bool quiet = false;
};

// Applies the command line to the radio; throws std::invalid_argument on a bad option.
Settings Configure(RadioSimulator& radio, int argc, char** argv) {
  Settings settings;
  using Handler = std::function<void(const std::string&)>;
  const std::map<std::string, Handler> withValue = {
      {"--variant", [&](const std::string& v) { radio.SetVariant(ParseVariant(v)); }},
      {"--image", [&](const std::string& v) { settings.image = v; }},
      {"--link", [&](const std::string& v) { settings.link = v; }},
      {"--log", [&](const std::string& v) { settings.log = v; }},
      {"--reaction-delay", [&](const std::string& v) { radio.SetReactionDelayMs(std::stoi(v)); }},
      {"--burst-ms", [&](const std::string& v) { radio.SetBurstMs(std::stoi(v)); }},
      {"--bare-ack", [&](const std::string& v) { radio.SetBareAckBeforeIdentity(std::stoi(v)); }},
      {"--program-reply", [&](const std::string& v) { radio.SetProgramReply(ParseHex(v)); }},
      {"--split-identity", [&](const std::string& v) { SetSplit(radio, SimCommand::Program, v); }},
      {"--split-read", [&](const std::string& v) { SetSplit(radio, SimCommand::Read, v); }},
      {"--read-length",
       [&](const std::string& v) {
         const auto [length, address] = SplitAt(v, '@');
         radio.SetReadReplyLength(std::stoul(length), address.empty()
                                                          ? std::nullopt
                                                          : std::optional(ParseAddress(address)));
       }},
      {"--write-reply",
       [&](const std::string& v) {
         const auto [address, reply] = SplitAt(v, '=');
         radio.SetWriteReply(ParseAddress(address), ParseHex(reply));
       }},
      {"--write-stores",
       [&](const std::string& v) {
         const auto [address, stored] = SplitAt(v, '=');
         radio.SetWriteStoredAs(ParseAddress(address), ParseHex(stored));
       }},
      {"--refuse-writes-from",
       [&](const std::string& v) { radio.SetWritesRefusedFrom(ParseAddress(v)); }},
      {"--fail-reads", [&](const std::string& v) { radio.SetReadsFailing(ParseRange(v)); }},
      {"--refuse-reads", [&](const std::string& v) { radio.SetReadsRefused(ParseRange(v)); }},
      {"--unanswered-reads",
       [&](const std::string& v) { radio.SetReadsUnanswered(ParseRange(v)); }},
      {"--noise", [&](const std::string& v) { radio.SetNoiseBeforeReplies(ParseHex(v)); }},
      {"--extra",
       [&](const std::string& v) {
         const auto [kind, hex] = SplitAt(v, ':');
         radio.SetExtraBytes(ParseKind(kind), ParseHex(hex));
       }},
      {"--delay",
       [&](const std::string& v) {
         const auto [kind, rest] = SplitAt(v, ':');
         const auto [ms, address] = SplitAt(rest, '@');
         radio.SetExtraDelay(ParseKind(kind), std::stoi(ms),
                             address.empty() ? std::nullopt : std::optional(ParseAddress(address)));
       }},
      {"--pull-after", [&](const std::string& v) { radio.PullCableAfter(std::stoul(v)); }},
  };
  const std::map<std::string, std::function<void()>> flags = {
      {"--save", [&] { settings.save = true; }},
      {"--no-pacing", [&] { radio.SetPacing(false); }},
      {"--quiet", [&] { settings.quiet = true; }},
      {"--ack-every-program", [&] { radio.SetAckToEveryProgram(true); }},
      {"--silent", [&] { radio.SetSilent(true); }},
      {"--never-quiet", [&] { radio.SetNeverQuiet(true); }},
  };
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (const auto flag = flags.find(option); flag != flags.end()) {
      flag->second();
    } else if (const auto handler = withValue.find(option); handler != withValue.end()) {
      if (i + 1 == argc) {
        throw std::invalid_argument(option + " needs a value");
      }
      handler->second(argv[++i]);
    } else {
      throw std::invalid_argument("unknown option: " + option);
    }
  }
  if (settings.save && settings.image.empty()) {
    throw std::invalid_argument("--save needs --image FILE");
  }
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--help") {
      std::cout << kUsage;
      return 0;
    }
  }
  RadioSimulator radio;
  PseudoTerminalLine line(radio);
  Settings settings;
  try {
    settings = Configure(radio, argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "vexalon-radiosim: " << error.what() << "\nTry --help.\n";
    return 2;
  }

  std::ofstream log;
  if (!settings.log.empty()) {
    log.open(settings.log, std::ios::app);
    if (!log) {
      std::cerr << "vexalon-radiosim: cannot write " << settings.log << "\n";
      return 1;
    }
    radio.SetCommandObserver(
        [&log](const ByteString& command) { log << HexBytes(command, " ") << std::endl; });
  }
  if (!settings.quiet) {
    radio.SetNoteObserver(
        [](const std::string& note) { std::cerr << "vexalon-radiosim: " << note << "\n"; });
  }

  // Blocked before the line's thread starts, so that it inherits the mask and only
  // sigwait below ever takes these signals.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  try {
    if (!settings.image.empty() && std::filesystem::exists(settings.image)) {
      radio.LoadImage(settings.image);
    }
    if (!settings.link.empty()) {
      line.SetLinkPath(settings.link);
    }
    line.Start();
  } catch (const std::exception& error) {
    std::cerr << "vexalon-radiosim: " << error.what() << "\n";
    return 1;
  }
  std::cout << line.PortPath() << "\n";
  if (!settings.link.empty()) {
    std::cout << settings.link << "\n";
  }
  std::cout.flush();

  int signal = 0;
  sigwait(&stopSignals, &signal);

  if (settings.save) {
    try {
      radio.SaveImage(settings.image);
    } catch (const std::exception& error) {
      std::cerr << "vexalon-radiosim: " << error.what() << "\n";
      return 1;
    }
  }
  return 0;
}
