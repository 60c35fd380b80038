// The radio dialogue on the window's serial port. Kept apart so the window links without
// the protocol until something calls these.
#include "ui/unit_mainform.h"

ByteString Tmainform::Exchange(const ByteString& command) {
  return ::Exchange(serial, command);
}

HandshakeOutcome Tmainform::EnterProgrammingMode() {
  return ::EnterProgrammingMode(serial);
}
