#include "changers/ReadBack.h"

#include "changers/NetworkAdapters.h"
#include "changers/ProxyInForce.h"
#include "i18n/FillIn.h"
#include "i18n/FormLanguage.h"

namespace changers {

namespace {

const char kInternetSettings[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kZoneMap[] =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap";

std::string AdapterPath(const profiles::MacProfileRecord& mac) {
  return std::string(kAdapterClassKey) + "\\" + mac.LinkInRegistry;
}

}  // namespace

std::string ProxyReadBack(settings::SettingsStore& store, const profiles::ProxyProfileRecord& proxy,
                          const TFormLanguage& texts) {
  const auto root = sys::RootKey::CurrentUser;
  std::string lines;
  auto expect = [&](const char* name, const std::string& has, const std::string& expected) {
    if (has == expected) return;
    lines += (lines.empty() ? "" : "\n") +
             FillIn(texts.Message("LabelProxyDiffers"), {name, has, expected});
  };
  expect("ProxyEnable",
         std::to_string(store.ReadSettingInteger(root, kInternetSettings, "ProxyEnable", true)),
         proxy.UseProxyServer ? "1" : "0");
  expect("ProxyByPass",
         std::to_string(store.ReadSettingInteger(root, kZoneMap, "ProxyByPass", true)),
         proxy.BypassProxyLCon ? "1" : "0");
  expect("ProxyServer", store.ReadSettingString(root, kInternetSettings, "ProxyServer", true),
         ProxyServerValue(proxy.ProxyServer, proxy.ProxyServerPort));
  const std::string overrides =
      store.ReadSettingString(root, kInternetSettings, "ProxyOverride", true);
  expect("ProxyOverride", overrides, WithLocalBypass(overrides, proxy.BypassProxyLCon));
  return lines;
}

std::string MacReadBack(sys::Registry& registry, const profiles::MacProfileRecord& mac,
                        const TFormLanguage& texts) {
  std::string has;
  if (auto key = registry.Open(sys::RootKey::LocalMachine, AdapterPath(mac), false)) {
    if (auto value = key->Query(kNetworkAddressValue)) has = value->Text;
  }
  const std::string expected = mac.UseOtherMAC ? mac.MacAddress : std::string();
  if (has == expected) return {};
  const std::string& builtIn = texts.Message("LabelDefault");
  return FillIn(texts.Message("LabelMacDiffers"),
                {has.empty() ? builtIn : has, expected.empty() ? builtIn : expected});
}

const std::string& MacWriteFailure(sys::Registry& registry, const profiles::MacProfileRecord& mac,
                                   const TFormLanguage& texts) {
  const bool there = !mac.LinkInRegistry.empty() &&
                     mac.LinkInRegistry.find('\\') == std::string::npos &&
                     registry.Exists(sys::RootKey::LocalMachine, AdapterPath(mac));
  return texts.Message(there ? "LabelMacNeedsAdmin" : "LabelMacNotWritten");
}

}  // namespace changers
