#include "app/CommandLine.h"

#include "system/Locale.h"
#include "system/NoCase.h"

namespace app {

namespace {

using profiles::ProfileKind;

bool Blank(char c) { return c == ' ' || c == '\t'; }

// The options, as CommandText writes them; the first three also name the switcher's pages.
struct Option {
  const char* Text;
  Verb What;  // None: an option that goes with a command ("/yes", "/delete")
  ProfileKind Kind;
};
const Option kOptions[] = {
    {"/ip", Verb::ApplyProfile, ProfileKind::IP},
    {"/proxy", Verb::ApplyProfile, ProfileKind::Proxy},
    {"/mac", Verb::ApplyProfile, ProfileKind::Mac},
    {"/switcher", Verb::OpenSwitcher, ProfileKind::IP},
    {"/settings", Verb::OpenSettings, ProfileKind::IP},
    {"/history", Verb::OpenHistory, ProfileKind::IP},
    {"/networkaddress", Verb::NetworkAddress, ProfileKind::IP},
    {"/?", Verb::Usage, ProfileKind::IP},
    {"/yes", Verb::None, ProfileKind::IP},
    {"/delete", Verb::None, ProfileKind::IP},
};
const Option& kYes = kOptions[8];
const Option& kDelete = kOptions[9];

// Whether text is the word, letter case aside.
bool SameWord(const std::string& text, std::size_t from, const char* word) {
  std::size_t i = from;
  for (; *word; ++word, ++i)
    if (i >= text.size() || sys::FoldCase(text[i]) != sys::FoldCase(*word)) return false;
  return i == text.size();
}

// The option an argument is: "/" or "-" and its name.
const Option* FindOption(const std::string& argument) {
  if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) return nullptr;
  for (const Option& option : kOptions)
    if (SameWord(argument, 1, option.Text + 1)) return &option;
  return nullptr;
}

const Option* FindPage(const std::string& word) {
  for (int i = 0; i < 3; ++i)
    if (SameWord(word, 0, kOptions[i].Text + 1)) return &kOptions[i];
  return nullptr;
}

ParsedCommand Fault(const std::string& argument) {
  ParsedCommand parsed;
  parsed.Fault = argument;
  return parsed;
}

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

// The used profiles' names by slot, null for a free slot.
using SlotNames = std::array<const std::string*, profiles::SlotCount>;
template <class Record>
SlotNames NamesOf(const std::array<Record, profiles::SlotCount>& records) {
  SlotNames names{};
  for (std::size_t i = 0; i < records.size(); ++i)
    if (records[i].Used) names[i] = &records[i].ProfileName;
  return names;
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
    arguments.push_back(std::move(argument));
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
    if (const Option* option = FindOption(argument); option && option->What == Verb::Usage) {
      c.What = Verb::Usage;
      return parsed;
    }
  }
  bool yes = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const Option* option = FindOption(argument);
    if (option == &kYes && !yes) {
      yes = true;
      continue;
    }
    // One command a line; a word that is no option is one only as an option's value.
    if (!option || option->What == Verb::None || c.What != Verb::None) return Fault(argument);
    c.What = option->What;
    c.Kind = option->Kind;
    // An option's value: the next argument, which may be neither missing nor an option.
    const std::string* value =
        i + 1 < arguments.size() && !FindOption(arguments[i + 1]) ? &arguments[i + 1] : nullptr;
    switch (c.What) {
      case Verb::ApplyProfile:
        if (!value) return Fault(argument);
        c.Profile = *value;
        ++i;
        break;
      case Verb::OpenSwitcher: {
        const Option* page = value ? FindPage(*value) : nullptr;
        if (!page) return Fault(value ? *value : argument);
        c.Kind = page->Kind;
        ++i;
        break;
      }
      case Verb::NetworkAddress: {
        // The verb's own start: the adapter's link, then the address or "/delete".
        if (!value || i + 2 >= arguments.size()) return Fault(argument);
        const std::string& address = arguments[i + 2];
        if (FindOption(address) != &kDelete && (address.empty() || FindOption(address)))
          return Fault(argument);
        c.Link = *value;
        if (FindOption(address) != &kDelete) c.Address = address;
        i += 2;
        break;
      }
      default:
        break;
    }
  }
  if (yes && c.What != Verb::ApplyProfile) return Fault(kYes.Text);
  c.Yes = yes;
  return parsed;
}

std::string CommandText(const Command& c) {
  std::string text;
  if (c.What == Verb::None) return text;
  for (const Option& option : kOptions) {
    if (option.What == c.What && (c.What != Verb::ApplyProfile || option.Kind == c.Kind)) {
      text = option.Text;
      break;
    }
  }
  // Each piece appended on its own: the program is kept small.
  auto add = [&text](const std::string& piece) { (text += ' ') += piece; };
  if (c.What == Verb::ApplyProfile) {
    add(Quoted(c.Profile));
    if (c.Yes) add(kYes.Text);
  } else if (c.What == Verb::OpenSwitcher) {
    add(KindOption(c.Kind) + 1);
  } else if (c.What == Verb::NetworkAddress) {
    add(Quoted(c.Link));
    add(c.Address.empty() ? kDelete.Text : Quoted(c.Address));
  }
  return text;
}

int FindProfile(const profiles::ProfileTables& tables, ProfileKind kind,
                const std::string& nameOrSlot) {
  const SlotNames names = kind == ProfileKind::IP      ? NamesOf(tables.IPProfiles)
                          : kind == ProfileKind::Proxy ? NamesOf(tables.ProxyProfiles)
                                                       : NamesOf(tables.MacProfiles);
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] && sys::SameTextIgnoringCase(*names[i], nameOrSlot)) return int(i);
  const int slot = SlotNumber(nameOrSlot);
  return slot >= 0 && names[std::size_t(slot)] ? slot : -1;
}

}  // namespace app
