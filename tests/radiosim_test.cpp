#include "tools/radiosim/radio_simulator.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "radio/probe.h"
#include "radio/protocol.h"
#include "tests/support/elapsed.h"
#include "tests/support/radio_on_pty.h"
#include "tests/support/temp_folder.h"
#include "tools/radiosim/memory_image.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

ByteString ReadData(TBlockSerial& serial, std::uint16_t address, std::uint8_t count) {
  const ByteString data = ReadReplyData(BlockRead(serial, address, count).bytes, count);
  Acknowledge(serial);
  return data;
}

using RadioMemory = RadioOnPty;

TEST_F(RadioMemory, ADemoRadioHoldsPmrChannelsAndFactorySettings) {
  ASSERT_EQ(EnterProgrammingMode(serial).kind, HandshakeOutcome::Identified);
  EXPECT_EQ(ReadData(serial, 0x0010, 16),
            (ByteString{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x00, 0x00,
                        0xFF, 0x01, 0x01, 0xFF}));
  EXPECT_EQ(ReadData(serial, 0x0080, 16),
            (ByteString{0x75, 0x93, 0x60, 0x44, 0x75, 0x93, 0x60, 0x44, 0x00, 0x00, 0x00, 0x00,
                        0xFF, 0x01, 0x01, 0xFF}));
  EXPECT_EQ(ReadData(serial, 0x0090, 16),
            (ByteString{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00,
                        0xFF, 0x01, 0x01, 0xFF}));
  EXPECT_EQ(radio.ReadMemory(0x0110, 16), radio.ReadMemory(0x0010, 16));
  EXPECT_EQ(ReadData(serial, 0x03C0, 8),
            (ByteString{0xFF, 0x05, 0x03, 0x00, 0x00, 0x00, 0xFF, 0xFF}));
}

TEST_F(RadioMemory, WritesLandInMemoryAndNothingOutsideItIsTouched) {
  const ByteString settings = {0xFE, 0x0A, 0x01, 0x02, 0x03, 0x04, 0xFF, 0xFF};
  EXPECT_TRUE(IsWriteAcknowledged(BlockWrite(serial, 0x03C0, settings)));
  EXPECT_EQ(radio.ReadMemory(0x03C0, 8), settings);
  EXPECT_EQ(ReadData(serial, 0x03C0, 8), settings);

  // Past the end: reads show FF there, writes are refused whole.
  const ByteString before = radio.Memory();
  EXPECT_EQ(ReadData(serial, 0x03FC, 8), (ByteString{before[0x3FC], before[0x3FD], before[0x3FE],
                                                     before[0x3FF], 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(ReadData(serial, 0xFFF8, 8), ByteString(8, 0xFF));
  EXPECT_FALSE(IsWriteAcknowledged(BlockWrite(serial, 0x03FC, ByteString(8, 0x00))));
  EXPECT_EQ(radio.Memory(), before);
}

TEST_F(RadioMemory, FaultsAimedAtOneAddressHitOnlyThatAddress) {
  radio.SetReadReplyLength(10, 0x0020);
  EXPECT_EQ(BlockRead(serial, 0x0010, 16).bytes.size(), 20u);
  EXPECT_EQ(BlockRead(serial, 0x0020, 16).bytes.size(), 10u);

  radio.SetExtraDelay(SimCommand::Read, 100, 0x0030);
  EXPECT_EQ(BlockRead(serial, 0x0010, 16).bytes.size(), 20u);
  EXPECT_TRUE(BlockRead(serial, 0x0030, 16).bytes.empty());
  std::this_thread::sleep_for(250ms);
  // The late reply leads the next exchange.
  EXPECT_EQ(Exchange(serial, kAcknowledgement).size(), 20u);
}

// Bursts as from a USB adapter: a reply that spans less than one period on the line comes
// in at most two pieces, each at once, and whole; extra bytes follow the reply.
TEST_F(RadioMemory, BurstsHandRepliesOverInFewPiecesAndExtraBytesFollowThem) {
  radio.SetPacing(true);
  radio.SetBurstMs(100);
  radio.SetExtraBytes(SimCommand::Read, {0xEE});
  serial.SendBytes(ReadCommand(0x0010, 16));
  ByteString reply;
  int pieces = 0;
  while (reply.size() < 21 && pieces < 21) {
    const ByteString piece = serial.ReceiveChunk(300);
    ASSERT_FALSE(piece.empty());
    reply.insert(reply.end(), piece.begin(), piece.end());
    ++pieces;
  }
  EXPECT_LE(pieces, 2);
  EXPECT_EQ(ReadReplyData(reply, 16), radio.ReadMemory(0x0010, 16));
  EXPECT_EQ(reply.back(), 0xEE);
  EXPECT_EQ(reply.size(), 21u);
}

TEST_F(RadioMemory, NoiseGoesAheadOfTheReply) {
  radio.SetNoiseBeforeReplies({0xAA, 0x00});
  const HandshakeOutcome outcome = EnterProgrammingMode(serial);
  EXPECT_EQ(outcome.kind, HandshakeOutcome::UnknownResponse);
  ByteString expected = {0xAA, 0x00};
  expected.insert(expected.end(), ModelIdE.begin(), ModelIdE.end());
  EXPECT_EQ(outcome.reply, expected);
}

TEST_F(RadioMemory, TheLogKeepsCommandsInOrderAndSkipsWhatIsNoCommand) {
  ByteString stream = {'x', 0xFF};
  const ByteString read = ReadCommand(0x0010, 16);
  stream.insert(stream.end(), read.begin(), read.end());
  stream.push_back(0x13);
  stream.push_back(kAcknowledgement.front());
  serial.SendBytes(stream);
  // A command cut short is dropped; the next one is understood.
  serial.SendBytes({kReadCommandCode, 0x00});
  std::this_thread::sleep_for(500ms);
  serial.PurgeBuffers();
  const ByteString write = WriteCommand(0x0290, ByteString(8, 0x01));
  EXPECT_TRUE(IsWriteAcknowledged(Exchange(serial, write)));
  ASSERT_TRUE(radio.WaitForCommands(3, 2000));
  EXPECT_EQ(radio.CommandLog(), (std::vector<ByteString>{read, kAcknowledgement, write}));
}

// What crossed the line in each direction, for figures such as the line time of a transfer.
TEST_F(RadioMemory, TheReplyLogPairsEachCommandWithWhatWentOut) {
  radio.SetNoiseBeforeReplies({0xAA});
  const ByteString reply = BlockRead(serial, 0x0010, 16).bytes;
  Acknowledge(serial);
  radio.ClearFaults();
  radio.SetSilent(true);
  EXPECT_TRUE(BlockRead(serial, 0x0020, 16).bytes.empty());
  ASSERT_TRUE(radio.WaitForCommands(3, 2000));
  EXPECT_EQ(reply.size(), 21u);
  EXPECT_EQ(radio.ReplyLog(), (std::vector<ByteString>{reply, {0xAA}, {}}));
  radio.ClearCommandLog();
  EXPECT_TRUE(radio.ReplyLog().empty());
}

TEST_F(RadioMemory, PacedRepliesTakeTheirLineTime) {
  radio.SetPacing(true);
  radio.SetReactionDelayMs(2);
  ByteString reply;
  const long elapsed = ElapsedMs([&] { reply = BlockRead(serial, 0x0010, 16).bytes; });
  EXPECT_EQ(reply.size(), 20u);
  // Command and reply, 24 bytes of 11 bit times at 9600 baud, then the quiet gap.
  EXPECT_GE(elapsed, static_cast<long>(24 * RadioSimulator::kByteTimeMs) + kQuietGapMs);
}

TEST_F(RadioMemory, ThePulledCableStillDeliversTheLastReply) {
  radio.PullCableAfter(1);
  EXPECT_EQ(BlockRead(serial, 0x0010, 16).bytes.size(), 20u);
  // The line went during the quiet gap that ended the reply.
  EXPECT_TRUE(serial.LineLost());
  EXPECT_TRUE(radio.CablePulled());
}

TEST(MemoryImage, RoundTripsAndRefusesAFileOfTheWrongSize) {
  const fs::path image = TempPath("radiosim-image");
  RadioSimulator radio;
  radio.WriteMemory(0x03C0, {0x01, 0x02, 0x03});
  radio.SaveImage(image.string());
  EXPECT_EQ(fs::file_size(image), kRadioMemorySize);

  RadioSimulator copy;
  copy.LoadImage(image.string());
  EXPECT_EQ(copy.Memory(), radio.Memory());

  fs::resize_file(image, kRadioMemorySize - 1);
  RadioSimulator untouched;
  EXPECT_THROW(untouched.LoadImage(image.string()), std::runtime_error);
  EXPECT_EQ(untouched.Memory(), DefaultRadioMemory());
  fs::remove(image);
  EXPECT_THROW(untouched.LoadImage(image.string()), std::runtime_error);
}

// The command as a user runs it: its first line of output is the port to open.
class RadioSimCommand {
 public:
  explicit RadioSimCommand(const std::vector<std::string>& options) {
    std::vector<std::string> arguments = {RADIOSIM_COMMAND};
    arguments.insert(arguments.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
      argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    int out[2];
    EXPECT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    output_ = fdopen(out[0], "r");
  }
  ~RadioSimCommand() {
    if (pid_ > 0) {
      Stop();
    }
    fclose(output_);
  }
  RadioSimCommand(const RadioSimCommand&) = delete;
  RadioSimCommand& operator=(const RadioSimCommand&) = delete;

  std::string ReadLine() {
    char line[256] = {};
    return fgets(line, sizeof line, output_) ? std::string(line, strcspn(line, "\n")) : "";
  }
  // Exit status after SIGTERM.
  int Stop() {
    kill(pid_, SIGTERM);
    return Wait();
  }
  // Exit status once it ends by itself; -1 when a signal ended it.
  int Wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  FILE* output_ = nullptr;
};

TEST(RadioSimCommandLine, ServesALinkSavesItsImageAndLogsCommands) {
  const fs::path dir = TempPath("radiosim-command");
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path link = dir / "ttyRadio";
  const fs::path image = dir / "radio.bin";
  const fs::path log = dir / "commands.log";
  fs::create_symlink("/nonexistent", link);  // a stale link from an earlier run

  RadioSimCommand command({"--variant", "T", "--no-pacing", "--burst-ms", "16", "--link",
                           link.string(), "--image", image.string(), "--save", "--log",
                           log.string()});
  const std::string port = command.ReadLine();
  EXPECT_EQ(command.ReadLine(), link.string());
  EXPECT_EQ(fs::read_symlink(link), port);
  {
    TBlockSerial serial;
    serial.OpenPort(link.string());
    serial.ConfigureLine(kRadioLine.baudRate, kRadioLine.dataBits, kRadioLine.parity,
                         kRadioLine.stopBits, false, false);
    const HandshakeOutcome outcome = EnterProgrammingMode(serial);
    EXPECT_EQ(outcome.ModelVariant, "T");
    EXPECT_TRUE(IsWriteAcknowledged(BlockWrite(serial, 0x03C0, ByteString(8, 0x42))));
    serial.ClosePort();
  }
  EXPECT_EQ(command.Stop(), 0);
  EXPECT_FALSE(fs::is_symlink(link));
  EXPECT_EQ(LoadMemoryImage(image.string())[0x3C0], 0x42);
  std::ifstream logged(log);
  std::stringstream lines;
  lines << logged.rdbuf();
  EXPECT_EQ(lines.str(), "02 50 52 4F 47 52 41 4D\n06\n57 03 C0 08 42 42 42 42 42 42 42 42\n");
  fs::remove_all(dir);
}

// Areas a radio does not let be read, as a user sets them up to try the connection test.
TEST(RadioSimCommandLine, LeavesTheAreasNamedUnreadable) {
  RadioSimCommand command({"--no-pacing", "--reaction-delay", "0", "--refuse-reads", "100-1FF",
                           "--unanswered-reads", "2B0-2BF"});
  const std::string port = command.ReadLine();
  TBlockSerial serial;
  TransferObserver observer;
  const ProbeOutcome outcome = ProbeRadio(serial, port, observer);
  ASSERT_EQ(outcome.areas.size(), kMemoryAreas.size());
  EXPECT_EQ(outcome.areas[1].access, AreaAccess::Refused);
  EXPECT_EQ(outcome.areas[2].access, AreaAccess::Readable);
  EXPECT_EQ(outcome.areas[3].access, AreaAccess::Unanswered);
  EXPECT_EQ(command.Stop(), 0);
}

TEST(RadioSimCommandLine, ExplainsItselfAndRefusesWhatItCannotDo) {
  RadioSimCommand help({"--help"});
  EXPECT_EQ(help.ReadLine(), "Usage: vexalon-radiosim [options]");
  EXPECT_EQ(help.Wait(), 0);
  EXPECT_EQ(RadioSimCommand({"--variant", "X"}).Wait(), 2);
  EXPECT_EQ(RadioSimCommand({"--save"}).Wait(), 2);
  EXPECT_EQ(RadioSimCommand({"--extra", "talk:00"}).Wait(), 2);
  EXPECT_EQ(RadioSimCommand({"--refuse-reads", "100"}).Wait(), 2);

  const fs::path file = TempPath("radiosim-not-a-link");
  std::ofstream(file) << "keep me";
  // A file where the link should go is kept, not replaced.
  RadioSimCommand command({"--link", file.string()});
  EXPECT_EQ(command.ReadLine(), "");
  EXPECT_EQ(command.Wait(), 1);
  EXPECT_EQ(fs::file_size(file), 7u);
  fs::remove(file);
}

}  // namespace
