#include "radio/program_version.h"

std::string ProgramVersion() {
  return VEXALON_VERSION;
}

std::string ProgramBuild() {
#if defined(__clang__)
  const std::string compiler = std::string("Clang ") + __clang_version__;
#elif defined(__GNUC__)
  const std::string compiler = std::string("GCC ") + __VERSION__;
#else
  const std::string compiler = "an unknown compiler";
#endif
  const std::string type = VEXALON_BUILD_TYPE;
  return compiler + ", " + VEXALON_PROCESSOR + (type.empty() ? "" : ", " + type);
}
