// One radio operation through the Windows serial link, as the program runs it, with
// what it saw printed for the test on the Linux side, which plays the radio.
// Usage: serial_probe PORT handshake|read|write, or serial_probe ports
//   handshake  programming mode without a wait handler; prints "outcome <kind> <variant>"
//   read       the whole read; prints "log <line>" and "control <name>=<value>" for the plan read
//   write      the whole write of a plan with every channel different; prints "log <line>"
//   ports      the port list in its order; prints "port <path> <item text>" or "separator"
// Every operation ends with "elapsed_ms <n>".
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "radio/protocol.h"
#include "radio/read_plan.h"
#include "radio/serial_link.h"
#include "radio/serial_ports.h"
#include "radio/transfers.h"
#include "tests/support/distinct_plan.h"
#include "tests/support/kept_backups.h"
#include "tests/support/recording_observer.h"

namespace {

const char* KindName(HandshakeOutcome::Kind kind) {
  switch (kind) {
    case HandshakeOutcome::Identified:
      return "Identified";
    case HandshakeOutcome::RadioNotConnected:
      return "RadioNotConnected";
    case HandshakeOutcome::NoResponse:
      return "NoResponse";
    case HandshakeOutcome::UnknownResponse:
      return "UnknownResponse";
  }
  return "?";
}

void Handshake(const std::string& port) {
  TBlockSerial serial;
  serial.OpenPort(port);
  serial.ConfigureLine(kRadioLine.baudRate, kRadioLine.dataBits, kRadioLine.parity,
                       kRadioLine.stopBits, false, false);
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  std::cout << "outcome " << KindName(outcome.kind) << ' ' << outcome.ModelVariant << '\n';
  serial.ClosePort();
}

void Transfer(const std::string& port, bool write) {
  RecordingObserver observer;
  TBlockSerial serial;
  std::vector<std::string> log;
  if (write) {
    KeptBackups backups;
    log = observer.LogWith(WriteRadio(serial, port, DistinctPlan(false), observer, backups));
  } else {
    const ReadOutcome outcome = ReadRadio(serial, port, observer);
    log = observer.LogWith(outcome);
    for (const auto& [name, value] : PlanValues(PlanFromRead(outcome).plan)) {
      std::cout << "control " << name << '=' << value << '\n';
    }
  }
  for (const std::string& line : log) {
    std::cout << "log " << line << '\n';
  }
}

void PrintPorts() {
  for (const SerialPortEntry& port : AvailableSerialPorts()) {
    if (port.separator) {
      std::cout << "separator\n";
    } else {
      std::cout << "port " << port.path << ' ' << PortItemText(port) << '\n';
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string operation = argc >= 2 ? argv[argc - 1] : "";
  const bool onPort = operation != "ports";
  if (argc != (onPort ? 3 : 2)) {
    std::cerr << "usage: serial_probe PORT handshake|read|write, or serial_probe ports\n";
    return 2;
  }
  const std::string port = onPort ? argv[1] : "";
  const auto start = std::chrono::steady_clock::now();
  if (operation == "ports") {
    PrintPorts();
  } else if (operation == "handshake") {
    Handshake(port);
  } else if (operation == "read" || operation == "write") {
    Transfer(port, operation == "write");
  } else {
    std::cerr << "unknown operation: " << operation << '\n';
    return 2;
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  std::cout << "elapsed_ms "
            << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() << '\n';
  return 0;
}
