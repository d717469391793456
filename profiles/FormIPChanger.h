// The IP profile editor ("IP Changer"): the 21 IP profiles edited, deleted and reordered
// one slot at a time, each naming a connection, DHCP or static addresses and the proxy and
// MAC profiles applied with it; the list of connection names kept as a working copy; the
// connection names and one connection's addressing imported from the network shell's dump.
// It changes the records it is handed; the opener saves them and refreshes the menus.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "profiles/InterfaceDump.h"
#include "profiles/ProfileEditor.h"
#include "profiles/ProfileRecords.h"
#include "ui/Ui.h"

// The windows the IP editor opens, each run by the program's dialog runner.
struct IPEditorLinks {
  profiles::OrderDialogRunner RunOrder;
  // The profile picker on the editor's rows; the chosen row on OK.
  std::function<std::optional<std::string>(const std::vector<std::string>& rows)> RunPicker;
  // The proxy or MAC editor with its selector preset to slot; the slot it showed last.
  std::function<int(int slot)> EditProxy;
  std::function<int(int slot)> EditMac;
  // The program's RunProgramAndWait, for the network shell's dump, and the code page of its
  // batch file.
  profiles::ProgramRunner RunProgram;
  profiles::BatchEncoder BatchText;
};

class TFormIPChanger : public profiles::TProfileEditor {
 public:
  TFormIPChanger(ui::TComponent* owner, const dialogs::DialogEnv& env,
                 profiles::ProfileTables& tables, IPEditorLinks links);

  // ---- components, with their design values ----
  ui::TLabel Label7{this, "Label7", this, {8, 12, 33, 13}, "Profile:"};
  ui::TComboBox ComboBoxProfNo{this, "ComboBoxProfNo", this, {56, 8, 264, 21}};
  ui::TLabel Label8{this, "Label8", this, {8, 38, 66, 13}, "&Profile name:"};
  ui::TLabel LabelDontUsed{this, "LabelDontUsed", this, {260, 38, 60, 13}, "not used yet"};
  ui::TEdit EditProfName{this, "EditProfName", this, {8, 54, 312, 21}};
  ui::TRadioButton RadioButtonDhcp{this, "RadioButtonDhcp", this, {8, 84, 80, 17}, "&DHCP"};
  ui::TRadioButton RadioButtonStatic{
      this, "RadioButtonStatic", this, {100, 84, 100, 17}, "&Static IP"};
  ui::TGroupBox GroupBox1{this, "GroupBox1", this, {8, 106, 312, 104}, "Static settings"};
  ui::TLabel Label1{this, "Label1", &GroupBox1, {10, 22, 14, 13}, "&IP:"};
  ui::TEdit EditIP{this, "EditIP", &GroupBox1, {56, 18, 100, 21}};
  ui::TLabel Label2{this, "Label2", &GroupBox1, {10, 49, 29, 13}, "&Mask:"};
  ui::TEdit EditMask{this, "EditMask", &GroupBox1, {56, 45, 100, 21}};
  ui::TLabel Label10{this, "Label10", &GroupBox1, {10, 76, 27, 13}, "&Gate:"};
  ui::TEdit EditGate{this, "EditGate", &GroupBox1, {56, 72, 100, 21}};
  ui::TLabel Label3{this, "Label3", &GroupBox1, {166, 22, 33, 13}, "DNS&1:"};
  ui::TEdit EditDns1{this, "EditDns1", &GroupBox1, {206, 18, 98, 21}};
  ui::TLabel Label4{this, "Label4", &GroupBox1, {166, 49, 33, 13}, "DNS&2:"};
  ui::TEdit EditDns2{this, "EditDns2", &GroupBox1, {206, 45, 98, 21}};

  ui::TGroupBox GroupBox3{this, "GroupBox3", this, {8, 218, 312, 136}, "Connection name"};
  ui::TComboBox ComboBoxConnection{this, "ComboBoxConnection", &GroupBox3, {10, 18, 168, 21}};
  ui::TButton ButtonConAdd{this, "ButtonConAdd", &GroupBox3, {184, 17, 56, 23}, "Add"};
  ui::TButton ButtonConRemove{this, "ButtonConRemove", &GroupBox3, {246, 17, 56, 23}, "Remove"};
  ui::TButton ButtonImportConnections{
      this, "ButtonImportConnections", &GroupBox3, {10, 48, 292, 25}, "Import connection names"};
  ui::TButton ButtonImporSettings{this,
                                  "ButtonImporSettings",
                                  &GroupBox3,
                                  {10, 78, 292, 25},
                                  "Import settings for this connection"};
  ui::TLabel Label9{this, "Label9", &GroupBox3, {10, 112, 72, 13}, "uses netsh.exe"};

  ui::TGroupBox GroupBoxSettings{
      this, "GroupBoxSettings", this, {330, 4, 226, 128}, "Profile Settings"};
  ui::TButton ButtonSave{this, "ButtonSave", &GroupBoxSettings, {10, 18, 100, 25}, "Save"};
  ui::TButton ButtonDelete{this, "ButtonDelete", &GroupBoxSettings, {116, 18, 100, 25}, "Delete"};
  ui::TButton ButtonImport{
      this, "ButtonImport", &GroupBoxSettings, {10, 48, 206, 25}, "Import from other profile..."};
  ui::TButton ButtonProfOrder{
      this, "ButtonProfOrder", &GroupBoxSettings, {10, 78, 206, 25}, "Change order..."};
  ui::TLabel LabelChanged{
      this, "LabelChanged", &GroupBoxSettings, {10, 108, 134, 13}, "Changed! Remember to save"};
  ui::TGroupBox GroupBox2{
      this, "GroupBox2", this, {330, 140, 226, 52}, "Use Proxy Changer profile : "};
  ui::TComboBox ComboBoxProxyProfile{this, "ComboBoxProxyProfile", &GroupBox2, {10, 20, 150, 21}};
  ui::TButton ButtonEditProxy{this, "ButtonEditProxy", &GroupBox2, {166, 19, 50, 23}, "Edit"};
  ui::TGroupBox GroupBoxMacProfile{
      this, "GroupBoxMacProfile", this, {330, 200, 226, 52}, "Use MAC Changer profile : "};
  ui::TComboBox ComboBoxMacProfile{
      this, "ComboBoxMacProfile", &GroupBoxMacProfile, {10, 20, 150, 21}};
  ui::TButton ButtonEditMAC{this, "ButtonEditMAC", &GroupBoxMacProfile, {166, 19, 50, 23}, "Edit"};

  ui::TLabel LabelHelpSelConn{
      this, "LabelHelpSelConn", this, {330, 262, 86, 13}, "Select connection"};
  ui::TLabel LabelHelpConnections{this,
                                  "LabelHelpConnections",
                                  this,
                                  {330, 286, 170, 13},
                                  " You can import connections names "};
  ui::TLabel LabelHelpCurrentSettings{this,
                                      "LabelHelpCurrentSettings",
                                      this,
                                      {330, 310, 226, 28},
                                      " You can import settings for current connection "};
  ui::TButton Button2{this, "Button2", this, {476, 364, 80, 25}, "Close"};

  // ---- handed by the opener before the modal run ----
  // The folder of the network shell's batch and output (the user's temporary folder).
  std::string ScriptDir;

  // ---- handlers ----
  void EditProfNameChange(ui::TObject* sender);
  void RadioButtonDhcpClick(ui::TObject* sender);
  void EditIPExit(ui::TObject* sender);
  void ComboBoxConnectionChange(ui::TObject* sender);
  void ButtonConAddClick(ui::TObject* sender);
  void ButtonConRemoveClick(ui::TObject* sender);
  void ButtonImportConnectionsClick(ui::TObject* sender);
  void ButtonImporSettingsClick(ui::TObject* sender);
  void ButtonImportClick(ui::TObject* sender);
  void ComboBoxProxyProfileChange(ui::TObject* sender);
  void ComboBoxMacProfileChange(ui::TObject* sender);
  void ButtonEditProxyClick(ui::TObject* sender);
  void ButtonEditMACClick(ui::TObject* sender);

 protected:
  void FormShow() override;
  bool SlotUsed(int slot) const override;
  const std::string& SlotName(int slot) const override;
  void ClearUsed(int slot) override;
  void LoadFields(int slot, bool used) override;
  bool StoreFields(int slot) override;
  void Reorder(const profiles::SlotOrder& src) override;
  bool SelectionFollowsProfile() const override { return false; }
  void SelectionChanged() override;
  void Closing() override;

 private:
  profiles::IPProfileRecord& Record(int slot) const {
    return tables_.IPProfiles[std::size_t(slot)];
  }
  // "Don't change", then the 21 slots of the proxy or MAC table.
  template <class R>
  void FillLinkList(ui::TComboBox& list, const std::array<R, profiles::SlotCount>& table);
  void EnableStaticFields();
  // The typed connection looked up in the list: chosen when there, and Add and Remove.
  void MatchConnection();
  // "Select connection" while names exist but none is chosen; the settings import is
  // offered exactly when that hint is not shown.
  void UpdateSelectHint();
  // The network shell's dump, or none after telling the user that it could not be run.
  std::optional<profiles::InterfaceDump> Dump();

  profiles::ProfileTables& tables_;
  IPEditorLinks links_;
};
