#pragma once

#include <chrono>
#include <utility>

// Milliseconds that a call takes.
template <typename Call>
long ElapsedMs(Call&& call) {
  const auto start = std::chrono::steady_clock::now();
  std::forward<Call>(call)();
  return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count());
}
