#pragma once

#include <algorithm>
#include <vector>

// The least and the middle of a series of timings: the least shows what the code can do,
// the median what a user usually gets on a busy machine.
struct Summary {
  double min = 0;
  double median = 0;
};

inline Summary Summarize(std::vector<double> values) {
  if (values.empty()) {
    return {};
  }
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  const double median =
      values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
  return {values.front(), median};
}
