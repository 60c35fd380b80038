#pragma once

#include <string>

// Lines the transfers write to the log, as a test of an E radio expects them.
inline const std::string kSupportedForRead =
    "Supported HT-446E radio detected. Reading will take few seconds, please wait...";
inline const std::string kSupportedForWrite =
    "Supported HT-446E radio detected, continuing. This takes few seconds.";
inline const std::string kNoResponse =
    "No response from serial port. Check you are using the right port.";
inline const std::string kNotConnected =
    "Radio not connected or turned on. Cable needs to be connected and radio turned on.";
inline const std::string kNoReplyForWrite = "Unknown response from radio: (0 bytes) ";
inline const std::string kRadioLost =
    "Lost the connection to the radio. Check the cable and the radio, then try again.";
inline const std::string kHiddenOnChannel3 =
    "[!] Ch 3 holds 434.05000 MHz RX, which normal mode cannot show. Writing from normal mode "
    "will clear it; advanced mode keeps it.";
inline const std::string kNeverQuiet =
    "The line from the radio never falls quiet. Check the cable and the port, then try again.";
