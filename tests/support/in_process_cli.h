#pragma once

// vexalon-cli's commands run in this process as a user gives them: each port's link on a
// line to a simulated radio in simulated time, Ctrl+C pressed by the test, and stdout and
// stderr captured as the program would print them.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "files/plan_file.h"
#include "tests/support/temp_folder.h"
#include "tools/radiosim/simulated_line.h"

struct Ran {
  int status = -1;
  std::string out;
  std::string err;
};

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) {
    lines.push_back(line);
  }
  return lines;
}

// Ctrl+C as the test presses it.
class Presses : public Interrupts {
 public:
  explicit Presses(std::function<void(int)> heard) : heard_(std::move(heard)) {}
  int Count() const override { return count_; }
  void Press() { heard_(++count_); }

 private:
  std::function<void(int)> heard_;
  std::atomic<int> count_{0};
};

// Sees stdout and stderr as they have grown after each write, on the thread that wrote. It
// may act on the radios and set actions on a line's clock, but print nothing.
using Watch = std::function<void(const std::string& out, const std::string& err)>;

class Cli : public testing::Test {
 protected:
  // Every run keeps its backups, and anything else it might put in the user's data folder,
  // in the test's own folder.
  void SetUp() override { setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1); }

  Ran Run(const std::vector<std::string>& arguments, const Watch& watch = {}) {
    Ran ran;
    std::mutex mutex;
    const auto stream = [&](std::string Ran::*text) {
      return [&, text](const std::string& written) {
        std::string out;
        std::string err;
        {
          const std::lock_guard lock(mutex);
          ran.*text += written;
          out = ran.out;
          err = ran.err;
        }
        if (watch) {
          watch(out, err);
        }
      };
    };
    Platform platform;
    platform.out = stream(&Ran::out);
    platform.err = stream(&Ran::err);
    // A port no radio's line answers to fails to open, as a missing device does.
    platform.makeLink = [this](const std::string& name) {
      SimulatedLine* on = lines.front();
      for (SimulatedLine* candidate : lines) {
        if (candidate->PortName() == name) {
          on = candidate;
        }
      }
      return std::make_unique<TBlockSerial>(*on, on->Clock());
    };
    platform.watchInterrupts = [this](std::function<void(int)> heard) {
      auto made = std::make_unique<Presses>(std::move(heard));
      presses = made.get();
      return made;
    };
    std::vector<std::string> argv = {"vexalon-cli"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<const char*> pointers;
    for (const std::string& argument : argv) {
      pointers.push_back(argument.c_str());
    }
    ran.status = RunCommandLine(static_cast<int>(pointers.size()), pointers.data(), platform);
    presses = nullptr;
    return ran;
  }
  // Ctrl+C at the next moment the link on that line waits, when nothing is being printed.
  void PressCtrlC(SimulatedLine& on) {
    on.Clock().After(std::chrono::milliseconds(0), [this] { presses->Press(); });
  }
  std::vector<std::filesystem::path> Backups(const std::string& in) const {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(in, error)) {
      files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
  }
  std::string PlanFile(const ChannelPlan& plan, const std::string& name = "plan.ini") {
    const std::string path = folder / name;
    EXPECT_TRUE(SavePlanFile(path, plan).failure.Text().empty());
    return path;
  }

  TempFolder folder;
  const std::string backups = folder / "backups";
  RadioSimulator radio;
  SimulatedLine line{radio};
  const std::string port = line.PortName();
  // Every radio's line, by the port name it answers to.
  std::vector<SimulatedLine*> lines = {&line};
  Presses* presses = nullptr;
};
