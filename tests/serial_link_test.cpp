#include "radio/serial_link.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "radio/deadline.h"
#include "radio/low_latency.h"
#include "radio/protocol.h"
#include "tests/support/elapsed.h"
#include "tests/support/fast_radio.h"
#include "tests/support/radio_on_pty.h"
#include "tests/support/temp_folder.h"

namespace {

using namespace std::chrono_literals;

TEST(Deadline, RoundsUpSoAWaitNeverEndsEarlyAndKeepsTheNanoseconds) {
  const auto now = SteadyClock::now();
  EXPECT_EQ(MillisecondsUntil(now, now - 1s), 0);
  EXPECT_EQ(MillisecondsUntil(now, now + 300us), 1);
  const auto deadline = DeadlineAfterMs(SteadyLinkClock(), 40);
  const int left = MillisecondsUntil(SteadyClock::now(), deadline);
  EXPECT_GT(left, 30);
  EXPECT_LE(left, 40);

  const timespec none = TimespecUntil(now, now - 1s);
  EXPECT_EQ(none.tv_sec, 0);
  EXPECT_EQ(none.tv_nsec, 0);
  const timespec later = TimespecUntil(now, now + 1500ms);
  EXPECT_EQ(later.tv_sec, 1);
  EXPECT_GT(later.tv_nsec, 400'000'000);
  EXPECT_LE(later.tv_nsec, 500'000'000);
}

TEST(PortNames, ComNamesMapToTheSerialDevicesFromZero) {
  EXPECT_EQ(DevicePathForName("COM1"), "/dev/ttyS0");
  EXPECT_EQ(PortNumberForName("COM1"), 0);
  EXPECT_EQ(DevicePathForName("com32"), "/dev/ttyS31");
  EXPECT_EQ(PortNumberForName("com32"), 31);
  EXPECT_EQ(PortNumberForName("/dev/ttyS4"), 4);
  EXPECT_EQ(DevicePathForName("/dev/ttyS4"), "/dev/ttyS4");
  for (const char* name : {"COMx", "COM0", "COM", "COM-1", "COM 1", "COM99999999999",
                           "/dev/ttyUSB0", "/dev/ttyS", "/dev/ttySx"}) {
    EXPECT_EQ(PortNumberForName(name), -1) << name;
  }
  EXPECT_EQ(DevicePathForName("COMx"), "COMx");
  EXPECT_EQ(DevicePathForName("/dev/ttyUSB0"), "/dev/ttyUSB0");
}

TEST(SerialLink, AMissingPortLeavesAClosedLinkThatNeverWaits) {
  TBlockSerial serial;
  serial.OpenPort("/dev/vexalon-no-such-port");
  EXPECT_FALSE(serial.IsOpen());
  EXPECT_EQ(serial.LastError().kind, SerialError::System);
  EXPECT_EQ(serial.DeviceName(), "/dev/vexalon-no-such-port");
  EXPECT_EQ(serial.OpenError().kind, SerialError::System);
  EXPECT_EQ(serial.OpenError().Text(), std::strerror(ENOENT));

  serial.ConfigureLine(9600, 8, 'N', 2, false, false);
  serial.SendBytes(kProgrammingModeCommand);
  EXPECT_EQ(serial.LastError().kind, SerialError::NotOpen);
  // Why the open failed outlives the steps that followed it.
  EXPECT_EQ(serial.OpenError().Text(), std::strerror(ENOENT));
  ByteString chunk;
  EXPECT_LT(ElapsedMs([&] { chunk = serial.ReceiveChunk(5000); }), 1000);
  EXPECT_TRUE(chunk.empty());
  serial.PurgeBuffers();
  serial.ClosePort();
  serial.ClosePort();
  EXPECT_FALSE(serial.IsOpen());
  EXPECT_EQ(serial.LastError().kind, SerialError::None);
  EXPECT_EQ(serial.PortNumber(), -1);
}

TEST(SerialLink, RefusesWhatIsNotASerialDevice) {
  const auto file = TempPath("not-a-port");
  std::ofstream(file) << "radio";
  for (const std::string& path : {file.string(), std::string("/dev/null")}) {
    TBlockSerial serial;
    serial.OpenPort(path);
    EXPECT_FALSE(serial.IsOpen()) << path;
    EXPECT_EQ(serial.LastError().kind, SerialError::NotASerialPort) << path;
    EXPECT_EQ(serial.OpenError().Text(), "not a serial port");
  }
  std::filesystem::remove(file);
}

TEST(SerialLink, ConfiguresARawLineAsAsked) {
  RadioSimulator radio;
  PseudoTerminalLine pty(radio);
  pty.Start();
  // Termios belong to the tty, so a second descriptor sees what the link set.
  const int probe = open(pty.PortPath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(probe, 0);
  TBlockSerial serial;
  serial.OpenPort(pty.PortPath());
  ASSERT_TRUE(serial.IsOpen());
  termios line{};

  serial.ConfigureLine(9600, 8, 'N', 2, false, false);
  EXPECT_EQ(serial.LastError().kind, SerialError::None);
  ASSERT_EQ(tcgetattr(probe, &line), 0);
  EXPECT_EQ(cfgetospeed(&line), B9600);
  EXPECT_EQ(line.c_cflag & (CSIZE | CSTOPB | PARENB | CLOCAL | CREAD | CRTSCTS),
            CS8 | CSTOPB | CLOCAL | CREAD);
  EXPECT_EQ(line.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
  EXPECT_EQ(line.c_iflag & (IXON | IXOFF | ICRNL | INPCK | ISTRIP), 0u);
  EXPECT_EQ(line.c_oflag & OPOST, 0u);
  EXPECT_EQ(line.c_cc[VMIN], 0);
  EXPECT_EQ(line.c_cc[VTIME], 0);

  // A pseudo-terminal forces 8 data bits without parity enable; the other bits stay.
  serial.ConfigureLine(4800, 7, 'o', 0, true, false);
  ASSERT_EQ(tcgetattr(probe, &line), 0);
  EXPECT_EQ(cfgetospeed(&line), B4800);
  EXPECT_EQ(line.c_cflag & (CSTOPB | PARODD | CMSPAR), PARODD);
  EXPECT_EQ(line.c_iflag & (IXON | IXOFF | INPCK), IXON | IXOFF | INPCK);

  serial.ConfigureLine(9600, 8, 'S', 1, false, true);
  ASSERT_EQ(tcgetattr(probe, &line), 0);
  EXPECT_EQ(line.c_cflag & (CSTOPB | PARODD | CMSPAR | CRTSCTS), CSTOPB | CMSPAR | CRTSCTS);
  serial.ConfigureLine(9600, 8, 'm', 2, false, false);
  serial.ConfigureLine(9600, 8, '?', 2, false, false);  // no parity named: mark stays
  ASSERT_EQ(tcgetattr(probe, &line), 0);
  EXPECT_EQ(line.c_cflag & (PARODD | CMSPAR | CRTSCTS), PARODD | CMSPAR);
  close(probe);
}

// A pseudo-terminal has no driver flags to set: the request for low latency is refused,
// and the link works as before.
TEST(SerialLink, ARefusedLowLatencyRequestIsHarmless) {
  RadioSimulator radio;
  PseudoTerminalLine pty(radio);
  pty.Start();
  const int probe = open(pty.PortPath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(probe, 0);
  EXPECT_EQ(RequestLowLatency(probe), std::nullopt);
  RestoreSerialFlags(probe, 0);
  close(probe);

  TBlockSerial serial;
  serial.OpenPort(pty.PortPath());
  ASSERT_TRUE(serial.IsOpen());
  serial.ConfigureLine(9600, 8, 'N', 2, false, false);
  EXPECT_EQ(Exchange(serial, kProgrammingModeCommand), ModelIdE);
  serial.ClosePort();
  serial.OpenPort(pty.PortPath());
  EXPECT_TRUE(serial.IsOpen());
}

using LinkToRadio = RadioOnPty;

TEST_F(LinkToRadio, AHeldPortIsRefusedUntilItsHolderClosesIt) {
  const auto link = TempPath("held-port");
  std::filesystem::remove(link);
  std::filesystem::create_symlink(pty.PortPath(), link);
  for (const std::string& path : {pty.PortPath(), link.string()}) {
    TBlockSerial second;
    second.OpenPort(path);
    EXPECT_FALSE(second.IsOpen()) << path;
    EXPECT_EQ(second.OpenError().kind, SerialError::PortBusy);
    EXPECT_EQ(second.OpenError().Text(), "the port is in use by another program");
  }
  serial.ClosePort();
  TBlockSerial second;
  second.OpenPort(link.string());
  EXPECT_TRUE(second.IsOpen()) << second.OpenError().Text();
  EXPECT_EQ(second.OpenError().kind, SerialError::None);
  EXPECT_EQ(EnterProgrammingMode(second).kind, HandshakeOutcome::Identified);
  std::filesystem::remove(link);
}

TEST_F(LinkToRadio, OpeningAnOpenLinkIsRefusedAndTheFirstPortStaysInUse) {
  RadioSimulator other;
  PseudoTerminalLine otherPty(other);
  otherPty.Start();
  serial.OpenPort(otherPty.PortPath());
  EXPECT_EQ(serial.LastError().kind, SerialError::AlreadyOpen);
  EXPECT_TRUE(serial.IsOpen());
  EXPECT_EQ(serial.DeviceName(), pty.PortPath());
  EXPECT_EQ(EnterProgrammingMode(serial).kind, HandshakeOutcome::Identified);
  EXPECT_TRUE(radio.WaitForCommands(2, 2000));
  EXPECT_TRUE(other.CommandLog().empty());
}

TEST_F(LinkToRadio, ReceiveTakesWhatIsQueuedAndNeverWaitsForMore) {
  serial.SendBytes(ReadCommand(0x0010, 16));
  std::this_thread::sleep_for(100ms);
  ByteString chunk;
  EXPECT_LT(ElapsedMs([&] { chunk = serial.ReceiveChunk(5000); }), 1000);
  EXPECT_EQ(chunk.size(), 20u);

  radio.SetReplySplit(SimCommand::Read, 4, 300);
  serial.SendBytes(ReadCommand(0x0010, 16));
  EXPECT_LT(ElapsedMs([&] { chunk = serial.ReceiveChunk(5000); }), 250);
  EXPECT_GE(chunk.size(), 1u);
  EXPECT_LE(chunk.size(), 4u);
  std::size_t total = chunk.size();
  while (total < 20 && !(chunk = serial.ReceiveChunk(2000)).empty()) {
    total += chunk.size();
  }
  EXPECT_EQ(total, 20u);
}

TEST_F(LinkToRadio, TheWaitHandlerRunsOnlyWhileNothingComesAndCostsNoInput) {
  int calls = 0;
  serial.SetWaitHandler([&calls] { ++calls; });
  ByteString chunk;
  const long silentMs = ElapsedMs([&] { chunk = serial.ReceiveChunk(200); });
  EXPECT_TRUE(chunk.empty());
  EXPECT_GE(silentMs, 190);
  EXPECT_GE(calls, 5);

  // A handler that outlasts the quiet gap while the reply comes in: the reply is still
  // taken whole, by the look that follows the handler.
  serial.SetWaitHandler([] { std::this_thread::sleep_for(60ms); });
  radio.SetExtraDelay(SimCommand::Read, 15);
  EXPECT_EQ(Exchange(serial, ReadCommand(0x0010, 16)).size(), 20u);

  // A closed port ends the receive at once, without a call.
  calls = 0;
  serial.SetWaitHandler([&calls] { ++calls; });
  serial.ClosePort();
  EXPECT_LT(ElapsedMs([&] { chunk = serial.ReceiveChunk(5000); }), 1000);
  EXPECT_EQ(calls, 0);
}

TEST_F(LinkToRadio, APulledCableIsALostLineThatNeverWaits) {
  radio.PullCableAfter(0);
  for (int i = 0; i < 200 && !radio.CablePulled(); ++i) {
    std::this_thread::sleep_for(10ms);
  }
  ASSERT_TRUE(radio.CablePulled());
  for (int attempt = 0; attempt < 2; ++attempt) {
    ByteString chunk;
    EXPECT_LT(ElapsedMs([&] { chunk = serial.ReceiveChunk(5000); }), 1000);
    EXPECT_TRUE(chunk.empty());
    EXPECT_TRUE(serial.LineLost());
    EXPECT_EQ(serial.LastError().kind, SerialError::LineLost);
  }
  serial.SendBytes(kProgrammingModeCommand);
  EXPECT_EQ(serial.LastError().kind, SerialError::LineLost);
  serial.ClosePort();

  RadioSimulator other;
  PseudoTerminalLine otherPty(other);
  StartFastRadio(other, otherPty);
  serial.OpenPort(otherPty.PortPath());
  EXPECT_FALSE(serial.LineLost());
  EXPECT_EQ(EnterProgrammingMode(serial).kind, HandshakeOutcome::Identified);
}

TEST_F(LinkToRadio, ACablePulledDuringAWaitEndsTheWait) {
  radio.PullCableAfter(1);
  serial.SendBytes(kAcknowledgement);  // no reply; the cable goes at once
  ByteString chunk;
  EXPECT_LT(ElapsedMs([&] { chunk = serial.ReceiveChunk(5000); }), 2000);
  EXPECT_TRUE(chunk.empty());
  EXPECT_TRUE(serial.LineLost());
}

}  // namespace
