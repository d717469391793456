// The INI reader and writer. Any text read and written back reads the same and writes the
// same again; and values written by the program read back as they were written, apart from
// the blanks around them (which the reader trims, as the system's INI reader does) and
// line breaks (which would start new lines, so they are written as blanks).
#include <map>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "settings/IniFile.h"
#include "system/NoCase.h"

namespace {

using settings::IniFile;

void ReadWriteRead(const std::string& text) {
  const IniFile first = IniFile::Parse(text);
  const std::string written = first.Serialize();
  const IniFile second = IniFile::Parse(written);
  fuzz::Check(second.Serialize() == written, "writing what was read is stable", written);
  fuzz::Check(first.ReadsBackAsIs(), "what was read says it reads back as is", written);
  fuzz::Check(first.SectionNames() == second.SectionNames(), "sections survive", written);
  for (const std::string& section : first.SectionNames()) {
    const auto entries = first.Entries(section);
    fuzz::Check(entries == second.Entries(section), "entries survive", section);
    for (const auto& [key, value] : entries)
      fuzz::Check(second.Get(section, key) == value, "a key reads its value", key);
  }
}

bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string AsRead(std::string value) {
  for (char& c : value)
    if (c == '\r' || c == '\n') c = ' ';
  std::size_t from = 0, to = value.size();
  while (from < to && Blank(value[from])) ++from;
  while (to > from && Blank(value[to - 1])) --to;
  return value.substr(from, to - from);
}

// Names as the program writes them: letters, digits and "_" (section and key names are the
// program's own); anything else in the input is a value.
std::string Name(const std::string& raw) {
  std::string name;
  for (char c : raw) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')
      name += c;
  }
  return name.empty() ? "K" : name;
}

// The input as writes: fields split at NUL bytes, taken three at a time (section, key, value).
void WriteRead(const std::string& text) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\0') {
      fields.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  IniFile ini = IniFile::Parse("");
  std::map<std::pair<std::string, std::string>, std::string> expected;  // folded names
  for (std::size_t i = 0; i + 2 < fields.size(); i += 3) {
    const std::string section = Name(fields[i]), key = Name(fields[i + 1]);
    ini.Set(section, key, fields[i + 2]);
    expected[{sys::FoldCase(section), sys::FoldCase(key)}] = AsRead(fields[i + 2]);
  }
  const IniFile back = IniFile::Parse(ini.Serialize());
  if (ini.ReadsBackAsIs())
    fuzz::Check(back.Serialize() == ini.Serialize(), "a file that says so reads back as is");
  for (const auto& [where, value] : expected) {
    const auto got = back.Get(where.first, where.second);
    fuzz::Check(got.has_value(), "a written key is there", where.first + "/" + where.second);
    fuzz::Check(*got == value, "a written value reads back", *got + " != " + value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  ReadWriteRead(text);
  WriteRead(text);
  return 0;
}
