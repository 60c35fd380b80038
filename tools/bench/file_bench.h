#pragma once

#include <vector>

// Milliseconds per save and per load of a channel plan file with its settings, one figure
// per operation.
struct FileFigures {
  std::vector<double> saveMs;
  std::vector<double> loadMs;
};

struct FileBench {
  FileFigures normal;
  FileFigures advanced;
};

// Saves and loads through the real window, in a folder of its own that it removes again.
// Throws std::runtime_error when the window shows a dialog.
FileBench BenchPlanFiles(int repetitions);
