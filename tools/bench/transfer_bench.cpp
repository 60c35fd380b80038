#include "tools/bench/transfer_bench.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <memory>
#include <stdexcept>

#include "tools/bench/event_gap_meter.h"
#include "tools/bench/line_floor.h"
#include "tools/bench/unattended_dialogs.h"
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

void CheckCompleted(Tmainform& window, const UnattendedDialogs& dialogs, const char* what) {
  const QString log = FindControl<QPlainTextEdit>(&window, std::string("debug"))->toPlainText();
  if (!log.endsWith(QStringLiteral("Done!")) || !dialogs.shown.isEmpty()) {
    throw std::runtime_error(std::string(what) + " did not complete:\n" + log.toStdString() + "\n" +
                             dialogs.shown.join('\n').toStdString());
  }
}

void RunOnce(Tmainform& window, const UnattendedDialogs& dialogs, RadioSimulator& radio, bool write,
             int reactionDelayMs, TransferFigures& figures) {
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
  figures.longestEventGapMs.push_back(meter.Stop());
  CheckCompleted(window, dialogs, write ? "write" : "read");

  const std::vector<ByteString> commands = radio.CommandLog();
  const double floorMs = ProtocolFloorMs(commands, radio.ReplyLog(), reactionDelayMs);
  figures.exchanges = commands.size();
  figures.wallMs.push_back(wallMs);
  figures.floorMs.push_back(floorMs);
  figures.ratios.push_back(wallMs / floorMs);
}

}  // namespace

TransferBench BenchTransfers(int runs, int reactionDelayMs, int burstMs) {
  RadioSimulator radio;
  radio.SetPacing(true);
  radio.SetReactionDelayMs(reactionDelayMs);
  radio.SetBurstMs(burstMs);
  radio.Start();

  auto dialogs = std::make_unique<UnattendedDialogs>();
  const UnattendedDialogs& shown = *dialogs;
  Tmainform window(std::move(dialogs));
  window.show();
  ChoosePort(window, radio.PortPath());

  TransferBench bench;
  for (int run = 0; run < runs; ++run) {
    RunOnce(window, shown, radio, false, reactionDelayMs, bench.read);
    RunOnce(window, shown, radio, true, reactionDelayMs, bench.write);
  }
  return bench;
}
