#include "ui/kept_transfers.h"

KeptTransfer& KeptTransfers::Begin(std::string kind, std::string port, QDateTime began) {
  if (transfers_.size() == kMost) {
    transfers_.pop_front();
  }
  KeptTransfer& transfer = transfers_.emplace_back();
  transfer.kind = std::move(kind);
  transfer.port = std::move(port);
  transfer.began = std::move(began);
  return transfer;
}
