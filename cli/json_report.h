#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "radio/transfers.h"

// A radio's object for --json, from the outcome's values: the variant (null when no radio
// answered), the result, and what the transfer found; the caller adds port and number.
nlohmann::ordered_json JsonOf(const ReadOutcome& outcome);
nlohmann::ordered_json JsonOf(const WriteOutcome& outcome);
nlohmann::ordered_json JsonOf(const VerifyOutcome& outcome);
nlohmann::ordered_json JsonOf(const BackupOutcome& outcome);

// How a transfer ended, in a word or a short phrase: "done", "finished with errors", ...
std::string ResultText(TransferEnd end);

// The object as one line of output. Bytes that are not UTF-8, as in a file name in another
// encoding, become U+FFFD rather than failing.
std::string JsonLine(const nlohmann::ordered_json& object);
