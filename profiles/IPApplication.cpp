// IP profiles: a network shell script run through a batch file, with the proxy and MAC
// profiles that the IP profile names put in force in the same step.
#include "app/FormQuonthary.h"
#include "profiles/FormMessageChanger.h"
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

  const bool confirmed = ConfirmProfileChange([&](TFormMessageChanger& w) {
    w.SetCaption(w.Caption() + "IP Changer");
    w.LabelProfilName.SetCaption(ip.ProfileName);
    w.ShowIPProfile(ip);
    if (proxy) w.ShowProxyProfile(*proxy, Msg("LabelDontProxy"), true);
    if (mac) w.ShowMacProfile(*mac, Msg("LabelDefault"), true);
  });
  if (!confirmed) return false;

  // The system values go first, so they are in place when the network shell runs.
  std::string failures;
  if (proxy && !WriteProxySettings(*proxy)) failures += "\n" + Msg("LabelProxyNotWritten");
  bool macWritten = false;
  if (mac) {
    macWritten = WriteMacSetting(*mac);
    if (!macWritten) failures += "\n" + Msg("LabelMacNotWritten");
  }

  // Marked before the launch, so a launch that fails still leaves the profile marked.
  const auto marksBefore = Profiles.AppliedMarks;
  profiles::MarkApplied(Profiles, slot);
  ShowAppliedMarks();

  // Each file is replaced whole, so a write that fails leaves no half script to run later.
  try {
    sys::files::WriteReplacing(TempFolder + profiles::kBatchFileName,
                               profiles::NetshBatchText(TempFolder));
    sys::files::WriteReplacing(TempFolder + profiles::kScriptFileName,
                               profiles::NetshScriptText(ip));
  } catch (const sys::FileCreateError&) {
    // Running the batch now would carry out whatever script an earlier use left behind.
    Profiles.AppliedMarks = marksBefore;
    ShowAppliedMarks();
    ShowTimedMessage(Msg("LabelScriptNotWritten") + failures, "", 20, ui::IDI_Exclamation);
    return true;
  }

  const std::intptr_t launch =
      RunProgramAndWait(TempFolder + profiles::kBatchFileName, "", "", sys::ShowMinimized, true);
  Sys.Screen.SetForegroundWindow(Handle());
  SaveSettings();

  if (launch > 32 && failures.empty()) {
    ShowTimedMessage(Msg("LabelIPChanged"), macWritten ? Msg("LabelDisEnab") : "", 10,
                     ui::IDI_Asterisk);
  } else if (launch > 32) {
    ShowTimedMessage(Msg("LabelIPChanged") + failures, macWritten ? Msg("LabelDisEnab") : "", 20,
                     ui::IDI_Exclamation);
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
