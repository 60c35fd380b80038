// The radio dialogue on the window's own serial port.
#include "ui/unit_mainform.h"

ByteString Tmainform::Exchange(const ByteString& command) {
  return ::Exchange(serial, command);
}

HandshakeOutcome Tmainform::EnterProgrammingMode() {
  return ::EnterProgrammingMode(serial);
}
