// The settings file's text: "[section]" lines, each followed by "key=value" lines.
//
// Reading trims every line, skips empty lines and lines starting with ";", ignores lines
// before the first section and lines without "=", and matches sections and keys without
// regard to case. A section or key that appears twice is read where it first appears (the
// later copy adds only the keys the first lacks), and is written back once.
//
// Writing keeps sections in the order they were first created and keys in the order they
// were first added, puts no blanks around "=", ends lines with CR LF and puts an empty line
// after every section.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/NameSlots.h"

namespace settings {

class IniFile {
 public:
  // Accepts CR LF as well as LF-only line ends.
  static IniFile Parse(const std::string& text);
  std::string Serialize() const;

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // An existing key keeps its place and name; a new section goes to the end of the file, a
  // new key to the end of its section. Line breaks inside the value become blanks, since
  // they would otherwise start new lines (and so new keys or sections) in the file.
  void Set(std::string_view section, std::string_view key, const std::string& value);
  // True while Parse(Serialize()) would give this very file back: always for a parsed file,
  // until a Set stores a name or value that a reader would trim or split (a value with
  // blanks at an end, a key with "=", ...).
  bool ReadsBackAsIs() const { return readsBack_; }

  // Section names as first written, in file order.
  std::vector<std::string> SectionNames() const;
  // The keys and values of one section in file order; empty when it does not exist.
  std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

 private:
  struct Section {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Entries;
    NameSlots Keys;  // key -> entry
  };
  static const std::string& SectionName(const void* sections, std::size_t i);
  static const std::string& KeyName(const void* entries, std::size_t i);
  std::size_t SectionAt(std::string_view name) const;  // NameSlots::npos: none
  const Section* Find(std::string_view name) const;

  // parsing: the name comes from a file (and so reads back as itself); a key read twice
  // keeps its first value.
  Section& SectionFor(std::string_view name, bool parsing);
  void SetIn(Section& s, std::string_view key, std::string value, bool parsing);

  std::vector<Section> sections_;
  NameSlots names_;               // name -> section
  mutable std::size_t last_ = 0;  // the section found last
  bool readsBack_ = true;
};

}  // namespace settings
