#include "tools/bench/transfer_bench.h"

#include <unistd.h>
#include <QComboBox>
#include <QPlainTextEdit>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "tools/bench/event_gap_meter.h"
#include "tools/bench/line_floor.h"
#include "tools/bench/unattended_dialogs.h"
#include "tools/radiosim/pseudo_terminal_line.h"
#include "tools/radiosim/radio_simulator.h"
#include "ui/control_lookup.h"
#include "ui/unit_mainform.h"

namespace {

void ChoosePort(Tmainform& window, const std::string& path) {
  auto* ports = FindControl<QComboBox>(&window, std::string("comport"));
  ports->addItem(QString::fromStdString(path), QString::fromStdString(path));
  ports->setCurrentIndex(ports->count() - 1);
  window.comportChange();
}

// The transfer went well when its last line says so and no dialog asked anything (a write
// asks when a backup read failed).
bool Completed(Tmainform& window, const UnattendedDialogs& dialogs) {
  const QString log = FindControl<QPlainTextEdit>(&window, std::string("debug"))->toPlainText();
  return dialogs.shown.isEmpty() && log.endsWith(QStringLiteral("Done!"));
}

// Runs the transfer until it ends "Done!", at most kTries times, and keeps that run's
// figures; after kTries failures it gives the run up.
void RunUntilDone(Tmainform& window, UnattendedDialogs& dialogs, RadioSimulator& radio, bool write,
                  int reactionDelayMs, TransferFigures& figures) {
  constexpr int kTries = 3;
  for (int attempt = 1;; ++attempt) {
    EventGapMeter meter;
    radio.ClearCommandLog();
    meter.Start();
    const auto start = SteadyClock::now();
    if (write) {
      window.cmdWriteClick();
    } else {
      window.cmdReadRadioClick();
    }
    const double wallMs =
        std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
    const double gapMs = meter.Stop();
    if (Completed(window, dialogs)) {
      const std::vector<ByteString> commands = radio.CommandLog();
      const double floorMs = ProtocolFloorMs(commands, radio.ReplyLog(), reactionDelayMs);
      figures.exchanges = commands.size();
      figures.wallMs.push_back(wallMs);
      figures.floorMs.push_back(floorMs);
      figures.ratios.push_back(wallMs / floorMs);
      figures.longestEventGapMs.push_back(gapMs);
      return;
    }
    if (attempt == kTries) {
      dialogs.shown.clear();
      ++figures.givenUp;
      return;
    }
    dialogs.shown.clear();
    ++figures.repeated;
  }
}

}  // namespace

// The backups every write keeps go to a folder of the bench's own, not to the user's.
class BackupsElsewhere {
 public:
  BackupsElsewhere()
      : folder_(std::filesystem::temp_directory_path() /
                ("vexalon-bench-" + std::to_string(getpid()))) {
    setenv("XDG_DATA_HOME", folder_.c_str(), 1);
  }
  ~BackupsElsewhere() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  BackupsElsewhere(const BackupsElsewhere&) = delete;
  BackupsElsewhere& operator=(const BackupsElsewhere&) = delete;

 private:
  std::filesystem::path folder_;
};

TransferBench BenchTransfers(int runs, int reactionDelayMs, int burstMs) {
  const BackupsElsewhere backups;
  RadioSimulator radio;
  radio.SetPacing(true);
  radio.SetReactionDelayMs(reactionDelayMs);
  radio.SetBurstMs(burstMs);
  PseudoTerminalLine line(radio);
  line.Start();

  auto dialogs = std::make_unique<UnattendedDialogs>();
  UnattendedDialogs& shown = *dialogs;
  Tmainform window(std::move(dialogs));
  window.show();
  ChoosePort(window, line.PortPath());

  TransferBench bench;
  for (int run = 0; run < runs; ++run) {
    RunUntilDone(window, shown, radio, false, reactionDelayMs, bench.read);
    RunUntilDone(window, shown, radio, true, reactionDelayMs, bench.write);
  }
  return bench;
}
