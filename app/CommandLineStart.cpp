#include "app/CommandLineStart.h"

#include "app/NetworkAddressVerb.h"
#include "i18n/FormLanguage.h"
#include "i18n/Translate.h"
#include "settings/SettingsStore.h"

namespace app {

namespace {

// The running program's owner form: its window class is "T" + the form's name.
const char kOwnerClass[] = "TFormQuontharyMain";
// A start just before this one may not have made its window yet.
constexpr int kWindowWaitMs = 10000;
constexpr int kWindowWaitStepMs = 100;

const char kSyntax[] =
    "Quonthary.exe /ip|/proxy|/mac NAME [/yes]\n"
    "Quonthary.exe /switcher ip|proxy|mac\n"
    "Quonthary.exe /settings|/history\n";

// The usage in the user's language: the holder translated from the file the settings name.
void ShowUsage(const sys::Platform& platform, const std::string& fault) {
  const std::string exe = platform.Env.ExePath();
  settings::SettingsStore store(platform.Reg, sys::ChangeFileExt(exe, ".ini"));
  TFormLanguage texts(&ui::Application());
  texts.SetLanguageFile(store.ReadSettingString(sys::RootKey::CurrentUser, "\\Software\\Quonthary",
                                                "LanguageFile", store.ReadStorageSwitch()));
  TranslateForm(texts, texts, sys::DirectoryOf(exe));
  std::string text;
  if (!fault.empty()) ((text = texts.Message("LabelCmdFault")) += ' ') += fault + "\n\n";
  text += kSyntax;
  for (const char* label : {"LabelCmdName", "LabelCmdExit"}) (text += '\n') += texts.Message(label);
  ui::Application().MessageBox(text, "Quonthary",
                               fault.empty() ? ui::MB_IconInformation : ui::MB_IconExclamation);
}

}  // namespace

std::optional<int> BeforeStart(const sys::Platform& platform, Command& command) {
  const ParsedCommand parsed = ParseArguments(ArgumentsOf(platform.Instance.CommandLine()));
  if (!parsed.Ok()) {
    ShowUsage(platform, parsed.Fault);
    return kExitBadArguments;
  }
  command = parsed.Cmd;
  if (command.What == Verb::Usage) {
    ShowUsage(platform, "");
    return kExitDone;
  }
  // The elevated start: the one value, and nothing of the program besides.
  if (command.What == Verb::NetworkAddress)
    return SetNetworkAddress(platform.Reg, command.Link, command.Address);
  if (platform.Instance.ClaimFirst()) return std::nullopt;

  const std::string text = CommandText(command);
  for (int waited = 0;; waited += kWindowWaitStepMs) {
    const int answer = platform.Instance.HandOver(kOwnerClass, text);
    if (answer >= 0) return answer;
    // A window that got the command but gave no answer may have acted on it: never twice.
    if (answer != sys::Instances::NoWindow || waited >= kWindowWaitMs) return kExitNotCarriedOut;
    platform.Time.Sleep(kWindowWaitStepMs);
  }
}

}  // namespace app
