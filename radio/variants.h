#pragma once

#include <array>
#include <string>

#include "radio/byte_string.h"

// The HT-446 variants and the identity each answers the programming-mode command with.
extern const ByteString ModelIdE;
extern const ByteString ModelIdE2;
extern const ByteString ModelIdT;

struct KnownVariant {
  const ByteString& identity;
  const char* name;  // "E", "E2" or "T"
};
extern const std::array<KnownVariant, 3> kKnownVariants;

// Whether a variant name, as a backup or the simulator's command line gives it, is one of
// the radio's.
bool IsKnownVariant(const std::string& name);

// An identity of the radio's family, known or not: as long as a known one and beginning as
// they all do, "P3155". A new variant would answer so.
bool IsFamilyIdentity(const ByteString& reply);
