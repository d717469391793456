#include "app/CommandLine.h"

#include "system/Locale.h"
#include "system/NoCase.h"

namespace app {

namespace {

using profiles::ProfileKind;

bool Blank(char c) { return c == ' ' || c == '\t'; }

// "/yes" and "-YES" are the option "yes"; anything else is no option ("" for a lone "/").
std::string OptionName(const std::string& argument) {
  if (argument.size() < 2 || (argument[0] != '/' && argument[0] != '-')) return {};
  return sys::FoldCase(argument.substr(1));
}

bool KindFromName(const std::string& name, ProfileKind& kind) {
  for (ProfileKind k : profiles::kProfileKinds) {
    if (name == sys::FoldCase(KindOption(k) + 1)) {
      kind = k;
      return true;
    }
  }
  return false;
}

bool KnownOption(const std::string& argument) {
  static const char* const kOptions[] = {
      "IP", "PROXY",          "MAC",   "YES", "SWITCHER", "SETTINGS", "HISTORY",
      "?",  "NETWORKADDRESS", "DELETE"};
  const std::string name = OptionName(argument);
  for (const char* option : kOptions)
    if (name == option) return true;
  return false;
}

const char kDelete[] = "/delete";

// A quoted argument where it holds blanks or quotes (or is empty); backslashes are doubled
// only before a quote, as the runtime reads them.
std::string Quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

// The profile's slot when the text is a slot number: digits only, 0-20.
int SlotNumber(const std::string& text) {
  if (text.empty() || text.size() > 3) return -1;
  int slot = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    slot = slot * 10 + (c - '0');
  }
  return slot < profiles::SlotCount ? slot : -1;
}

template <class Record>
int FindIn(const std::array<Record, profiles::SlotCount>& records, const std::string& text) {
  for (std::size_t i = 0; i < records.size(); ++i)
    if (records[i].Used && sys::SameTextIgnoringCase(records[i].ProfileName, text)) return int(i);
  const int slot = SlotNumber(text);
  return slot >= 0 && records[std::size_t(slot)].Used ? slot : -1;
}

}  // namespace

std::vector<std::string> SplitArguments(const std::string& text) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (true) {
    while (i < n && Blank(text[i])) ++i;
    if (i >= n) return arguments;
    std::string argument;
    bool quoted = false;
    while (i < n && (quoted || !Blank(text[i]))) {
      if (text[i] == '\\') {
        // 2n backslashes before a quote stand for n, and the quote groups; 2n + 1 stand for
        // n and a quote. Elsewhere a backslash is itself (a path).
        std::size_t backslashes = 0;
        while (i < n && text[i] == '\\') ++backslashes, ++i;
        const bool beforeQuote = i < n && text[i] == '"';
        argument.append(beforeQuote ? backslashes / 2 : backslashes, '\\');
        if (beforeQuote && backslashes % 2) {
          argument += '"';
          ++i;
        }
      } else if (text[i] == '"') {
        quoted = !quoted;
        ++i;
      } else {
        argument += text[i++];
      }
    }
    arguments.push_back(argument);
  }
}

std::vector<std::string> ArgumentsOf(const std::string& commandLine) {
  // The program's name ends at its closing quote, or at the first blank; backslashes are
  // path separators there, never escapes.
  std::size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    i = commandLine.find('"', 1);
    i = i == std::string::npos ? commandLine.size() : i + 1;
  } else {
    while (i < commandLine.size() && !Blank(commandLine[i])) ++i;
  }
  return SplitArguments(commandLine.substr(i));
}

ParsedCommand ParseArguments(const std::vector<std::string>& arguments) {
  ParsedCommand parsed;
  Command& c = parsed.Cmd;
  // Asking for the usage overrides whatever else stands there.
  for (const std::string& argument : arguments) {
    if (OptionName(argument) == "?") {
      c.What = Verb::Usage;
      return parsed;
    }
  }
  bool yes = false;
  for (std::size_t i = 0; i < arguments.size() && parsed.Ok(); ++i) {
    const std::string& argument = arguments[i];
    const std::string name = OptionName(argument);
    // The value an option takes: the next argument, which may not be missing or an option.
    auto value = [&]() -> const std::string* {
      if (i + 1 >= arguments.size() || KnownOption(arguments[i + 1])) return nullptr;
      return &arguments[++i];
    };
    if (name == "YES") {
      if (yes) parsed.Fault = argument;
      yes = true;
      continue;
    }
    // Everything else starts the one command a line may hold.
    if (c.What != Verb::None) {
      parsed.Fault = argument;
      break;
    }
    ProfileKind kind = ProfileKind::IP;
    if (KindFromName(name, kind)) {
      const std::string* profile = value();
      if (!profile) {
        parsed.Fault = argument;
        break;
      }
      c.What = Verb::ApplyProfile;
      c.Kind = kind;
      c.Profile = *profile;
    } else if (name == "SWITCHER") {
      const std::string* page = value();
      if (!page || !KindFromName(sys::FoldCase(*page), kind)) {
        parsed.Fault = page ? *page : argument;
        break;
      }
      c.What = Verb::OpenSwitcher;
      c.Kind = kind;
    } else if (name == "SETTINGS") {
      c.What = Verb::OpenSettings;
    } else if (name == "HISTORY") {
      c.What = Verb::OpenHistory;
    } else if (name == "NETWORKADDRESS") {
      // The verb's own start: the adapter's link, then the address or "/delete".
      const std::string* link = value();
      const bool remove =
          link && i + 1 < arguments.size() && OptionName(arguments[i + 1]) == "DELETE";
      if (remove) ++i;
      const std::string* address = link && !remove ? value() : nullptr;
      if (!link || (!remove && (!address || address->empty()))) {
        parsed.Fault = argument;
        break;
      }
      c.What = Verb::NetworkAddress;
      c.Link = *link;
      c.Address = remove ? std::string() : *address;
    } else {
      parsed.Fault = argument;
    }
  }
  if (parsed.Ok() && yes) {
    if (c.What != Verb::ApplyProfile)
      parsed.Fault = "/yes";
    else
      c.Yes = true;
  }
  if (!parsed.Ok()) parsed.Cmd = Command{};
  return parsed;
}

const char* KindOption(ProfileKind kind) {
  switch (kind) {
    case ProfileKind::IP:
      return "/ip";
    case ProfileKind::Proxy:
      return "/proxy";
    case ProfileKind::Mac:
      break;
  }
  return "/mac";
}

std::string CommandText(const Command& c) {
  switch (c.What) {
    case Verb::None:
      return {};
    case Verb::Usage:
      return "/?";
    case Verb::ApplyProfile:
      return std::string(KindOption(c.Kind)) + " " + Quoted(c.Profile) + (c.Yes ? " /yes" : "");
    case Verb::OpenSwitcher:
      return std::string("/switcher ") + (KindOption(c.Kind) + 1);
    case Verb::OpenSettings:
      return "/settings";
    case Verb::OpenHistory:
      return "/history";
    case Verb::NetworkAddress:
      break;
  }
  return "/networkaddress " + Quoted(c.Link) + " " +
         (c.Address.empty() ? std::string(kDelete) : Quoted(c.Address));
}

int FindProfile(const profiles::ProfileTables& tables, ProfileKind kind,
                const std::string& nameOrSlot) {
  switch (kind) {
    case ProfileKind::IP:
      return FindIn(tables.IPProfiles, nameOrSlot);
    case ProfileKind::Proxy:
      return FindIn(tables.ProxyProfiles, nameOrSlot);
    case ProfileKind::Mac:
      break;
  }
  return FindIn(tables.MacProfiles, nameOrSlot);
}

}  // namespace app
