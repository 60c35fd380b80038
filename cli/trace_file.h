#pragma once

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/context.h"
#include "radio/exchange_trace.h"
#include "radio/serial_link.h"

// With --trace, one radio's exchanges: recorded while its transfer runs, then kept in a file
// of its own in the trace folder, named by port and time, with the program's version and
// what the system says of the port's device. Without --trace it records nothing.
class RadioTrace {
 public:
  // `command` names the transfer in the file: "read", "write", ...
  RadioTrace(const Context& context, TBlockSerial& link, RadioId radio, std::string command);
  ~RadioTrace();
  RadioTrace(const RadioTrace&) = delete;
  RadioTrace& operator=(const RadioTrace&) = delete;

  // Writes the file once the transfer has ended; adds to the radio's closing lines where it
  // went, or why it could not, and the file to its JSON object.
  void Save(TransferEnd end, std::vector<std::string>& closing, nlohmann::ordered_json& json);

 private:
  const std::string& folder_;
  TBlockSerial& link_;
  const RadioId radio_;
  const std::string command_;
  const std::chrono::system_clock::time_point began_;
  ExchangeTrace trace_;
};

// "ttyUSB0-20261210-141503" for /dev/ttyUSB0 at that local time; "-2" after the port for
// the second radio of --repeat on it.
std::string TraceFileStem(const RadioId& radio, std::chrono::system_clock::time_point began);
