#include "radio/variants.h"

#include <algorithm>

const ByteString ModelIdE = {'P', '3', '1', '5', '5', 0xF0, 'E', ' '};
const ByteString ModelIdE2 = {'P', '3', '1', '5', '5', 0xF0, 'E', '2'};
const ByteString ModelIdT = {'P', '3', '1', '5', '5', 0xF0, 'T', ' '};

const std::array<KnownVariant, 3> kKnownVariants = {
    {{ModelIdE, "E"}, {ModelIdE2, "E2"}, {ModelIdT, "T"}}};

bool IsKnownVariant(const std::string& name) {
  return std::any_of(kKnownVariants.begin(), kKnownVariants.end(),
                     [&](const KnownVariant& variant) { return name == variant.name; });
}

bool IsFamilyIdentity(const ByteString& reply) {
  constexpr std::size_t kFamilyPrefix = 5;  // "P3155"
  return reply.size() == ModelIdE.size() &&
         std::equal(ModelIdE.begin(), ModelIdE.begin() + kFamilyPrefix, reply.begin());
}
