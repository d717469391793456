#include "settings/IniFile.h"

#include "system/NoCase.h"

namespace settings {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
  std::size_t from = 0, to = s.size();
  while (from < to && IsBlank(s[from])) ++from;
  while (to > from && IsBlank(s[to - 1])) --to;
  return s.substr(from, to - from);
}

// Whether s holds a line break (or, with orEquals, an "="). It runs over every value
// written: a plain loop, which the fuzz build neither checks nor traces (fuzz/*-ignore.txt).
bool HoldsBreak(std::string_view s, bool orEquals) {
  const char* p = s.data();
  for (const char* end = p + s.size(); p != end; ++p) {
    if (*p == '\r' || *p == '\n' || (orEquals && *p == '=')) return true;
  }
  return false;
}

std::string OneLine(const std::string& value) {
  std::string out = value;
  if (HoldsBreak(out, false)) {
    for (char& c : out) {
      if (c == '\r' || c == '\n') c = ' ';
    }
  }
  return out;
}

// Whether a new section name or key, as Serialize writes it, reads back as itself.
bool ReadsBackAsWritten(std::string_view name, bool key) {
  if (name.empty()) return !key;
  if (IsBlank(name.front()) || IsBlank(name.back())) return false;
  if (key && (name.front() == ';' || name.front() == '[')) return false;
  return !HoldsBreak(name, key);
}

}  // namespace

IniFile IniFile::Parse(const std::string& text) {
  IniFile ini;
  Section* current = nullptr;
  const std::string_view all(text);
  std::size_t pos = 0;
  while (pos < all.size()) {
    std::size_t end = all.find('\n', pos);
    if (end == std::string_view::npos) end = all.size();
    // Trimming also drops the CR of a CR LF line end.
    const std::string_view line = Trim(all.substr(pos, end - pos));
    pos = end + 1;

    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &ini.SectionFor(Trim(line.substr(1, line.size() - 2)), true);
      continue;
    }
    if (!current) continue;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    ini.SetIn(*current, key, std::string(Trim(line.substr(eq + 1))), true);
  }
  return ini;
}

std::string IniFile::Serialize() const {
  std::string out;
  for (const auto& s : sections_) {
    out += '[';
    out += s.Name;
    out += "]\r\n";
    for (const auto& kv : s.Entries) {
      out += kv.first;
      out += '=';
      out += kv.second;
      out += "\r\n";
    }
    out += "\r\n";
  }
  return out;
}

const std::string& IniFile::SectionName(const void* sections, std::size_t i) {
  return (*static_cast<const std::vector<Section>*>(sections))[i].Name;
}

const std::string& IniFile::KeyName(const void* entries, std::size_t i) {
  return (*static_cast<const std::vector<std::pair<std::string, std::string>>*>(entries))[i].first;
}

std::size_t IniFile::SectionAt(std::string_view name) const {
  // The values of a section are read and written one after another: ask the last one first.
  if (last_ < sections_.size() && sys::EqualNoCase(sections_[last_].Name, name)) return last_;
  const std::size_t at = names_.Find(name, SectionName, &sections_);
  if (at != NameSlots::npos) last_ = at;
  return at;
}

const IniFile::Section* IniFile::Find(std::string_view name) const {
  const std::size_t at = SectionAt(name);
  return at == NameSlots::npos ? nullptr : &sections_[at];
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const Section* s = Find(section);
  if (!s) return std::nullopt;
  const std::size_t at = s->Keys.Find(key, KeyName, &s->Entries);
  if (at == NameSlots::npos) return std::nullopt;
  return s->Entries[at].second;
}

void IniFile::Set(std::string_view section, std::string_view key, const std::string& value) {
  std::string line = OneLine(value);
  readsBack_ = readsBack_ && (line.empty() || (!IsBlank(line.front()) && !IsBlank(line.back())));
  SetIn(SectionFor(section, false), key, std::move(line), false);
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  for (const auto& s : sections_) names.push_back(s.Name);
  return names;
}

std::vector<std::pair<std::string, std::string>> IniFile::Entries(std::string_view section) const {
  const Section* s = Find(section);
  return s ? s->Entries : std::vector<std::pair<std::string, std::string>>();
}

// A name read from a file reads back as itself when written: only new names from Set are
// checked.
IniFile::Section& IniFile::SectionFor(std::string_view name, bool parsing) {
  const std::size_t at = SectionAt(name);
  if (at != NameSlots::npos) return sections_[at];
  readsBack_ = readsBack_ && (parsing || ReadsBackAsWritten(name, false));
  sections_.push_back(Section{std::string(name), {}, {}});
  sections_.back().Entries.reserve(16);  // a profile's dozen keys without moving them
  names_.Add(sections_.size(), SectionName, &sections_);
  return sections_.back();
}

void IniFile::SetIn(Section& s, std::string_view key, std::string value, bool parsing) {
  const std::size_t at = s.Keys.Find(key, KeyName, &s.Entries);
  if (at != NameSlots::npos) {
    // A key read twice keeps its first value; a key set takes the new one.
    if (!parsing) s.Entries[at].second = std::move(value);
    return;
  }
  readsBack_ = readsBack_ && (parsing || ReadsBackAsWritten(key, true));
  s.Entries.emplace_back(key, std::move(value));
  s.Keys.Add(s.Entries.size(), KeyName, &s.Entries);
}

}  // namespace settings
