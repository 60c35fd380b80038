#include "cli/context.h"

std::string RadioName(const RadioId& radio) {
  return radio.number > 0 ? radio.port + " #" + std::to_string(radio.number) : radio.port;
}

std::string LineLabel(const Options& options, const RadioId& radio) {
  if (options.ports.size() > 1) {
    return RadioName(radio);
  }
  return radio.number > 0 ? "#" + std::to_string(radio.number) : "";
}

WriteScope ScopeOf(const Options& options) {
  return options.changedOnly ? WriteScope::ChangedBlocks : WriteScope::AllBlocks;
}
