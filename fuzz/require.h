#pragma once

#include <cstdio>
#include <cstdlib>

// A property the fuzzed code must keep; a broken one is a crash libFuzzer keeps the input of.
inline void Require(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
  }
}
