// vexalon-bench: prints how fast and how responsive Vexalon is. Figures only: it fails
// when a measurement goes wrong, never because a figure misses its goal.
#include <QApplication>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "app/program_identity.h"
#include "radio/protocol.h"
#include "tools/bench/changed_only_bench.h"
#include "tools/bench/file_bench.h"
#include "tools/bench/fleet_bench.h"
#include "tools/bench/startup_bench.h"
#include "tools/bench/summary.h"
#include "tools/bench/transfer_bench.h"

namespace {

constexpr int kStartupRuns = 5;
constexpr int kTransferRuns = 5;
constexpr int kFileRepetitions = 200;
constexpr int kFleetRuns = 3;
constexpr int kLargestFleet = 16;
constexpr int kReactionDelayMs = 2;
// An FTDI adapter's latency timer when the driver does not set low latency.
constexpr int kAdapterBurstMs = 16;

constexpr double kTransferRatioGoal = 1.02;
constexpr double kFleetRatioGoal = 1.10;
// Changed-only writes against the floor of the plain write of every block.
constexpr double kAlreadyHeldGoal = 1.0;
constexpr double kOneChannelGoal = 1.15;
constexpr double kEventGapGoalMs = 16;
constexpr double kStartupGoalMs = 250;
constexpr double kPeakMemoryGoalMb = 60;

enum class Goal { None, AtMost, Below };

struct Unit {
  const char* name;
  int decimals;
};
constexpr Unit kMs = {"ms", 1};
constexpr Unit kMb = {"MB", 1};
constexpr Unit kRatio = {"", 3};
constexpr Unit kFileMs = {"ms", 3};

void Row(const char* label, const Summary& figures, Unit unit, Goal goal = Goal::None,
         double limit = 0) {
  std::printf("  %-34s %10.*f %-2s %10.*f %-2s", label, unit.decimals, figures.min, unit.name,
              unit.decimals, figures.median, unit.name);
  if (goal != Goal::None) {
    const bool met = goal == Goal::AtMost ? figures.median <= limit : figures.median < limit;
    std::printf("   %s %g%s%s: %s", goal == Goal::AtMost ? "<=" : "<", limit,
                *unit.name != '\0' ? " " : "", unit.name, met ? "met" : "MISSED");
  }
  std::printf("\n");
}

void Header(const std::string& title) {
  std::printf("\n%-36s %10s    %10s      %s\n", title.c_str(), "min", "median", "goal (median)");
}

void PrintStartup(const std::vector<StartupSample>& samples) {
  std::vector<double> times;
  std::vector<double> memory;
  for (const StartupSample& sample : samples) {
    times.push_back(sample.toFirstPaintMs);
    memory.push_back(sample.peakMemoryMb);
  }
  Header("Start-up, " + std::to_string(samples.size()) + " fresh processes");
  Row("process start to first paint", Summarize(times), kMs, Goal::Below, kStartupGoalMs);
  Row("peak memory (ru_maxrss)", Summarize(memory), kMb, Goal::Below, kPeakMemoryGoalMb);
}

// The ratio's goal holds for a line that hands each byte over as it comes; bursts cost
// what they cost.
void PrintTransfer(const char* name, const TransferFigures& figures, bool ratioGoal) {
  std::printf("  %s, %zu exchanges\n", name, figures.exchanges);
  Row("  wall time of the click handler", Summarize(figures.wallMs), kMs);
  Row("  protocol floor", Summarize(figures.floorMs), kMs);
  Row("  wall / floor", Summarize(figures.ratios), kRatio, ratioGoal ? Goal::AtMost : Goal::None,
      kTransferRatioGoal);
  Row("  longest event gap", Summarize(figures.longestEventGapMs), kMs, Goal::Below,
      kEventGapGoalMs);
  if (figures.givenUp > 0) {
    std::printf("    (%d run%s given up after three failed tries)\n", figures.givenUp,
                figures.givenUp == 1 ? "" : "s");
  }
  if (figures.repeated > 0) {
    std::printf("    (%d run%s made again: a reply came later than the quiet gap allows)\n",
                figures.repeated, figures.repeated == 1 ? "" : "s");
  }
}

// Each fleet's time against the median time of one radio: what writing radios at once
// costs beside writing one.
void PrintFleets(const std::vector<FleetFigures>& fleets) {
  const double one = Summarize(fleets.front().wallMs).median;
  for (const FleetFigures& fleet : fleets) {
    const std::string radios =
        std::to_string(fleet.radios) + (fleet.radios == 1 ? " radio" : " radios");
    Row((radios + ", wall time").c_str(), Summarize(fleet.wallMs), kMs);
    if (fleet.radios > 1) {
      std::vector<double> ratios;
      for (const double wallMs : fleet.wallMs) {
        ratios.push_back(wallMs / one);
      }
      Row(("  " + radios + " / 1 radio").c_str(), Summarize(ratios), kRatio,
          fleet.radios == kLargestFleet ? Goal::AtMost : Goal::None, kFleetRatioGoal);
    }
    if (fleet.repeated > 0) {
      std::printf("    (%d run%s made again: a reply came later than the quiet gap allows)\n",
                  fleet.repeated, fleet.repeated == 1 ? "" : "s");
    }
  }
}

void PrintChangedOnly(const ChangedOnlyFigures& figures) {
  std::printf("  against the plain write's floor, %.1f ms\n", figures.plainWriteFloorMs);
  Row("already held / plain floor", Summarize(figures.heldRatios), kRatio, Goal::AtMost,
      kAlreadyHeldGoal);
  Row("one channel changed / plain floor", Summarize(figures.oneChannelRatios), kRatio,
      Goal::AtMost, kOneChannelGoal);
  Row("every block changed, wall time", Summarize(figures.everyBlockMs), kMs);
  Row("  wall / its own floor", Summarize(figures.everyBlockRatios), kRatio, Goal::AtMost,
      kTransferRatioGoal);
  if (figures.repeated > 0) {
    std::printf("    (%d run%s made again: a reply came later than the quiet gap allows)\n",
                figures.repeated, figures.repeated == 1 ? "" : "s");
  }
}

void PrintFiles(const FileBench& files) {
  Header("Plan file with settings, " + std::to_string(kFileRepetitions) + " of each");
  Row("save, normal mode", Summarize(files.normal.saveMs), kFileMs);
  Row("load, normal mode", Summarize(files.normal.loadMs), kFileMs);
  Row("save, advanced mode", Summarize(files.advanced.saveMs), kFileMs);
  Row("load, advanced mode", Summarize(files.advanced.loadMs), kFileMs);
}

void PrintDefinitions() {
  std::printf(
      "\nProtocol floor: per exchange the command's line time (%d bit times a byte at %d\n"
      "baud) and the %d ms quiet gap, plus for an answered command the reply's line time and\n"
      "the radio's reaction delay. Bursts: the radio's replies reach the program only every\n"
      "few ms, as through a USB adapter whose latency timer is left at its default. Longest\n"
      "event gap: the longest time between two deliveries of a 1 ms timer during the click\n"
      "handler, i.e. how long a click or a repaint had to wait. Radios at once: the whole\n"
      "program's run for a safe write of each radio on a port of its own.\n"
      "A save syncs the file and its folder to the disk, so its time follows the disk's.\n",
      kLineBitsPerByte, kRadioLine.baudRate, kQuietGapMs);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 2 && std::strcmp(argv[1], kStartupProbeSwitch) == 0) {
    return RunStartupProbe(argc, argv);
  }
  if (argc != 1) {
    std::fprintf(stderr, "usage: vexalon-bench\n");
    return 2;
  }
  try {
    std::printf(
        "Vexalon benchmark: the real window offscreen, the simulated radio at real line\n"
        "pacing with a reaction delay of %d ms.\n",
        kReactionDelayMs);
    // First, while this process is small: a probe inherits nothing but its start.
    PrintStartup(BenchStartup(kStartupRuns));
    std::fflush(stdout);

    QApplication application(argc, argv);
    SetProgramIdentity();
    Header("Transfers, " + std::to_string(kTransferRuns) + " runs each");
    const TransferBench transfers = BenchTransfers(kTransferRuns, kReactionDelayMs, 0);
    PrintTransfer("read", transfers.read, true);
    PrintTransfer("safe write (backup, write, check)", transfers.write, true);
    std::fflush(stdout);
    Header("Transfers, replies in " + std::to_string(kAdapterBurstMs) + " ms bursts");
    const TransferBench bursts = BenchTransfers(kTransferRuns, kReactionDelayMs, kAdapterBurstMs);
    PrintTransfer("read", bursts.read, false);
    PrintTransfer("safe write (backup, write, check)", bursts.write, false);
    std::fflush(stdout);

    Header("Changed-only safe writes, " + std::to_string(kTransferRuns) + " runs each");
    PrintChangedOnly(BenchChangedOnly(kTransferRuns, kReactionDelayMs));
    std::fflush(stdout);

    Header("Fleet (vexalon-cli), " + std::to_string(kFleetRuns) + " runs each");
    PrintFleets(BenchFleet(CLI_COMMAND, {1, 4, kLargestFleet}, kFleetRuns, kReactionDelayMs));
    std::fflush(stdout);

    PrintFiles(BenchPlanFiles(kFileRepetitions));
    PrintDefinitions();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vexalon-bench: %s\n", error.what());
    return 1;
  }
  return 0;
}
