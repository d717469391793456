#include "profiles/NetshDump.h"

#include <optional>

namespace profiles {

namespace {

const char kQuote = '"';

std::string Lower(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The name after a "... name=" key: the key and the character after it (the opening quote)
// are dropped, the name ends before the next quote; without one it is empty.
std::string NameAfter(const std::string& line, std::size_t keyEnd) {
  if (keyEnd + 1 > line.size()) return {};
  const std::size_t start = keyEnd + 1;
  const std::size_t end = line.find(kQuote, start);
  return end == std::string::npos ? std::string() : line.substr(start, end - start);
}

// The XP form's value after a key: up to the next blank; when no blank follows, or the
// blank comes at once, the rest of the line.
std::string ValueAfter(const std::string& line, const std::string& lower, const std::string& key) {
  const std::size_t at = lower.find(key);
  const std::string rest = line.substr(at + key.size());
  const std::size_t blank = rest.find(' ');
  return blank == std::string::npos || blank == 0 ? rest : rest.substr(0, blank);
}

// The newer form's " key=value" after position from, the value up to the next blank; none
// when the key is absent or its value empty.
std::optional<std::string> Token(const std::string& line, const std::string& lower,
                                 const std::string& key, std::size_t from = 0) {
  std::size_t at = lower.find(" " + key, from);
  if (at == std::string::npos) at = lower.find("\t" + key, from);
  if (at == std::string::npos) return std::nullopt;
  const std::size_t start = at + 1 + key.size();
  const std::size_t end = line.find_first_of(" \t\r", start);
  std::string value =
      line.substr(start, end == std::string::npos ? std::string::npos : end - start);
  if (value.empty()) return std::nullopt;
  return value;
}

// The line's words, split at blanks and tabs (a string stream would pull the whole locale
// machinery into the program).
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while ((at = line.find_first_not_of(" \t\r\n", at)) != std::string::npos) {
    const std::size_t end = line.find_first_of(" \t\r\n", at);
    words.push_back(line.substr(at, end == std::string::npos ? std::string::npos : end - at));
    at = end;
  }
  return words;
}

// Which "pushd" section a line belongs to: the newer form is read only in the IPv4 one
// (the IPv6 section uses the same words for its own addresses).
class Section {
 public:
  void See(const std::string& lower) {
    const std::vector<std::string> words = Words(lower);
    if (words.empty()) return;
    if (words[0] == "popd") {
      current_.clear();
      return;
    }
    if (words[0] != "pushd") return;
    std::string rest;
    for (std::size_t i = 1; i < words.size(); ++i) rest += (rest.empty() ? "" : " ") + words[i];
    current_ = rest;
  }
  bool IPv4() const { return current_ == "interface ipv4"; }

 private:
  std::string current_;
};

// Whether the line, leading blanks aside, begins with start.
bool BeginsWith(const std::string& lower, const std::string& start) {
  const std::size_t first = lower.find_first_not_of(" \t");
  return first != std::string::npos && lower.compare(first, start.size(), start) == 0;
}

const std::optional<std::string> kDefaultRoute = std::string("0.0.0.0/0");
const std::optional<std::string> kSecond = std::string("2");

// The position just after pattern in lower, or npos.
std::size_t After(const std::string& lower, const std::string& pattern) {
  const std::size_t at = lower.find(pattern);
  return at == std::string::npos ? at : at + pattern.size();
}

}  // namespace

std::vector<std::string> DumpLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> ParseConnectionNames(const std::vector<std::string>& lines) {
  static const std::string setAddress = "set address name=";
  static const std::string addAddress = "add address name=";
  std::vector<std::string> names;
  Section section;
  for (const std::string& line : lines) {
    const std::string lower = Lower(line);
    section.See(lower);
    std::size_t at = lower.find(setAddress);
    if (at != std::string::npos) {
      names.push_back(NameAfter(line, at + setAddress.size()));
      continue;
    }
    at = lower.find(addAddress);
    if (at != std::string::npos && section.IPv4())
      names.push_back(NameAfter(line, at + addAddress.size()));
  }
  return names;
}

DumpedSettings ParseConnectionSettings(const std::vector<std::string>& lines,
                                       const std::string& connection) {
  const std::string name = "name=\"" + Lower(connection) + "\"";
  const std::string setAddress = "set address " + name;
  const std::string addAddress = "add address " + name;
  const std::string setDns = "set dns " + name;
  const std::string addDns = "add dns " + name;
  const std::string setDnsServers = "set dnsservers " + name;
  const std::string addDnsServers = "add dnsservers " + name;
  const std::string routeInterface = "interface=\"" + Lower(connection) + "\"";

  DumpedSettings s;
  bool newerAddress = false, newerGateway = false;
  Section section;
  for (const std::string& line : lines) {
    const std::string lower = Lower(line);
    section.See(lower);

    // Windows XP.
    if (Contains(lower, setAddress)) {
      s.found = true;
      if (Contains(lower, "addr=")) s.address = ValueAfter(line, lower, "addr=");
      if (Contains(lower, "mask=")) s.mask = ValueAfter(line, lower, "mask=");
      if (Contains(lower, "gateway=")) s.gateway = ValueAfter(line, lower, "gateway=");
      if (Contains(lower, "source=dhcp")) s.dhcp = true;
    }
    if (Contains(lower, setDns)) {
      s.found = true;
      if (!Contains(lower, "source=dhcp") && Contains(lower, "addr="))
        s.dns1 = ValueAfter(line, lower, "addr=");
    }
    if (Contains(lower, addDns)) {
      s.found = true;
      if (Contains(lower, "addr=") && Contains(lower, "index=2"))
        s.dns2 = ValueAfter(line, lower, "addr=");
    }

    // Windows Vista and later.
    if (!section.IPv4()) continue;
    std::size_t from = After(lower, addAddress);
    if (from == std::string::npos) from = After(lower, setAddress);
    if (from != std::string::npos) s.found = true;
    if (from != std::string::npos && !newerAddress) {
      if (auto address = Token(line, lower, "address=", from)) {
        s.address = *address;
        if (auto mask = Token(line, lower, "mask=", from)) s.mask = *mask;
        newerAddress = true;
      }
    }
    const bool route = BeginsWith(lower, "add route ") && Contains(lower, " " + routeInterface);
    s.found |= route;
    if (route && !newerGateway && Token(line, lower, "prefix=") == kDefaultRoute) {
      if (auto gateway = Token(line, lower, "nexthop=")) {
        s.gateway = *gateway;
        newerGateway = true;
      }
    }
    from = After(lower, setDnsServers);
    if (from != std::string::npos) {
      s.found = true;
      if (auto dns = Token(line, lower, "address=", from)) s.dns1 = *dns;
    }
    from = After(lower, addDnsServers);
    if (from != std::string::npos) {
      s.found = true;
      if (Token(line, lower, "index=", from) == kSecond)
        if (auto dns = Token(line, lower, "address=", from)) s.dns2 = *dns;
    }
  }
  return s;
}

}  // namespace profiles
