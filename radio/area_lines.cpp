#include "radio/area_lines.h"

LogLine AreasLine(const std::vector<MemoryArea>& areas) {
  std::vector<LogLine> names;
  for (const MemoryArea area : areas) {
    names.push_back(Line(AreaName(area)));
  }
  return JoinedLine(names);
}

LogLine AreasNotReadableLine(const std::vector<MemoryArea>& areas) {
  return Line(QT_TRANSLATE_NOOP("Vexalon",
                                "This radio does not let %1 be read; the backup holds the rest."),
              {AreasLine(areas)});
}

LogLine AreasNotComparedLine(const std::vector<MemoryArea>& areas) {
  return Line(
      QT_TRANSLATE_NOOP("Vexalon", "This radio does not let %1 be read; the rest is compared."),
      {AreasLine(areas)});
}

LogLine AreasNotReadBackLine(const std::vector<MemoryArea>& areas, bool allAcknowledged) {
  return allAcknowledged
             ? Line(QT_TRANSLATE_NOOP("Vexalon",
                                      "This radio does not let %1 be read back; it acknowledged "
                                      "every block written there."),
                    {AreasLine(areas)})
             : Line(QT_TRANSLATE_NOOP("Vexalon",
                                      "This radio does not let %1 be read back, and it did not "
                                      "acknowledge every block written there."),
                    {AreasLine(areas)});
}

LogLine UnreadableNotAcknowledgedLine(int count) {
  return Counted(count,
                 QT_TRANSLATE_N_NOOP("Vexalon",
                                     "Finished with errors: %n writes the radio does not let be "
                                     "read back were not acknowledged; write again."),
                 "Finished with errors: %n write the radio does not let be read back was not "
                 "acknowledged; write again.");
}

LogLine AreasMadeLine(const std::vector<MemoryArea>& areas) {
  return Line(QT_TRANSLATE_NOOP("Vexalon",
                                "The backup holds nothing of %1, which the radio does not let be "
                                "read; they are made from bank 0, as a write makes them."),
              {AreasLine(areas)});
}
