#include "radio/radio_presence.h"

#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "radio/transfer_session.h"

namespace {

constexpr int kSilentLooksForGone = 2;

}  // namespace

bool WaitUntilRadioGone(TBlockSerial& link, const std::string& portName,
                        TransferObserver& observer) {
  Session session(link, portName, observer, PortRelease::PurgeAndClose);
  int silentLooks = 0;
  while (silentLooks < kSilentLooksForGone) {
    if (!observer.KeepWaitingForRadio()) {
      return false;
    }
    const Collected reply = BlockRead(link, kSettingsAddress, kSettingsRecordSize);
    if (reply.bytes.empty() || link.LineLost() || !link.IsOpen()) {
      ++silentLooks;
    } else {
      silentLooks = 0;
      Acknowledge(link);
    }
    CollectUntilQuiet(link, kRadioLookMs);
  }
  return true;
}
