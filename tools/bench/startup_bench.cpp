#include "tools/bench/startup_bench.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/program_identity.h"
#include "radio/deadline.h"
#include "ui/unit_mainform.h"

extern char** environ;

namespace {

constexpr double kKilobytesPerMegabyte = 1024.0;

long long MonotonicNanoseconds() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(SteadyClock::now().time_since_epoch())
      .count();
}

// Notes when the window's first paint, children and all, is done and quits then.
class FirstPaintWatcher : public QObject {
 public:
  long long paintedAt = 0;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // The repaint of every child ends before the next timer runs.
      QTimer::singleShot(0, [this] {
        paintedAt = MonotonicNanoseconds();
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

std::string ReadAll(int fd) {
  std::string text;
  char buffer[256];
  ssize_t got = 0;
  while ((got = read(fd, buffer, sizeof buffer)) > 0) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text;
}

StartupSample ProbeOnce() {
  int output[2];
  if (pipe(output) != 0) {
    throw std::runtime_error("no pipe for the start-up probe");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, output[0]);
  std::string name = "vexalon-bench";
  std::string probeSwitch = kStartupProbeSwitch;
  char* arguments[] = {name.data(), probeSwitch.data(), nullptr};

  const long long started = MonotonicNanoseconds();
  pid_t child = 0;
  const int failed = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, arguments, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  const std::string line = failed == 0 ? ReadAll(output[0]) : std::string();
  close(output[0]);
  int status = 0;
  if (failed != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    throw std::runtime_error("the start-up probe failed");
  }

  long long painted = 0;
  long peakKilobytes = 0;
  std::istringstream fields(line);
  if (!(fields >> painted >> peakKilobytes)) {
    throw std::runtime_error("the start-up probe printed no figures: " + line);
  }
  return {static_cast<double>(painted - started) / 1e6,
          static_cast<double>(peakKilobytes) / kKilobytesPerMegabyte};
}

}  // namespace

int RunStartupProbe(int argc, char* argv[]) {
  QApplication application(argc, argv);
  SetProgramIdentity();
  Tmainform mainform;
  FirstPaintWatcher watcher;
  mainform.installEventFilter(&watcher);
  mainform.show();
  application.exec();

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%lld %ld\n", watcher.paintedAt, usage.ru_maxrss);
  return 0;
}

std::vector<StartupSample> BenchStartup(int runs) {
  std::vector<StartupSample> samples;
  for (int run = 0; run < runs; ++run) {
    samples.push_back(ProbeOnce());
  }
  return samples;
}
