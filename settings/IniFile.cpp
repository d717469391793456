#include "settings/IniFile.h"

namespace settings {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
  std::size_t from = 0, to = s.size();
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
      current = &ini.SectionFor(Trim(line.substr(1, line.size() - 2)));
      continue;
    }
    if (!current) continue;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) continue;
    SetIn(*current, key, std::string(Trim(line.substr(eq + 1))), false);
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

const IniFile::Section* IniFile::Find(std::string_view name) const {
  const std::size_t at =
      names_.Find(name, [this](std::size_t i) -> const std::string& { return sections_[i].Name; });
  return at == NameSlots::npos ? nullptr : &sections_[at];
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const Section* s = Find(section);
  if (!s) return std::nullopt;
  const std::size_t at =
      s->Keys.Find(key, [s](std::size_t i) -> const std::string& { return s->Entries[i].first; });
  if (at == NameSlots::npos) return std::nullopt;
  return s->Entries[at].second;
}

void IniFile::Set(std::string_view section, std::string_view key, const std::string& value) {
  SetIn(SectionFor(section), key, OneLine(value), true);
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

IniFile::Section& IniFile::SectionFor(std::string_view name) {
  const auto nameOf = [this](std::size_t i) -> const std::string& { return sections_[i].Name; };
  const std::size_t at = names_.Find(name, nameOf);
  if (at != NameSlots::npos) return sections_[at];
  sections_.push_back(Section{std::string(name), {}, {}});
  sections_.back().Entries.reserve(16);  // a profile's dozen keys without moving them
  names_.Add(sections_.size(), nameOf);
  return sections_.back();
}

void IniFile::SetIn(Section& s, std::string_view key, std::string value, bool overwrite) {
  const auto keyOf = [&s](std::size_t i) -> const std::string& { return s.Entries[i].first; };
  const std::size_t at = s.Keys.Find(key, keyOf);
  if (at != NameSlots::npos) {
    if (overwrite) s.Entries[at].second = std::move(value);
    return;
  }
  s.Entries.emplace_back(key, std::move(value));
  s.Keys.Add(s.Entries.size(), keyOf);
}

}  // namespace settings
