#include "settings/IniFile.h"

#include "system/NoCase.h"

namespace settings {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Trim(const std::string& s, std::size_t from, std::size_t to) {
  while (from < to && IsBlank(s[from])) ++from;
  while (to > from && IsBlank(s[to - 1])) --to;
  return s.substr(from, to - from);
}

std::string OneLine(const std::string& value) {
  std::string out = value;
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

}  // namespace

IniFile IniFile::Parse(const std::string& text) {
  IniFile ini;
  Section* current = nullptr;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text, pos, end);  // also drops the CR of a CR LF line end
    pos = end + 1;

    if (line.empty() || line[0] == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      current = &ini.SectionFor(Trim(line, 1, line.size() - 1));
      continue;
    }
    if (!current) continue;
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string key = Trim(line, 0, eq);
    if (key.empty()) continue;
    SetIn(*current, key, Trim(line, eq + 1, line.size()), false);
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

std::optional<std::string> IniFile::Get(const std::string& section, const std::string& key) const {
  auto s = sectionIndex_.find(sys::FoldCase(section));
  if (s == sectionIndex_.end()) return std::nullopt;
  const Section& sec = sections_[s->second];
  auto k = sec.KeyIndex.find(sys::FoldCase(key));
  if (k == sec.KeyIndex.end()) return std::nullopt;
  return sec.Entries[k->second].second;
}

void IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  SetIn(SectionFor(section), key, OneLine(value), true);
}

std::vector<std::string> IniFile::SectionNames() const {
  std::vector<std::string> names;
  for (const auto& s : sections_) names.push_back(s.Name);
  return names;
}

std::vector<std::pair<std::string, std::string>> IniFile::Entries(
    const std::string& section) const {
  auto s = sectionIndex_.find(sys::FoldCase(section));
  if (s == sectionIndex_.end()) return {};
  return sections_[s->second].Entries;
}

IniFile::Section& IniFile::SectionFor(const std::string& name) {
  auto folded = sys::FoldCase(name);
  auto it = sectionIndex_.find(folded);
  if (it != sectionIndex_.end()) return sections_[it->second];
  sectionIndex_.emplace(std::move(folded), sections_.size());
  sections_.push_back(Section{name, {}, {}});
  return sections_.back();
}

void IniFile::SetIn(Section& s, const std::string& key, const std::string& value, bool overwrite) {
  auto folded = sys::FoldCase(key);
  auto it = s.KeyIndex.find(folded);
  if (it != s.KeyIndex.end()) {
    if (overwrite) s.Entries[it->second].second = value;
    return;
  }
  s.KeyIndex.emplace(std::move(folded), s.Entries.size());
  s.Entries.emplace_back(key, value);
}

}  // namespace settings
