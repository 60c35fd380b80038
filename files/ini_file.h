#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "files/whole_file.h"

// The longest value a read returns, as the Windows profile reader's 2048-byte buffer allows.
inline constexpr std::size_t kMaxIniValueLength = 2047;

// A write the system refuses. what() is the text the user sees.
class IniWriteError : public std::runtime_error {
 public:
  explicit IniWriteError(const std::string& fileName);
};

// An integer value as IniFile reads it: decimal with optional sign, or hexadecimal after
// "0x", "0X" or "$"; nothing for any other text, including a value beyond 32 bits.
std::optional<int> IniInteger(std::string_view text);

// Key-by-key access to an INI file with the rules of the Windows private-profile
// functions, so a file written on Windows reads the same everywhere: sections and keys
// match without regard to ASCII case, the first of duplicate sections or keys counts,
// a missing file, section or key reads as the caller's default, and a write touches
// only its own key's line. Text is 8-bit and never converted.
//
// The file is read once when the object is made. Writes change the text in memory and
// Commit puts it in place in one step, so the earlier file survives any failure.
class IniFile {
 public:
  explicit IniFile(std::string fileName);
  // A new file that lives in memory only: writes build Text(), and Commit puts nothing
  // anywhere.
  IniFile();

  // Whether the file was there and could be read; otherwise every read gives its default.
  bool WasRead() const { return state_ == FileState::Read; }
  bool HasSection(std::string_view section) const { return FindSection(section).has_value(); }

  // Whitespace around the value is dropped, so are quotes around it; the value ends at
  // a NUL byte and after kMaxIniValueLength characters.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // As ReadString, with nothing for a missing section or key.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // IniInteger of the value; anything else gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // An integer; any value but 0 is true.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // Sets the key, adding it at the end of its section or the section at the end of the
  // file. The value ends at its first line break or NUL byte, so it cannot add lines.
  // The first write checks that the file may be written and throws IniWriteError if not.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Puts every write in place at once; throws IniWriteError when that fails, leaving
  // the earlier file. Without writes it does nothing.
  void Commit();

  // What the file holds with every write so far, as Commit would put it in place.
  std::string Text() const { return byteOrderMark_ + text_; }

 private:
  // Byte offsets into text_ of the first section of a name.
  struct Section {
    std::size_t bodyBegin;  // the line after the header
    std::size_t end;        // the next header line, or the end of the text
  };
  struct KeyLookup {
    bool found = false;
    std::size_t valueBegin = 0;  // the value as stored, quotes included
    std::size_t valueEnd = 0;
    std::size_t afterLastKey = 0;  // where a new key of the section goes
  };

  std::optional<Section> FindSection(std::string_view name) const;
  KeyLookup FindKey(const Section& section, std::string_view key) const;
  // Replaces text_[pos, pos + length) and moves every known section offset behind it.
  void Splice(std::size_t pos, std::size_t length, std::string_view replacement,
              const std::string& owner);
  void AppendSection(std::string_view name, std::string_view line);

  std::string fileName_;
  FileState state_ = FileState::Missing;
  // A UTF-8 byte order mark some editors put first; kept out of text_ so the first
  // section is found, and put back when the file is written.
  std::string byteOrderMark_;
  std::string text_;
  std::string newline_;
  FileReplacement replacement_;
  bool changed_ = false;
  bool inMemory_ = false;
  // Sections looked up so far, by lower-case name; a scan per name keeps memory at the
  // file's size even when it holds millions of lines.
  mutable std::map<std::string, std::optional<Section>> sections_;
};
