#include "ui/responsive_backups.h"

#include <QCoreApplication>
#include <chrono>
#include <future>

#include "radio/serial_link.h"

ResponsiveBackups::ResponsiveBackups() : folder_(DefaultBackupFolder()) {}

BackupStore::Kept ResponsiveBackups::Keep(const RadioBackup& backup) {
  std::future<Kept> kept =
      std::async(std::launch::async, [this, &backup] { return folder_.Keep(backup); });
  while (kept.wait_for(std::chrono::milliseconds(TBlockSerial::kWaitSliceMs)) !=
         std::future_status::ready) {
    QCoreApplication::processEvents();
  }
  return kept.get();
}
