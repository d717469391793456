// Opening the profile switcher on one page (from the menu, the hot keys and the double
// click), and what the switcher is handed: the menu items it mirrors and the commands it
// runs.
#include "app/FormQuonthary.h"
#include "dialogs/DialogRunner.h"
#include "i18n/FormLanguage.h"
#include "profiles/FormChanger.h"
#include "profiles/IPVerification.h"

using profiles::ProfileKind;

void TFormQuonthary::mnuIPChangerDialogClick(ui::TObject*) { OpenChanger(ProfileKind::IP); }

void TFormQuonthary::mnuProxyChangerDialogClick(ui::TObject*) { OpenChanger(ProfileKind::Proxy); }

void TFormQuonthary::mnuMacChangerDialogClick(ui::TObject*) { OpenChanger(ProfileKind::Mac); }

void TFormQuonthary::OpenChanger(ProfileKind kind) {
  // The enabled state dates from the last refresh, and a hot key comes without one: a
  // dialog closed since would keep the switcher shut, one opened since would not.
  UpdateEnabledStates();
  // The three dialog items share one state.
  if (!mnuIPChangerDialog.Enabled()) return;
  if (FormChanger) {
    Sys.Screen.SetForegroundWindow(FormChanger->Handle());
    return;
  }
  PopupMenuPopup(&PopupMenu);

  TFormChanger::Links links;
  for (ProfileKind k : profiles::kProfileKinds) {
    const auto& items = ProfileItems(k);
    for (std::size_t i = 0; i < items.size(); ++i)
      links.Items[profiles::KindIndex(k)][i] = items[i];
  }
  links.RefreshMenu = [this] { PopupMenuPopup(&PopupMenu); };
  links.Apply = [this](ProfileKind k, int slot) { return ApplyProfile(k, slot); };
  links.Configure = [this](ProfileKind k) { ConfigureProfiles(k); };
  links.PresentIP = [this] {
    return profiles::PresentSettingsLines(Profiles.IPProfiles, Sys.Ip.Connections(), *FormLanguage);
  };
  {
    dialogs::DialogRun<TFormChanger> run(FormChanger, Dialogs, dialogs::DialogKind::Changer,
                                         DialogEnvironment(), std::move(links));
    Sys.Screen.SetForegroundWindow(run->Handle());
    run->ShowPage(kind);
    run.ShowModal();
  }
  PopupMenuPopup(&PopupMenu);
}

bool TFormQuonthary::ApplyProfile(ProfileKind kind, int slot) {
  switch (kind) {
    case ProfileKind::IP:
      return ApplyIPProfile(slot);
    case ProfileKind::Proxy:
      return ApplyProxyProfile(slot);
    case ProfileKind::Mac:
      break;
  }
  return ApplyMacProfile(slot);
}

void TFormQuonthary::ConfigureProfiles(ProfileKind kind) {
  switch (kind) {
    case ProfileKind::IP:
      mnuIPConfigureClick(&mnuIPConfigure);
      return;
    case ProfileKind::Proxy:
      mnuProxyClick(&mnuProxy);
      return;
    case ProfileKind::Mac:
      mnuMacConfigureClick(&mnuMacConfigure);
      return;
  }
}
