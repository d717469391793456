// Proxy profiles: the per-user Internet settings in the registry.
#include "app/FormQuonthary.h"
#include "changers/ProxyInForce.h"
#include "changers/ReadBack.h"
#include "i18n/FormLanguage.h"
#include "profiles/FormMessageChanger.h"

using changers::kInternetSettingsKey;
using changers::kZoneMapKey;
using changers::ProxyServerValue;

bool TFormQuonthary::ApplyProxyProfile(int slot) {
  if (slot < 0 || slot >= profiles::SlotCount) return false;
  const profiles::ProxyProfileRecord& proxy = Profiles.ProxyProfiles[std::size_t(slot)];
  Sys.Screen.SetForegroundWindow(Handle());
  const bool confirmed = ConfirmProfileChange([&](TFormMessageChanger& w) {
    w.SetCaption(w.Caption() + "Proxy Changer");
    w.LabelProfilName.SetCaption(proxy.ProfileName);
    w.ShowProxyProfile(proxy, Msg("LabelDontProxy"), false);
  });
  if (!confirmed) return false;
  const bool written = WriteProxySettings(proxy);
  SaveSettings();
  // What was written is read back: the second line says whether it holds.
  const std::string readBack = written ? changers::ProxyReadBack(Store, proxy, *FormLanguage) : "";
  if (!written)
    ShowTimedMessage(Msg("LabelProxyNotWritten"), "", 20, ui::IDI_Exclamation);
  else if (readBack.empty())
    ShowTimedMessage(Msg("LabelProxyChanged") + "\n" + Msg("LabelProxyInForce"), "", 10,
                     ui::IDI_Asterisk);
  else
    ShowTimedMessage(Msg("LabelProxyNotHeld") + "\n" + readBack, "", 20, ui::IDI_Exclamation);
  return true;
}

bool TFormQuonthary::WriteProxySettings(const profiles::ProxyProfileRecord& proxy) {
  const auto root = sys::RootKey::CurrentUser;
  // Each write stands alone: one that fails does not keep the others from being made.
  bool ok = Store.WriteSettingInteger(root, kInternetSettingsKey, "ProxyEnable",
                                      proxy.UseProxyServer ? 1 : 0, true, nullptr);
  ok &= Store.WriteSettingInteger(root, kZoneMapKey, "ProxyByPass", proxy.BypassProxyLCon ? 1 : 0,
                                  true, nullptr);
  const std::string server = ProxyServerValue(proxy.ProxyServer, proxy.ProxyServerPort);
  ok &= Store.WriteSettingString(root, kInternetSettingsKey, "ProxyServer", server, true, nullptr);
  // Browsers and WinINet bypass the proxy for "<local>" in this list ("ProxyByPass" above is
  // the intranet zone's flag): the user's other entries stay, and a list that already says
  // so is left as it is.
  const std::string overrides =
      Store.ReadSettingString(root, kInternetSettingsKey, "ProxyOverride", true);
  const std::string bypass = changers::WithLocalBypass(overrides, proxy.BypassProxyLCon);
  if (bypass != overrides)
    ok &= Store.WriteSettingString(root, kInternetSettingsKey, "ProxyOverride", bypass, true,
                                   nullptr);
  // Running programs keep the proxy they read at start unless told.
  Sys.Inet.NotifyChanged();
  return ok;
}
