// MAC profiles: the adapters' driver keys in the machine-wide registry.
#include "app/FormQuonthary.h"
#include "app/NetworkAddressVerb.h"
#include "changers/ReadBack.h"
#include "i18n/FormLanguage.h"
#include "profiles/FormMessageChanger.h"

namespace {

// A missing value reads as the empty text; one of another kind cannot be shown or
// compared as an address, so it stops the listing as the form library's reader does.
std::string StringValue(sys::RegistryKey& key, const char* name,
                        const changers::NetworkAdapters& found) {
  auto value = key.Query(name);
  if (!value) return {};
  if (value->Kind != sys::ValueKind::String) throw changers::InvalidDataType(name, found);
  return value->Text;
}

}  // namespace

changers::NetworkAdapters TFormQuonthary::ListNetworkAdapters() {
  changers::NetworkAdapters found;
  const auto root = sys::RootKey::LocalMachine;
  auto classKey = Sys.Reg.Open(root, changers::kAdapterClassKey, false);
  if (!classKey) return found;
  for (const std::string& name : classKey->SubKeyNames()) {
    auto device = Sys.Reg.Open(root, std::string(changers::kAdapterClassKey) + "\\" + name, false);
    // Only network devices carry a bus type; the class key also holds other entries.
    if (!device || !device->Query("BusType")) continue;
    std::string description = StringValue(*device, "DriverDesc", found);
    std::string address = StringValue(*device, changers::kNetworkAddressValue, found);
    found.Links.push_back(name);
    found.Descriptions.push_back(std::move(description));
    found.Addresses.push_back(std::move(address));
  }
  return found;
}

bool TFormQuonthary::WriteMacSetting(const profiles::MacProfileRecord& mac) {
  // The link names one subkey of the class key. Writing through the store would create a
  // key that is missing, so an adapter that is gone (or a link that names no single
  // subkey) is refused instead of leaving a stray key behind.
  const std::string& link = mac.LinkInRegistry;
  if (link.empty() || link.find('\\') != std::string::npos) return false;
  const std::string path = std::string(changers::kAdapterClassKey) + "\\" + link;
  if (!Sys.Reg.Open(sys::RootKey::LocalMachine, path, false)) return false;
  if (mac.UseOtherMAC)
    return Store.WriteSettingString(sys::RootKey::LocalMachine, "\\" + path,
                                    changers::kNetworkAddressValue, mac.MacAddress, true, nullptr);
  return Store.DeleteRegistryValue(sys::RootKey::LocalMachine, "\\" + path,
                                   changers::kNetworkAddressValue);
}

TFormQuonthary::MacWrite TFormQuonthary::PutMacSetting(const profiles::MacProfileRecord& mac) {
  if (!Sys.Shell.ElevationNeeded())
    return WriteMacSetting(mac) ? MacWrite::Written : MacWrite::Failed;
  // Nothing to ask the user about for a link or an address the verb would refuse.
  const std::string verb = app::NetworkAddressArguments(mac);
  if (verb.empty()) return MacWrite::Unfit;
  const std::intptr_t launch =
      Sys.Shell.ShellExecuteElevatedAndWait(Sys.Env.ExePath(), verb, "", sys::ShowNormal, true);
  Sys.Screen.SetForegroundWindow(Handle());
  if (launch == sys::LaunchDeclined) return MacWrite::Declined;
  // Whether the elevated start wrote the value, the read-back tells.
  return launch > 32 ? MacWrite::Written : MacWrite::Failed;
}

const std::string& TFormQuonthary::MacNotWritten(const profiles::MacProfileRecord& mac,
                                                 MacWrite write) {
  switch (write) {
    case MacWrite::Declined:
      return Msg("LabelMacDeclined");
    case MacWrite::Unfit:
      // A link that does not name one adapter subkey counts as an adapter not found.
      if (app::AdapterLinkFits(mac.LinkInRegistry)) return Msg("LabelMacInvalid");
      break;
    default:
      break;
  }
  return changers::MacWriteFailure(Sys.Reg, mac, *FormLanguage);
}

bool TFormQuonthary::ApplyMacProfile(int slot) {
  if (slot < 0 || slot >= profiles::SlotCount) return false;
  const profiles::MacProfileRecord& mac = Profiles.MacProfiles[std::size_t(slot)];
  Sys.Screen.SetForegroundWindow(Handle());
  const bool confirmed = ConfirmProfileChange([&](TFormMessageChanger& w) {
    w.SetCaption(w.Caption() + "MAC Changer");
    w.LabelProfilName.SetCaption(mac.ProfileName);
    w.ShowMacProfile(mac, Msg("LabelDefaultMac"), false);
  });
  if (!confirmed) return false;
  const MacWrite write = PutMacSetting(mac);
  SaveSettings();
  // Read back: only an address that holds needs the device restarted.
  const std::string readBack =
      write == MacWrite::Written ? changers::MacReadBack(Sys.Reg, mac, *FormLanguage) : "";
  if (write != MacWrite::Written)
    ShowTimedMessage(MacNotWritten(mac, write), "", 20, ui::IDI_Exclamation);
  else if (readBack.empty())
    ShowTimedMessage(Msg("LabelMacChanged"), Msg("LabelDisEnab"), 20, ui::IDI_Asterisk);
  else
    ShowTimedMessage(readBack, "", 20, ui::IDI_Exclamation);
  return true;
}
