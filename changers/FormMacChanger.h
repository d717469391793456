// The MAC profile editor ("MAC Address Changer"): the 21 MAC profiles edited, deleted and
// reordered one slot at a time. A profile ties one of the network adapters found when the
// editor was created to a replacement hardware address (12 hexadecimal digits), or to the
// adapter's built-in address. It changes the records it is handed; the opener saves them
// and refreshes the menus.
#pragma once
#include <functional>

#include "changers/NetworkAdapters.h"
#include "profiles/ProfileEditor.h"
#include "profiles/ProfileRecords.h"
#include "ui/Ui.h"

class TFormMacChanger : public profiles::TProfileEditor {
 public:
  // The adapters as discovery finds them now (the program's ListNetworkAdapters).
  using AdapterLister = std::function<changers::NetworkAdapters()>;

  TFormMacChanger(ui::TComponent* owner, const dialogs::DialogEnv& env,
                  profiles::ProfileTables& tables, AdapterLister listAdapters,
                  profiles::OrderDialogRunner runOrder);

  // ---- components, with their design values ----
  ui::TLabel Label7{this, "Label7", this, {8, 12, 29, 13}, "Profile"};
  ui::TComboBox ComboBoxProfNo{this, "ComboBoxProfNo", this, {56, 8, 230, 21}};
  ui::TGroupBox GroupBoxSettings{
      this, "GroupBoxSettings", this, {8, 38, 424, 72}, "Profile Settings"};
  ui::TButton ButtonSave{this, "ButtonSave", &GroupBoxSettings, {10, 18, 90, 25}, "Save"};
  ui::TButton ButtonDelete{this, "ButtonDelete", &GroupBoxSettings, {106, 18, 90, 25}, "Delete"};
  ui::TButton ButtonProfOrder{
      this, "ButtonProfOrder", &GroupBoxSettings, {202, 18, 110, 25}, "Change order..."};
  ui::TLabel LabelChanged{
      this, "LabelChanged", &GroupBoxSettings, {10, 50, 134, 13}, "Changed! Remember to save"};
  ui::TLabel Label8{this, "Label8", this, {8, 120, 66, 13}, "&Profile name:"};
  ui::TLabel LabelDontUsed{this, "LabelDontUsed", this, {372, 120, 60, 13}, "not used yet"};
  ui::TEdit EditProfName{this, "EditProfName", this, {8, 136, 424, 21}};
  ui::TLabel Label5{this, "Label5", this, {8, 168, 42, 13}, "Settings"};
  ui::TLabel Label1{this, "Label1", this, {8, 188, 88, 13}, "&Network adapter:"};
  ui::TComboBox ComboBoxAdapterName{this, "ComboBoxAdapterName", this, {8, 204, 330, 21}};
  ui::TLabel LabelAdapterNumber{this, "LabelAdapterNumber", this, {346, 208, 28, 13}, "----"};
  ui::TLabel LabelHelpSelAdapter{
      this, "LabelHelpSelAdapter", this, {8, 229, 112, 13}, "Select network adapter"};
  ui::TLabel LabelWrongAdapter{
      this, "LabelWrongAdapter", this, {180, 229, 116, 13}, "Wrong adapter name !!!"};
  ui::TCheckBox CheckBoxUseMacChanger{
      this, "CheckBoxUseMacChanger", this, {8, 250, 160, 17}, "Use MAC Changer"};
  ui::TLabel Label11{this, "Label11", this, {8, 278, 52, 13}, "New &MAC:"};
  ui::TEdit EditMacAddress{this, "EditMacAddress", this, {76, 274, 162, 21}};
  ui::TButton ButtonGetMAC{this, "ButtonGetMAC", this, {244, 273, 40, 23}, "get"};
  ui::TLabel LabelWrongMAC{this, "LabelWrongMAC", this, {292, 278, 60, 13}, "wrong MAC !"};
  ui::TLabel LabelMacFirstByte{
      this,
      "LabelMacFirstByte",
      this,
      {8, 302, 336, 26},
      "Many wireless adapters take only an address whose second digit is 2, 6, A or E."};
  ui::TButton Button2{this, "Button2", this, {352, 304, 80, 25}, "Close"};

  void FormCreate();
  void EditProfNameChange(ui::TObject* sender);
  void CheckBoxUseMacChangerClick(ui::TObject* sender);
  void ComboBoxAdapterNameChange(ui::TObject* sender);
  void EditMacAddressChange(ui::TObject* sender);
  void ButtonGetMACClick(ui::TObject* sender);

  // The adapters found when the editor was created.
  const changers::NetworkAdapters& Adapters() const { return adapters_; }

 protected:
  void FormShow() override;
  bool SlotUsed(int slot) const override;
  const std::string& SlotName(int slot) const override;
  void ClearUsed(int slot) override;
  void LoadFields(int slot, bool used) override;
  bool StoreFields(int slot) override;
  void Reorder(const profiles::SlotOrder& src) override;
  bool SelectionFollowsProfile() const override { return true; }
  void SelectionChanged() override;

 private:
  profiles::MacProfileRecord& Record(int slot) const {
    return tables_.MacProfiles[std::size_t(slot)];
  }
  bool AdapterChosen() const { return ComboBoxAdapterName.ItemIndex() >= 0; }
  // "wrong MAC !" while the address is in use and not exactly 12 characters long; the
  // wireless warning while its second digit is not 2, 6, A or E.
  void CheckAddress();

  profiles::ProfileTables& tables_;
  AdapterLister listAdapters_;
  changers::NetworkAdapters adapters_;
  // Set while the address edit's handler puts the filtered text back.
  bool filtering_ = false;
};
