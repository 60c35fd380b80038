#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/context.h"
#include "cli/radio_end.h"
#include "radio/serial_link.h"

// A job for one port: the radios it programs there, reported as each ends.
using PortJob = std::function<void(TBlockSerial& link, const std::string& port,
                                   std::vector<RadioReport>& reports)>;

// Runs the job for every port of the command at once, each on a thread and a link of its
// own, and gives what they reported once all are done, in the order of the ports.
std::vector<RadioReport> RunOnEveryPort(const Context& context, const PortJob& job);

// The end of a command: which radios a stop may have left half written, a table of all
// radios when there was more than one, and the exit status.
int Conclude(Context& context, const std::vector<RadioReport>& reports);
