// The proxy profile editor ("Proxy Server Changer"): the 21 proxy profiles edited, deleted
// and reordered one slot at a time, and the proxy settings in force copied into a profile.
// It changes the records it is handed; the opener saves them and refreshes the menus.
#pragma once
#include "profiles/ProfileEditor.h"
#include "profiles/ProfileRecords.h"
#include "system/Registry.h"
#include "ui/Ui.h"

class TFormProxy : public profiles::TProfileEditor {
 public:
  // registry: where the settings in force are read (the current user's Internet settings).
  TFormProxy(ui::TComponent* owner, const dialogs::DialogEnv& env, profiles::ProfileTables& tables,
             sys::Registry& registry, profiles::OrderDialogRunner runOrder);

  // ---- components, with their design values ----
  ui::TLabel Label7{this, "Label7", this, {8, 12, 33, 13}, "Profile:"};
  ui::TComboBox ComboBoxProfNo{this, "ComboBoxProfNo", this, {56, 8, 230, 21}};
  ui::TGroupBox GroupBoxSettings{
      this, "GroupBoxSettings", this, {8, 38, 404, 72}, "Profile Settings"};
  ui::TButton ButtonSave{this, "ButtonSave", &GroupBoxSettings, {10, 18, 90, 25}, "Save"};
  ui::TButton ButtonDelete{this, "ButtonDelete", &GroupBoxSettings, {106, 18, 90, 25}, "Delete"};
  ui::TButton ButtonProfOrder{
      this, "ButtonProfOrder", &GroupBoxSettings, {202, 18, 110, 25}, "Change order..."};
  ui::TLabel LabelChanged{
      this, "LabelChanged", &GroupBoxSettings, {10, 50, 134, 13}, "Changed! Remember to save"};
  ui::TLabel Label8{this, "Label8", this, {8, 120, 66, 13}, "&Profile name:"};
  ui::TLabel LabelDontUsed{this, "LabelDontUsed", this, {352, 120, 60, 13}, "not used yet"};
  ui::TEdit EditProfName{this, "EditProfName", this, {8, 136, 404, 21}};
  ui::TLabel Label5{this, "Label5", this, {8, 168, 42, 13}, "Settings"};
  ui::TCheckBox CheckBoxUseProxy{
      this, "CheckBoxUseProxy", this, {8, 186, 200, 17}, "Use Proxy server"};
  ui::TLabel Label11{this, "Label11", this, {8, 214, 48, 13}, "Pro&xy IP:"};
  ui::TEdit EditProxyIP{this, "EditProxyIP", this, {70, 210, 150, 21}};
  ui::TLabel Label12{this, "Label12", this, {232, 214, 26, 13}, "Po&rt:"};
  ui::TEdit EditProxyPort{this, "EditProxyPort", this, {272, 210, 60, 21}};
  ui::TCheckBox CheckBoxProxyBypass{
      this, "CheckBoxProxyBypass", this, {8, 240, 260, 17}, "bypass proxy for local addresses"};
  ui::TButton Button4{this, "Button4", this, {8, 268, 200, 25}, "Import current proxy settings"};
  ui::TButton Button2{this, "Button2", this, {332, 268, 80, 25}, "Close"};

  void FormCreate();
  void EditProfNameChange(ui::TObject* sender);
  void CheckBoxUseProxyClick(ui::TObject* sender);
  void Button4Click(ui::TObject* sender);

 protected:
  void FormShow() override;
  bool SlotUsed(int slot) const override;
  const std::string& SlotName(int slot) const override;
  void ClearUsed(int slot) override;
  void LoadFields(int slot, bool used) override;
  bool StoreFields(int slot) override;
  void Reorder(const profiles::SlotOrder& src) override;
  bool SelectionFollowsProfile() const override { return true; }

 private:
  profiles::ProxyProfileRecord& Record(int slot) const {
    return tables_.ProxyProfiles[std::size_t(slot)];
  }
  profiles::ProfileTables& tables_;
  sys::Registry& registry_;
};
