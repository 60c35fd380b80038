// Lets the window link before the serial link exists: nothing here opens a port.
#include "radio/serial_link.h"

struct TBlockSerial::Platform {};

TBlockSerial::TBlockSerial() = default;

TBlockSerial::~TBlockSerial() = default;
