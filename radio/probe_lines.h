#pragma once

#include <vector>

#include "radio/log_line.h"
#include "radio/port_device.h"
#include "radio/probe.h"

// What a connection test found, a line each: the cable, the radio's identity, what it lets
// be read, how quickly it answers; the verdict comes last.
std::vector<LogLine> ProbeLines(const ProbeOutcome& outcome, const PortDevice& cable);
// "7.3": milliseconds to a tenth, with a point whatever the language.
std::string MsText(double ms);
// The last of them: ready to write, or what stands in the way.
LogLine ProbeVerdictLine(const ProbeOutcome& outcome);
