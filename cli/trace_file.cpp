#include "cli/trace_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "cli/json_report.h"
#include "files/backup_file.h"
#include "files/whole_file.h"
#include "radio/port_device.h"
#include "radio/program_version.h"

namespace {

namespace fs = std::filesystem;

// Names tried in one folder for one radio and second before giving up.
constexpr int kMostNamesTried = 100;

// The port as a file name keeps: "/dev/serial/by-id/usb-FTDI" as "serial_by-id_usb-FTDI",
// "\\.\COM12" as "COM12", "/tmp/radio" as "tmp_radio".
std::string PortInName(std::string port) {
  for (const std::string_view prefix : {"/dev/", "\\\\.\\"}) {
    if (port.starts_with(prefix)) {
      port.erase(0, prefix.size());
    }
  }
  std::replace_if(
      port.begin(), port.end(),
      [](unsigned char c) { return std::isalnum(c) == 0 && c != '-' && c != '.'; }, '_');
  return port.substr(std::min(port.find_first_not_of('_'), port.size()));
}

std::string TraceFileText(const std::string& command, const RadioId& radio,
                          std::chrono::system_clock::time_point began, TransferEnd end,
                          const ExchangeTrace& trace) {
  return "Vexalon " + ProgramVersion() + " (" + ProgramBuild() + "), vexalon-cli " + command +
         "\nRadio: " + RadioName(radio) + "\nBegan: " + BackupTimeText(began) +
         "\nDevice: " + PortDeviceLine(DescribePortDevice(radio.port)).Text() +
         "\nResult: " + ResultText(end) + "\n\n" + ExchangeTraceText(trace);
}

}  // namespace

std::string TraceFileStem(const RadioId& radio, std::chrono::system_clock::time_point began) {
  std::string time = BackupTimeText(began);
  std::erase_if(time, [](char c) { return c == '-' || c == ':'; });
  std::replace(time.begin(), time.end(), ' ', '-');
  const std::string number = radio.number > 0 ? "-" + std::to_string(radio.number) : "";
  return PortInName(radio.port) + number + "-" + time;
}

RadioTrace::RadioTrace(const Context& context, TBlockSerial& link, RadioId radio,
                       std::string command)
    : folder_(context.options.traceDir),
      link_(link),
      radio_(std::move(radio)),
      command_(std::move(command)),
      began_(std::chrono::system_clock::now()) {
  if (!folder_.empty()) {
    link_.SetTrace(&trace_);
  }
}

RadioTrace::~RadioTrace() {
  link_.SetTrace(nullptr);
}

void RadioTrace::Save(TransferEnd end, std::vector<std::string>& closing,
                      nlohmann::ordered_json& json) {
  if (folder_.empty()) {
    return;
  }
  link_.SetTrace(nullptr);
  const std::string text = TraceFileText(command_, radio_, began_, end, trace_);
  const std::string stem =
      (fs::path(folder_) / ("vexalon-trace-" + TraceFileStem(radio_, began_))).string();
  for (int attempt = 1; attempt <= kMostNamesTried; ++attempt) {
    const std::string path =
        stem + (attempt == 1 ? "" : " (" + std::to_string(attempt) + ")") + ".txt";
    switch (WriteNewFile(path, text)) {
      case NewFile::Written:
        closing.push_back("The trace of its exchanges is in " + path + ".");
        json["trace_file"] = path;
        return;
      case NewFile::NameTaken:
        continue;
      case NewFile::Failed:
        break;
    }
    closing.push_back("Unable to write the trace to " + path + ".");
    json["trace_file"] = nullptr;
    return;
  }
  closing.push_back("The trace folder " + folder_ + " holds too many traces of this second.");
  json["trace_file"] = nullptr;
}
