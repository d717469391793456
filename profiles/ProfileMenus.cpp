// The profile part of the context menu: a submenu per kind with its "Configure" item and the
// 21 profile items, their captions and visibility from the profile tables, the check marks
// of the profiles in force, the enabled rule, and the clicks that apply one profile each.
#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "app/FormQuonthary.h"
#include "changers/ProxyInForce.h"

using profiles::ProfileKind;

namespace {

// The proxy the per-user Internet settings hold now.
struct LiveProxy {
  std::uint32_t Enable = 0;
  std::string Server;
  bool Bypass = false;
};

// Nullopt when a value cannot be read as its kind, or "ProxyEnable" is missing: the marks
// then stay as they are (the bypass throws for a value of another kind, with the same
// effect). A key that cannot be opened reads as proxy off, no server.
std::optional<LiveProxy> ReadLiveProxy(sys::Registry& reg) {
  LiveProxy live;
  auto key = reg.Open(sys::RootKey::CurrentUser, changers::kInternetSettingsKey, false);
  if (!key) return live;
  auto enable = key->Query("ProxyEnable");
  if (!enable || enable->Kind != sys::ValueKind::Dword) return std::nullopt;
  live.Enable = enable->Dword;
  if (auto value = key->Query("ProxyServer")) {
    if (value->Kind != sys::ValueKind::String) return std::nullopt;
    live.Server = value->Text;
  }
  live.Bypass = changers::LocalBypassInForce(reg);
  return live;
}

// In force while its adapter carries its address, or none for the built-in one.
bool MacInForce(const profiles::MacProfileRecord& mac, const changers::NetworkAdapters& found) {
  if (!mac.Used) return false;
  for (std::size_t i = 0; i < found.Count(); ++i) {
    if (found.Links[i] != mac.LinkInRegistry) continue;
    return mac.UseOtherMAC ? found.Addresses[i] == mac.MacAddress : found.Addresses[i].empty();
  }
  return false;
}

template <class Record>
void ShowRecords(const std::array<ui::TMenuItem*, profiles::SlotCount>& items,
                 const std::array<Record, profiles::SlotCount>& records) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    // A name such as "R&D" shows as typed, without an underline.
    items[i]->SetCaption(ui::QuoteAccelerators(records[i].ProfileName));
    items[i]->SetVisible(records[i].Used);
  }
}

}  // namespace

void TFormQuonthary::BuildProfileMenus() {
  struct Family {
    ProfileKind Kind;
    ui::TMenuItem& Submenu;
    ui::TMenuItem& Configure;
    ui::TMenuItem& Separator;
    void (TFormQuonthary::*ConfigureClick)(ui::TObject*);
    void (TFormQuonthary::*ItemClick)(ui::TObject*);
  };
  const Family families[] = {
      {ProfileKind::Mac, mnuMacChanger, mnuMacConfigure, N11, &TFormQuonthary::mnuMacConfigureClick,
       &TFormQuonthary::mnuMAC00Click},
      {ProfileKind::Proxy, mnuProxyChanger, mnuProxy, N10, &TFormQuonthary::mnuProxyClick,
       &TFormQuonthary::mnuPX00Click},
      {ProfileKind::IP, mnuIPChanger, mnuIPConfigure, N9, &TFormQuonthary::mnuIPConfigureClick,
       &TFormQuonthary::mnuIP01Click},
  };
  for (const Family& f : families) {
    f.Submenu.Add(f.Configure);
    f.Submenu.Add(f.Separator);
    f.Configure.OnClick = [this, click = f.ConfigureClick](ui::TObject* s) { (this->*click)(s); };
    const profiles::KindNames& names = profiles::NamesOf(f.Kind);
    auto& items = ProfileItems(f.Kind);
    for (int slot = 0; slot < profiles::SlotCount; ++slot) {
      // Until the profiles are loaded the first ten carry their designed captions.
      const std::string caption =
          slot < 10 ? names.BuiltinCaption + std::to_string(slot) : std::string();
      // Ctrl+0 ... Ctrl+9 are shown beside the first ten IP profiles.
      const ui::TShortCut shortCut = f.Kind == ProfileKind::IP && slot < 10
                                         ? ui::ShortCut(std::uint16_t('0' + slot), ui::scCtrl)
                                         : ui::TShortCut(0);
      auto& item =
          Create<ui::TMenuItem>(profiles::SlotName(names.MenuPrefix, slot), caption, shortCut);
      item.OnClick = [this, click = f.ItemClick](ui::TObject* s) { (this->*click)(s); };
      f.Submenu.Add(item);
      items[std::size_t(slot)] = &item;
    }
  }
}

std::array<ui::TMenuItem*, profiles::SlotCount>& TFormQuonthary::ProfileItems(ProfileKind kind) {
  switch (kind) {
    case ProfileKind::IP:
      return mnuIP;
    case ProfileKind::Proxy:
      return mnuPX;
    case ProfileKind::Mac:
      break;
  }
  return mnuMAC;
}

void TFormQuonthary::UpdateChangerMenus() {
  for (ui::TMenuItem* submenu : {&mnuMacChanger, &mnuProxyChanger, &mnuIPChanger})
    submenu->SetVisible(Cfg.ShowMenuChange);
  for (ui::TMenuItem* dialog : {&mnuMacChangerDialog, &mnuProxyChangerDialog, &mnuIPChangerDialog})
    dialog->SetVisible(Cfg.ShowMenuWindow);
  // A separator only between groups that are shown: never two in a row, none at the end.
  N1.SetVisible(Cfg.ShowMenuChange || Cfg.ShowMenuWindow);
  N2.SetVisible(Cfg.ShowMenuChange && Cfg.ShowMenuWindow);
}

void TFormQuonthary::UpdateIPMenuItems() {
  ShowRecords(mnuIP, Profiles.IPProfiles);
  // Reordering in the IP editor moves the marks with their profiles.
  ShowAppliedMarks();
}

void TFormQuonthary::UpdateProxyMenuItems() { ShowRecords(mnuPX, Profiles.ProxyProfiles); }

void TFormQuonthary::UpdateMacMenuItems() { ShowRecords(mnuMAC, Profiles.MacProfiles); }

void TFormQuonthary::ShowAppliedMarks() {
  for (std::size_t i = 0; i < mnuIP.size(); ++i) mnuIP[i]->SetChecked(Profiles.AppliedMarks[i]);
}

void TFormQuonthary::UpdateEnabledStates() {
  const bool enabled = !Dialogs.BlocksCommands();
  // "Move window" is the mode flag and is never touched here.
  for (ui::TMenuItem* item :
       {&mnuAbout, &mnuIPConfigure, &mnuClose, &mnuProxy, &mnuSettings, &mnuBatteryHistory})
    item->SetEnabled(enabled);
  // In taskbar mode no modal run disables the gauge, so a second profile change could be
  // started from it while the first one's window is still up.
  const bool changes = !Dialogs.BlocksProfileCommands();
  for (ui::TMenuItem* item : {&mnuIPChanger, &mnuProxyChanger, &mnuMacChanger, &mnuIPChangerDialog,
                              &mnuProxyChangerDialog, &mnuMacChangerDialog})
    item->SetEnabled(changes);
  // Their shortcuts reach the items without the submenus.
  for (ProfileKind kind : profiles::kProfileKinds)
    for (ui::TMenuItem* item : ProfileItems(kind)) item->SetEnabled(changes);
}

void TFormQuonthary::PopupMenuPopup(ui::TObject*) {
  UpdateEnabledStates();
  // While the settings dialog is open the marks stay as they are.
  if (Dialogs.IsOpen(dialogs::DialogKind::Settings)) return;

  // Each kind of mark on its own: one that cannot be read keeps its marks, the other still
  // follows the system. Computed whole before any item changes.
  try {
    const changers::NetworkAdapters found = ListNetworkAdapters();
    std::array<bool, profiles::SlotCount> marks{};
    for (std::size_t i = 0; i < marks.size(); ++i)
      marks[i] = MacInForce(Profiles.MacProfiles[i], found);
    for (std::size_t i = 0; i < marks.size(); ++i) mnuMAC[i]->SetChecked(marks[i]);
  } catch (const std::exception&) {
  }
  try {
    if (const std::optional<LiveProxy> live = ReadLiveProxy(Sys.Reg)) {
      for (std::size_t i = 0; i < mnuPX.size(); ++i)
        mnuPX[i]->SetChecked(changers::ProxyProfileInForce(Profiles.ProxyProfiles[i], live->Enable,
                                                           live->Server, live->Bypass));
    }
  } catch (const std::exception&) {
  }
  // The IP items keep their marks: they are the applied marks, set where those change.
}

namespace {

int SlotOfItem(ui::TObject* sender, ProfileKind kind) {
  auto* item = dynamic_cast<ui::TMenuItem*>(sender);
  return item ? profiles::SlotFromName(item->Name(), profiles::NamesOf(kind).SlotPosition) : -1;
}

}  // namespace

void TFormQuonthary::mnuIP01Click(ui::TObject* sender) {
  const int slot = SlotOfItem(sender, ProfileKind::IP);
  if (slot >= 0) ApplyIPProfile(slot);
}

void TFormQuonthary::mnuPX00Click(ui::TObject* sender) {
  const int slot = SlotOfItem(sender, ProfileKind::Proxy);
  if (slot >= 0) ApplyProxyProfile(slot);
}

void TFormQuonthary::mnuMAC00Click(ui::TObject* sender) {
  const int slot = SlotOfItem(sender, ProfileKind::Mac);
  if (slot >= 0) ApplyMacProfile(slot);
}
