// Faults of the port as the user meets them in the real window offscreen, on the system's
// own serial ports: a port another program holds, one the user may not open, and what is no
// serial port at all. Each ends with the controls enabled, the port closed, and a log that
// says why.
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "tests/support/fast_radio.h"
#include "tests/support/temp_folder.h"
#include "tests/support/transfer_log.h"
#include "tests/support/window_harness.h"
#include "ui/translations.h"

namespace {

// Who owns nothing on a Debian system.
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

class PortFaults : public testing::Test {
 protected:
  void SetUp() override {
    StartFastRadio(radio, pty);
    harness.ChoosePort(pty.PortPath());
  }

  // Controls back, port closed, and the next user gets the device at once.
  void ExpectEndedCleanly() {
    EXPECT_FALSE(harness.PortOpen());
    EXPECT_TRUE(harness.TransferButtonsEnabled());
    TBlockSerial next;
    next.OpenPort(pty.PortPath());
    EXPECT_TRUE(next.IsOpen()) << next.OpenError().Text();
  }

  RadioSimulator radio;
  PseudoTerminalLine pty{radio};
  WindowHarness harness;
};

TEST_F(PortFaults, APortHeldByAnotherProgramIsExplainedAndFreeOnceItLetsGo) {
  int ready[2];
  int release[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(release), 0);
  const char* path = pty.PortPath().c_str();
  const pid_t holder = fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    // Only calls that are safe in the child of a threaded program.
    close(release[1]);
    const int fd = open(path, O_RDWR | O_NOCTTY | O_NONBLOCK);
    const char locked = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
    [[maybe_unused]] ssize_t ignored = write(ready[1], &locked, 1);
    char done;
    ignored = read(release[0], &done, 1);
    _exit(0);
  }
  close(ready[1]);
  close(release[0]);
  char locked = 'n';
  ASSERT_EQ(read(ready[0], &locked, 1), 1);
  ASSERT_EQ(locked, 'y');

  const std::string busy =
      "Could not open " + pty.PortPath() + ": the port is in use by another program";
  harness.Read();
  EXPECT_EQ(harness.Log(), (std::vector<std::string>{kNoResponse, busy}));
  harness.Write();
  EXPECT_EQ(harness.Log(), (std::vector<std::string>{kNoReplyForWrite, busy}));
  EXPECT_TRUE(radio.CommandLog().empty());
  EXPECT_FALSE(harness.PortOpen());
  EXPECT_TRUE(harness.TransferButtonsEnabled());

  close(release[1]);
  int status = 0;
  ASSERT_EQ(waitpid(holder, &status, 0), holder);
  close(ready[0]);
  harness.Read();
  EXPECT_EQ(harness.Log().back(), "Done!");
  ExpectEndedCleanly();
}

// Whether this process may become an unprivileged user: root without the right to change
// its identity (some containers) cannot show a refusal of access.
bool CanDropPrivileges() {
  const pid_t child = fork();
  if (child == 0) {
    _exit(setgroups(0, nullptr) == 0 && setgid(kNoGroup) == 0 && setuid(kNobody) == 0 ? 0 : 1);
  }
  int status = 0;
  return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// Root opens any device, so the refusal is shown by a user who may not open it: nobody,
// in a fresh copy of this test program, or the device's own owner after chmod 000.
TEST_F(PortFaults, APortWithoutPermissionPointsToTheDialoutGroup) {
  if (geteuid() == 0 && !CanDropPrivileges()) {
    GTEST_SKIP() << "running as root without the right to become another user";
  }
  const auto readAsUnprivilegedUser = [this] {
    const bool dropped = geteuid() != 0 ? chmod(pty.PortPath().c_str(), 0) == 0
                                        : setgroups(0, nullptr) == 0 && setgid(kNoGroup) == 0 &&
                                              setuid(kNobody) == 0;
    harness.Read();
    const std::vector<std::string> expected = {
        kNoResponse, "Could not open " + pty.PortPath() +
                         ": Permission denied. Your user needs access to serial devices (on "
                         "Debian: membership of the group dialout)."};
    for (const std::string& line : harness.Log()) {
      std::fprintf(stderr, "log: %s\n", line.c_str());
    }
    const bool ended = !harness.PortOpen() && harness.TransferButtonsEnabled();
    // At once: this copy never tears its application down, and a leak check at exit
    // would only find the toolkit's font cache.
    std::_Exit(dropped && ended && harness.Log() == expected ? 0 : 1);
  };
  EXPECT_EXIT(readAsUnprivilegedUser(), testing::ExitedWithCode(0),
              "log: Could not open .*: Permission denied\\. Your user needs access");
}

TEST_F(PortFaults, WhatIsNoSerialPortIsRefusedWithItsReason) {
  TempFolder folder;
  const std::string file = folder / "radio.txt";
  WriteBytes(file, "P3155");
  for (const std::string& path : {std::string("/dev/null"), file}) {
    harness.ChoosePort(path);
    const std::string reason = "Could not open " + path + ": not a serial port";
    harness.Read();
    EXPECT_EQ(harness.Log(), (std::vector<std::string>{kNoResponse, reason}));
    harness.Write();
    EXPECT_EQ(harness.Log(), (std::vector<std::string>{kNoReplyForWrite, reason}));
    EXPECT_FALSE(harness.PortOpen());
    EXPECT_TRUE(harness.TransferButtonsEnabled());
  }
  EXPECT_EQ(ReadBytes(file), "P3155");
}

}  // namespace

// The German window says why a busy port did not open in German; only the device path, the
// system's own name for the place, stays as it is.
TEST(PortFaultsInGerman, ABusyPortIsExplainedInGerman) {
  const Translations german{QLocale(QStringLiteral("de_DE"))};
  RadioSimulator radio;
  PseudoTerminalLine pty{radio};
  StartFastRadio(radio, pty);
  WindowHarness harness;
  harness.ChoosePort(pty.PortPath());
  TBlockSerial holder;
  holder.OpenPort(pty.PortPath());
  ASSERT_TRUE(holder.IsOpen()) << holder.OpenError().Text();

  harness.Read();
  const std::string reason = "der Anschluss wird von einem anderen Programm verwendet";
  const std::string busy = FillPlaceholders(
      QCoreApplication::translate(kTextContext, "Could not open %1: %2").toStdString(),
      {pty.PortPath(), reason});
  ASSERT_NE(busy.find(reason), std::string::npos);
  EXPECT_EQ(harness.Log().back(), busy);
  EXPECT_TRUE(radio.CommandLog().empty());
  // A look at the window as the user sees it, when one is asked for.
  if (const char* screenshot = std::getenv("VEXALON_SCREENSHOT")) {
    harness.window.show();
    EXPECT_TRUE(harness.window.grab().save(QString::fromLocal8Bit(screenshot)));
  }
}
