#include "tools/bench/file_bench.h"

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "radio/deadline.h"
#include "tools/bench/unattended_dialogs.h"
#include "ui/unit_mainform.h"

namespace {

template <typename Operation>
double TimeMs(Operation operation) {
  const auto start = SteadyClock::now();
  operation();
  return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

FileFigures SaveAndLoad(bool advanced, const std::string& path, int repetitions) {
  auto dialogs = std::make_unique<UnattendedDialogs>();
  const UnattendedDialogs& shown = *dialogs;
  Tmainform window(std::move(dialogs));
  if (advanced) {
    window.EnterAdvancedMode();
  }
  FileFigures figures;
  for (int i = 0; i < repetitions; ++i) {
    figures.saveMs.push_back(TimeMs([&] { window.SaveToFile(path, true); }));
  }
  for (int i = 0; i < repetitions; ++i) {
    figures.loadMs.push_back(TimeMs([&] { window.LoadFromFile(path, true); }));
  }
  if (!shown.shown.isEmpty()) {
    throw std::runtime_error("a plan file showed a dialog: " +
                             shown.shown.join('\n').toStdString());
  }
  return figures;
}

}  // namespace

FileBench BenchPlanFiles(int repetitions) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vexalon-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  FileBench bench;
  try {
    bench.normal = SaveAndLoad(false, (folder / "normal.ini").string(), repetitions);
    bench.advanced = SaveAndLoad(true, (folder / "advanced.ini").string(), repetitions);
  } catch (...) {
    std::filesystem::remove_all(folder);
    throw;
  }
  std::filesystem::remove_all(folder);
  return bench;
}
