// `ports`: the serial ports as the window's port list shows them.
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/json_report.h"
#include "radio/serial_ports.h"

int RunPorts(const Options& options, Console& console) {
  std::string text;
  // On Windows a separator parts the ports present from the other numbers one may open.
  bool present = true;
  for (const SerialPortEntry& port : AvailableSerialPorts()) {
    if (port.separator) {
      present = false;
      text += options.json ? "" : "----\n";
    } else if (options.json) {
      const nlohmann::ordered_json object = {
          {"port", port.path}, {"description", port.description}, {"present", present}};
      text += JsonLine(object);
    } else {
      text += PortItemText(port) + "\n";
    }
  }
  console.Out(text);
  return kExitAllDone;
}
