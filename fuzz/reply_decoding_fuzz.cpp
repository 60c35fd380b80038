// Whatever bytes a radio sends back: records, settings, read data and the handshake are
// decoded without reading beyond the reply and into values the window can hold.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/require.h"
#include "radio/codecs.h"
#include "radio/memory_map.h"
#include "radio/protocol.h"
#include "radio/tables.h"

namespace {

void CheckChannel(const ByteString& reply) {
  const auto row = ChannelFromReply(reply);
  Require(row.has_value() == (reply.size() > kReadReplyHeaderSize + kChannelFlagsOffset),
          "a record is decoded exactly when its flags byte arrived");
  if (!row) {
    return;
  }
  for (const int index : {row->rxChannelIndex, row->txChannelIndex}) {
    Require(index >= 0 && index < kChannelListCount, "channel index in the list");
  }
  for (const int index : {row->rxToneIndex, row->txToneIndex}) {
    Require(index >= 0 && index < kToneListCount, "tone index in the list");
  }
  for (const std::string* hz : {&row->rxHzText, &row->txHzText}) {
    Require(hz->empty() || hz->size() == 9, "Hz text empty or nine characters");
  }
}

void CheckSettings(const ByteString& reply) {
  const auto settings = SettingsFromReply(reply);
  Require(settings.has_value() == (reply.size() >= kReadReplyHeaderSize + kSettingsFieldsSize),
          "settings are decoded exactly when the reset byte arrived");
  if (settings) {
    Require(settings->squelchLevel >= 0 && settings->squelchLevel <= kSquelchLevelMax,
            "squelch level within the slider");
  }
}

void CheckReadData(const ByteString& reply, std::size_t count) {
  const ByteString data = ReadReplyData(reply, count);
  const std::size_t available =
      reply.size() > kReadReplyHeaderSize ? reply.size() - kReadReplyHeaderSize : 0;
  Require(data.size() == std::min(count, available), "read data cut at the reply's end");
  Require(
      data.empty() || std::equal(data.begin(), data.end(), reply.begin() + kReadReplyHeaderSize),
      "read data follow the header");
}

void CheckHandshake(const ByteString& reply) {
  const HandshakeOutcome outcome = ClassifyHandshakeReply(reply);
  Require(outcome.reply == reply, "the outcome carries the reply");
  const bool identity = reply == ModelIdE || reply == ModelIdE2 || reply == ModelIdT;
  Require((outcome.kind == HandshakeOutcome::Identified) == identity, "identified by identity");
  Require(outcome.ModelVariant.empty() != identity, "a variant only with an identity");
  Require((outcome.kind == HandshakeOutcome::NoResponse) == reply.empty(), "no response is empty");
  if (IsBareAcknowledgement(reply)) {
    Require(reply.size() <= 4 && reply.back() == 0x06, "a bare acknowledgement ends with 06");
    Require(outcome.kind == HandshakeOutcome::UnknownResponse, "a final bare ack is unknown");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const ByteString reply(data, data + size);
  CheckChannel(reply);
  CheckSettings(reply);
  CheckReadData(reply, kChannelRecordSize);
  CheckReadData(reply, kSettingsRecordSize);
  CheckReadData(reply, size > 0 ? data[0] : 0);
  CheckHandshake(reply);
  const std::string dump = HexDump(reply);
  const std::string count = "(" + std::to_string(size) + " bytes) ";
  Require(dump.starts_with(count) && dump.size() == count.size() + 3 * size,
          "a hex dump shows every byte");
  return 0;
}
