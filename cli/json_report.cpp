#include "cli/json_report.h"

#include "cli/radio_end.h"
#include "radio/hex_text.h"

namespace {

using json = nlohmann::ordered_json;

json Addresses(const std::vector<std::uint16_t>& addresses) {
  json list = json::array();
  for (const std::uint16_t address : addresses) {
    list.push_back(HexAddress(address));
  }
  return list;
}

json Areas(const std::vector<MemoryArea>& areas) {
  json list = json::array();
  for (const MemoryArea area : areas) {
    list.push_back(AreaName(area));
  }
  return list;
}

json OrNull(const std::string& text) {
  return text.empty() ? json(nullptr) : json(text);
}

// What every transfer has: the radio it found and how it ended.
json Common(const TransferResult& result) {
  json object = {{"variant", OrNull(result.handshake.kind == HandshakeOutcome::Identified
                                        ? result.handshake.ModelVariant
                                        : std::string())},
                 {"result", ResultText(result.end)}};
  if (result.portFailure) {
    object["port_error"] = result.portFailure->error.Text();
  }
  return object;
}

void AddVerification(json& object, const Verification& check) {
  json differing = json::array();
  for (const BlockDifference& difference : check.differing) {
    differing.push_back({{"address", HexAddress(difference.address)},
                         {"written", HexBytes(difference.written, " ")},
                         {"read_back", HexBytes(difference.readBack, " ")}});
  }
  object["differing_blocks"] = differing;
  object["unverified_blocks"] = Addresses(check.unverified);
  object["areas_not_read_back"] = Areas(check.unreadable);
}

void AddBackup(json& object, const BackupResult& backup) {
  object["backup"] = OrNull(backup.backupFile);
  object["backup_unread_blocks"] = Addresses(backup.backupUnread);
  object["backup_failure"] = OrNull(backup.backupFailure.Text());
  object["areas_not_readable"] = Areas(backup.unreadableAreas);
}

}  // namespace

std::string JsonLine(const json& object) {
  return object.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

std::string ResultText(TransferEnd end) {
  switch (end) {
    case TransferEnd::Done:
      return "done";
    case TransferEnd::FinishedWithErrors:
      return "finished with errors";
    case TransferEnd::NotIdentified:
      return "no radio identified";
    case TransferEnd::PortNotOpened:
      return "port not opened";
    case TransferEnd::LineLost:
      return "line lost";
    case TransferEnd::LineNeverQuiet:
      return "line never quiet";
    case TransferEnd::NothingWritten:
      return "nothing written";
    case TransferEnd::Stopped:
      break;
  }
  return "stopped";
}

json JsonOf(const ReadOutcome& outcome) {
  json object = Common(outcome);
  object["unread_channels"] = outcome.unreadChannels;
  object["settings_unread"] = outcome.settingsUnread;
  return object;
}

json JsonOf(const WriteOutcome& outcome) {
  json object = Common(outcome);
  if (outcome.otherVariant) {
    object["backup_variant"] = outcome.otherVariant->backup;
  }
  AddBackup(object, outcome);
  object["blocks_to_write"] = outcome.blocksToWrite;
  object["blocks_already_held"] = outcome.blocksAlreadyHeld;
  object["blocks_written"] = outcome.blocksWritten;
  object["unacknowledged_writes"] = outcome.unacknowledged;
  AddVerification(object, outcome.verification);
  object["half_written"] = HalfWritten(outcome);
  return object;
}

json JsonOf(const VerifyOutcome& outcome) {
  json object = Common(outcome);
  AddVerification(object, outcome.verification);
  return object;
}

json JsonOf(const BackupOutcome& outcome) {
  json object = Common(outcome);
  AddBackup(object, outcome);
  return object;
}
