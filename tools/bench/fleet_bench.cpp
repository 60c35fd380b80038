#include "tools/bench/fleet_bench.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "files/plan_file.h"
#include "radio/deadline.h"
#include "tools/bench/bench_plan.h"
#include "tools/radiosim/pseudo_terminal_line.h"
#include "tools/radiosim/radio_simulator.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kTries = 3;

// A folder of the bench's own for the plan and every backup the writes keep.
class BenchFolder {
 public:
  BenchFolder() : path_(fs::temp_directory_path() / ("vexalon-fleet-" + std::to_string(getpid()))) {
    fs::create_directories(path_);
  }
  ~BenchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

// The program's exit status; its output goes nowhere, so that no terminal slows it.
int RunQuietly(std::vector<std::string> arguments) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_RDWR, 0);
  }
  std::vector<char*> argv;
  for (std::string& argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0) {
    throw std::runtime_error("cannot start " + arguments[0]);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::vector<FleetFigures> BenchFleet(const std::string& command, const std::vector<int>& sizes,
                                     int runs, int reactionDelayMs) {
  const BenchFolder folder;
  const std::string plan = folder / "plan.ini";
  if (!SavePlanFile(plan, BenchPlan()).failure.format.empty()) {
    throw std::runtime_error("cannot save the bench's plan in " + plan);
  }
  std::vector<FleetFigures> fleets;
  for (const int size : sizes) {
    std::vector<std::unique_ptr<RadioSimulator>> radios;
    std::vector<std::unique_ptr<PseudoTerminalLine>> lines;
    std::vector<std::string> arguments = {command, "write", "--quiet", "--backup-dir",
                                          folder / "backups"};
    for (int i = 0; i < size; ++i) {
      radios.push_back(std::make_unique<RadioSimulator>());
      radios.back()->SetPacing(true);
      radios.back()->SetReactionDelayMs(reactionDelayMs);
      lines.push_back(std::make_unique<PseudoTerminalLine>(*radios.back()));
      lines.back()->Start();
      arguments.insert(arguments.end(), {"--port", lines.back()->PortPath()});
    }
    arguments.push_back(plan);
    FleetFigures figures;
    figures.radios = size;
    for (int run = 0; run < runs; ++run) {
      for (int attempt = 1;; ++attempt) {
        const auto start = SteadyClock::now();
        const int status = RunQuietly(arguments);
        const double wallMs =
            std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
        if (status == 0) {
          figures.wallMs.push_back(wallMs);
          break;
        }
        if (attempt == kTries) {
          throw std::runtime_error("vexalon-cli failed to write " + std::to_string(size) +
                                   " radios " + std::to_string(kTries) + " times in a row");
        }
        ++figures.repeated;
      }
    }
    fleets.push_back(figures);
  }
  return fleets;
}
