// The profile switcher ("Quonthary Changer"): the profiles of one kind as a column of
// buttons, the ones in force bold beside a lime circle. Pressing one puts that profile in
// force after the confirmation; declining brings the switcher back. The buttons mirror the
// context menu's profile items (caption, visibility, check mark): the switcher keeps no
// profiles of its own, only what it is handed.
#pragma once
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "profiles/ProfileKinds.h"
#include "profiles/ProfileRecords.h"
#include "ui/Ui.h"

class TFormChanger : public dialogs::TDialog {
 public:
  using MenuItems = std::array<const ui::TMenuItem*, profiles::SlotCount>;
  using Buttons = std::array<ui::TButton*, profiles::SlotCount>;

  // What whoever opens the switcher hands to it.
  struct Links {
    // The profile items each page mirrors, by kind (IP, proxy, MAC) and slot.
    std::array<MenuItems, 3> Items{};
    // The menu-state refresh: enabled states, proxy and MAC check marks.
    std::function<void()> RefreshMenu;
    // Asks, then puts the profile in force; true when the user confirmed.
    std::function<bool(profiles::ProfileKind, int slot)> Apply;
    // Runs the kind's editor as the menu's "Configure" item does.
    std::function<void(profiles::ProfileKind)> Configure;
    // What each connection of the IP profiles has now, one line each ("LAN: DHCP").
    std::function<std::vector<std::string>()> PresentIP;
  };

  TFormChanger(ui::TComponent* owner, const dialogs::DialogEnv& env, Links links);

  // ---- components, with their design values ----
  ui::TPageControl PageControl{this, "PageControl", this, {10, 10, 323, 489}};
  ui::TTabSheet TabSheetIP{this, "TabSheetIP", &PageControl, "IP Address"};
  ui::TTabSheet TabSheetProxy{this, "TabSheetProxy", &PageControl, "Proxy Server"};
  ui::TTabSheet TabSheetMAC{this, "TabSheetMAC", &PageControl, "MAC Address"};
  // The focus marks, in the middle of where an in-force circle would be.
  ui::TShape ShapeSelectedIP{this, "ShapeSelectedIP", &TabSheetIP, {5, 9, 11, 11}};
  ui::TShape ShapeSelectedProxy{this, "ShapeSelectedProxy", &TabSheetProxy, {5, 9, 11, 11}};
  ui::TShape ShapeSelectedMac{this, "ShapeSelectedMac", &TabSheetMAC, {5, 9, 11, 11}};
  // Placed on their pages after the profile buttons, so they come after them in tab order.
  ui::TButton ButtonConfigureIP{
      this, "ButtonConfigureIP", nullptr, {22, 430, 75, 25}, "&Configure"};
  ui::TButton ButtonConfigureProxy{
      this, "ButtonConfigureProxy", nullptr, {22, 430, 75, 25}, "&Configure"};
  ui::TButton ButtonConfigureMac{
      this, "ButtonConfigureMac", nullptr, {22, 430, 75, 25}, "&Configure"};
  // Under the IP page's buttons, read afresh at each show: what the connections have now.
  ui::TLabel LabelPresent{this, "LabelPresent", nullptr, {22, 0, 288, 13}, "In force now:"};
  ui::TLabel LabelPresentList{this, "LabelPresentList", nullptr, {22, 0, 288, 13}, ""};
  ui::TButton ButtonClose{this, "ButtonClose", this, {134, 509, 75, 25}, "Close"};
  // btnIP00 ... btnIP20, btnPX00 ... btnPX20, btnMAC00 ... btnMAC20, made at creation: button
  // i stands for slot i, its tag tells the kind.
  Buttons btnIP{}, btnPX{}, btnMAC{};

  // Before the modal run: the page of kind is the only one, its tab the only tab.
  void ShowPage(profiles::ProfileKind kind);
  profiles::ProfileKind Kind() const { return kind_; }
  const Buttons& ButtonsOf(profiles::ProfileKind kind) const;
  ui::TTabSheet& PageOf(profiles::ProfileKind kind);
  ui::TButton& ConfigureButtonOf(profiles::ProfileKind kind);
  // The profile button that last had the focus; none until one has.
  ui::TButton* ChosenButton() const { return chosen_; }

  // ---- handlers ----
  void btnIP00Enter(ui::TObject* sender);
  void btnIP00Click(ui::TObject* sender);
  void ButtonConfigureIPClick(ui::TObject* sender);
  void ButtonConfigureProxyClick(ui::TObject* sender);
  void ButtonConfigureMacClick(ui::TObject* sender);
  void ButtonCloseClick(ui::TObject* sender);

 protected:
  void BeforeTranslate() override;
  void FormShow() override;

 private:
  template <class Self>
  static auto& ButtonsIn(Self& self, profiles::ProfileKind kind) {
    switch (kind) {
      case profiles::ProfileKind::IP:
        return self.btnIP;
      case profiles::ProfileKind::Proxy:
        return self.btnPX;
      case profiles::ProfileKind::Mac:
        break;
    }
    return self.btnMAC;
  }
  void Configure(profiles::ProfileKind kind);
  ui::TShape& SelectionMarkOf(profiles::ProfileKind kind);
  void RemoveInForceMarks();
  // Places the present settings below top on the IP page; the top that follows them.
  int ShowPresentSettings(int top);
  Links links_;
  profiles::ProfileKind kind_ = profiles::ProfileKind::IP;
  ui::TButton* chosen_ = nullptr;
};
