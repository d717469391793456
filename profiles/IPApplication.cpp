// IP profiles: a network shell script run through a batch file, with the proxy and MAC
// profiles that the IP profile names put in force in the same step.
#include <optional>

#include "app/FormQuonthary.h"
#include "app/NetworkAddressVerb.h"
#include "changers/ProxyBackup.h"
#include "changers/ReadBack.h"
#include "i18n/FormLanguage.h"
#include "profiles/FormMessageChanger.h"
#include "profiles/IPVerification.h"
#include "profiles/NetshScript.h"
#include "system/Files.h"

bool TFormQuonthary::ApplyIPProfile(int slot) {
  if (slot < 0 || slot >= profiles::SlotCount) return false;
  const profiles::IPProfileRecord& ip = Profiles.IPProfiles[std::size_t(slot)];
  const profiles::ProxyProfileRecord* proxy = Profiles.LinkedProxy(ip);
  const profiles::MacProfileRecord* mac = Profiles.LinkedMac(ip);

  // A field that would add or break a shell command is refused before anything is asked
  // or changed: the user is not asked about a change that cannot be made.
  if (!profiles::FitsNetshScript(ip)) {
    ShowTimedMessage(Msg("LabelUnsafeProfile"), "", 20, ui::IDI_Exclamation);
    return false;
  }

  // Without administrator rights the network shell changes nothing: Windows is asked for
  // them, and the user is told so before saying Yes.
  const bool elevate = Sys.Shell.ElevationNeeded();
  const bool confirmed = ConfirmProfileChange([&](TFormMessageChanger& w) {
    w.SetCaption(w.Caption() + "IP Changer");
    w.LabelProfilName.SetCaption(ip.ProfileName);
    w.ShowIPProfile(ip);
    if (proxy) w.ShowProxyProfile(*proxy, Msg("LabelDontProxy"), true);
    if (mac) w.ShowMacProfile(*mac, Msg("LabelDefault"), true);
    if (elevate) w.ShowElevationNotice();
  });
  if (!confirmed) return false;

  // The system values go first, so they are in place when the network shell runs; each is
  // read back, and only what holds is reported as done.
  std::string failures;
  auto fail = [&failures](const std::string& line) {
    if (!line.empty()) failures += "\n" + line;
  };
  // Put back should the user decline the rights the network shell needs.
  std::optional<changers::ProxyBackup> proxyBefore;
  if (proxy) {
    proxyBefore = changers::ProxyBackup::Take(Sys.Reg);
    if (WriteProxySettings(*proxy))
      fail(changers::ProxyReadBack(Store, *proxy, *FormLanguage));
    else
      fail(Msg("LabelProxyNotWritten"));
  }
  const std::size_t proxyLines = failures.size();
  bool macWritten = false;
  // Without rights the elevated batch writes the adapter value too, through the program's
  // own verb: one question to the user covers both.
  const std::string macLine =
      mac && elevate ? app::NetworkAddressBatchLine(Sys.Env.ExePath(), *mac) : std::string();
  if (mac && elevate && macLine.empty()) {
    fail(MacNotWritten(*mac, MacWrite::Unfit));
  } else if (mac && !elevate) {
    if (!WriteMacSetting(*mac)) {
      fail(changers::MacWriteFailure(Sys.Reg, *mac, *FormLanguage));
    } else {
      const std::string readBack = changers::MacReadBack(Sys.Reg, *mac, *FormLanguage);
      macWritten = readBack.empty();
      fail(readBack);
    }
  }

  // Marked before the launch, so a launch that fails still leaves the profile marked.
  const auto marksBefore = Profiles.AppliedMarks;
  profiles::MarkApplied(Profiles, slot);
  ShowAppliedMarks();

  // Each file is replaced whole, so a write that fails leaves no half script to run later.
  try {
    sys::files::WriteReplacing(TempFolder + profiles::kBatchFileName,
                               Sys.Env.OemFromAnsi(macLine + profiles::NetshBatchText(TempFolder)));
    sys::files::WriteReplacing(TempFolder + profiles::kScriptFileName,
                               profiles::NetshScriptText(ip));
  } catch (const sys::FileCreateError&) {
    // Running the batch now would carry out whatever script an earlier use left behind.
    Profiles.AppliedMarks = marksBefore;
    ShowAppliedMarks();
    ShowTimedMessage(Msg("LabelScriptNotWritten") + failures, "", 20, ui::IDI_Exclamation);
    return true;
  }

  const std::string batch = TempFolder + profiles::kBatchFileName;
  const std::intptr_t launch =
      elevate ? Sys.Shell.ShellExecuteElevatedAndWait(batch, "", "", sys::ShowMinimized, true)
              : RunProgramAndWait(batch, "", "", sys::ShowMinimized, true);
  Sys.Screen.SetForegroundWindow(Handle());
  // The user said no to the rights: the network shell never ran, nothing was applied.
  const bool declined = elevate && launch == sys::LaunchDeclined;
  if (declined) {
    Profiles.AppliedMarks = marksBefore;
    ShowAppliedMarks();
  }
  if (!macLine.empty() && declined) {
    fail(Msg("LabelMacDeclined"));
  } else if (!macLine.empty() && launch > 32) {
    const std::string readBack = changers::MacReadBack(Sys.Reg, *mac, *FormLanguage);
    macWritten = readBack.empty();
    fail(readBack);
  }
  SaveSettings();

  if (declined) {
    // The proxy goes back to what it was: the change it belonged to did not happen.
    std::string proxyLine;
    if (proxyBefore) {
      const bool restored = proxyBefore->Restore(Sys.Reg);
      Sys.Inet.NotifyChanged();
      proxyLine = "\n" + Msg(restored ? "LabelProxyRestored" : "LabelProxyNotRestored");
      failures.erase(0, proxyLines);
    }
    ShowTimedMessage(Msg("LabelIPNotApplied") + proxyLine + failures, "", 20, ui::IDI_Exclamation);
  } else if (launch > 32) {
    // The box reads the connection back while it is shown, until the settings hold or a
    // DHCP lease has had a few seconds to arrive; what did not hold leads the box.
    const bool clean = failures.empty();
    ShowTimedMessage(
        Msg(clean ? "LabelIPChanged" : "LabelIPNotHeld") + failures,
        macWritten ? Msg("LabelDisEnab") : "", clean ? 10 : 20,
        clean ? ui::IDI_Asterisk : ui::IDI_Exclamation,
        profiles::IPVerification(ip, Sys.Ip, *FormLanguage, profiles::SettleLooks(ip)));
  } else {
    ShowTimedMessage(Msg("LabelErrNetsh") + " : " + std::to_string(launch) + failures, "", 20,
                     ui::IDI_Exclamation);
  }
  return true;
}

std::intptr_t TFormQuonthary::RunProgramAndWait(const std::string& file, const std::string& params,
                                                const std::string& directory, int show, bool wait) {
  return Sys.Shell.ShellExecuteAndWait(file, params, directory, show, wait);
}
