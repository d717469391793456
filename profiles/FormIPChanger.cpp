#include "profiles/FormIPChanger.h"

#include <algorithm>

#include "dialogs/DialogLayout.h"
#include "i18n/FillIn.h"
#include "profiles/NetshDump.h"

namespace {

const char kTool[] = "IP Changer";

bool Blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// Item k of a link list stands for slot k - 1; the first item for no link.
int LinkOf(int index) { return index > 0 ? index - 1 : -1; }

void MakeHint(ui::TLabel& label) {
  label.SetColor(ui::clYellow);
  label.SetFontColor(ui::clRed);
  label.Hide();
}

}  // namespace

TFormIPChanger::TFormIPChanger(ui::TComponent* owner, const dialogs::DialogEnv& env,
                               profiles::ProfileTables& tables, IPEditorLinks links)
    : profiles::TProfileEditor(owner, "FormIPChanger", env, kTool, links.RunOrder),
      tables_(tables),
      links_(std::move(links)) {
  SetCaption(kTool);
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(564, 398);
  Bind({ComboBoxProfNo, ButtonSave, ButtonDelete, ButtonProfOrder, LabelChanged, LabelDontUsed,
        Button2});

  RadioButtonDhcp.SetChecked(true);
  for (ui::TComboBox* list : {&ComboBoxProxyProfile, &ComboBoxMacProfile}) {
    list->SetStyle(ui::TComboBoxStyle::DropDownList);
    list->SetDropDownCount(profiles::SlotCount + 1);
  }
  ButtonConAdd.SetEnabled(false);
  ButtonConRemove.SetEnabled(false);
  Label9.SetFontColor(ui::clRed);
  // Two lines in the designed width, for a long translation too.
  LabelHelpCurrentSettings.SetAutoSize(false);
  LabelHelpCurrentSettings.SetWordWrap(true);
  for (ui::TLabel* hint : {&LabelHelpSelConn, &LabelHelpConnections, &LabelHelpCurrentSettings})
    MakeHint(*hint);

  dialogs::SizeLabelsToText(*this);

  for (ui::TEdit* edit : {&EditProfName, &EditIP, &EditMask, &EditGate, &EditDns1, &EditDns2})
    edit->OnChange = [this](ui::TObject* s) { EditProfNameChange(s); };
  for (ui::TRadioButton* radio : {&RadioButtonDhcp, &RadioButtonStatic})
    radio->OnClick = [this](ui::TObject* s) { RadioButtonDhcpClick(s); };
  EditIP.OnExit = [this](ui::TObject* s) { EditIPExit(s); };
  ComboBoxConnection.OnChange = [this](ui::TObject* s) { ComboBoxConnectionChange(s); };
  ButtonConAdd.OnClick = [this](ui::TObject* s) { ButtonConAddClick(s); };
  ButtonConRemove.OnClick = [this](ui::TObject* s) { ButtonConRemoveClick(s); };
  ButtonImportConnections.OnClick = [this](ui::TObject* s) { ButtonImportConnectionsClick(s); };
  ButtonImporSettings.OnClick = [this](ui::TObject* s) { ButtonImporSettingsClick(s); };
  ButtonImport.OnClick = [this](ui::TObject* s) { ButtonImportClick(s); };
  ComboBoxProxyProfile.OnChange = [this](ui::TObject* s) { ComboBoxProxyProfileChange(s); };
  ComboBoxMacProfile.OnChange = [this](ui::TObject* s) { ComboBoxMacProfileChange(s); };
  ButtonEditProxy.OnClick = [this](ui::TObject* s) { ButtonEditProxyClick(s); };
  ButtonEditMAC.OnClick = [this](ui::TObject* s) { ButtonEditMACClick(s); };
  EnableStaticFields();
}

void TFormIPChanger::FormShow() {
  FillLinkList(ComboBoxProxyProfile, tables_.ProxyProfiles);
  FillLinkList(ComboBoxMacProfile, tables_.MacProfiles);
  ComboBoxConnection.SetItems(tables_.ConnectionNames);
  RebuildRows();
  ComboBoxProfNo.SetItemIndex(0);
  ComboBoxProfNoChange(nullptr);
  LabelHelpConnections.SetVisible(tables_.ConnectionNames.empty());
}

template <class R>
void TFormIPChanger::FillLinkList(ui::TComboBox& list,
                                  const std::array<R, profiles::SlotCount>& table) {
  std::vector<std::string> rows{Msg("LabelDontChange")};
  for (int slot = 0; slot < profiles::SlotCount; ++slot) {
    const R& r = table[std::size_t(slot)];
    rows.push_back(profiles::SlotRow(slot, r.Used ? r.ProfileName : Msg("LabelEmptyB")));
  }
  list.SetItems(std::move(rows));
}

void TFormIPChanger::SelectionChanged() { UpdateSelectHint(); }

// ---- the slots ----

bool TFormIPChanger::SlotUsed(int slot) const { return Record(slot).Used; }

const std::string& TFormIPChanger::SlotName(int slot) const { return Record(slot).ProfileName; }

void TFormIPChanger::ClearUsed(int slot) { Record(slot).Used = false; }

void TFormIPChanger::LoadFields(int slot, bool used) {
  profiles::IPProfileRecord free;
  free.isDHCP = true;
  free.statMask = "255.255.255.0";
  free.statGate = free.statDns1 = free.statDns2 = "0.0.0.0";
  free.ProxyProfile = free.MacProfile = -1;
  const profiles::IPProfileRecord& p = used ? Record(slot) : free;

  EditProfName.SetText(p.ProfileName);
  (p.isDHCP ? RadioButtonDhcp : RadioButtonStatic).SetChecked(true);
  EnableStaticFields();
  EditIP.SetText(p.statIP);
  EditMask.SetText(p.statMask);
  EditGate.SetText(p.statGate);
  // A name server the shell was told is "none" shows as no address.
  auto server = [](const std::string& dns) {
    return dns.find('.') != std::string::npos ? dns : std::string();
  };
  EditDns1.SetText(server(p.statDns1));
  EditDns2.SetText(server(p.statDns2));
  ComboBoxConnection.SetComboText(p.connectionName);
  ComboBoxProxyProfile.SetItemIndex(p.ProxyProfile + 1);
  ComboBoxMacProfile.SetItemIndex(p.MacProfile + 1);
  ComboBoxConnectionChange(&ComboBoxConnection);
}

bool TFormIPChanger::StoreFields(int slot) {
  if (ComboBoxConnection.Text().empty()) {
    ui::Application().MessageBox(Msg("LabelSellConnection"), "Quonthary",
                                 ui::MB_Ok | ui::MB_IconExclamation);
    ComboBoxConnection.SetFocus();
    return false;
  }
  profiles::IPProfileRecord& p = Record(slot);
  p.Used = true;
  p.ProfileName = EditProfName.Text();
  p.isDHCP = RadioButtonDhcp.Checked();
  p.statIP = EditIP.Text();
  p.statMask = EditMask.Text();
  p.statGate = EditGate.Text();
  p.statDns1 = EditDns1.Text();
  p.statDns2 = EditDns2.Text();
  p.connectionName = ComboBoxConnection.Text();
  p.ProxyProfile = LinkOf(ComboBoxProxyProfile.ItemIndex());
  p.MacProfile = LinkOf(ComboBoxMacProfile.ItemIndex());
  return true;
}

void TFormIPChanger::Reorder(const profiles::SlotOrder& src) {
  profiles::ReorderIPProfiles(tables_, src);
}

void TFormIPChanger::Closing() {
  std::vector<std::string> names = ComboBoxConnection.Items();
  if (names.size() > std::size_t(profiles::MaxConnectionNames))
    names.resize(std::size_t(profiles::MaxConnectionNames));
  tables_.ConnectionNames = std::move(names);
}

// ---- the fields ----

void TFormIPChanger::EditProfNameChange(ui::TObject*) {
  SetChanged(!EditProfName.Text().empty());
  ButtonEditProxy.SetEnabled(ComboBoxProxyProfile.ItemIndex() > 0);
  ButtonEditMAC.SetEnabled(ComboBoxMacProfile.ItemIndex() > 0);
}

void TFormIPChanger::EnableStaticFields() {
  const bool on = RadioButtonStatic.Checked();
  GroupBox1.SetEnabled(on);
  for (ui::TControl* c :
       std::initializer_list<ui::TControl*>{&EditIP, &EditMask, &EditGate, &EditDns1, &EditDns2,
                                            &Label1, &Label2, &Label10, &Label3, &Label4})
    c->SetEnabled(on);
}

void TFormIPChanger::RadioButtonDhcpClick(ui::TObject* sender) {
  // The static values stay in the edits, and are saved, in both modes.
  EnableStaticFields();
  EditProfNameChange(sender);
}

void TFormIPChanger::EditIPExit(ui::TObject*) {
  if (EditProfName.Text().empty())
    EditProfName.SetText(EditIP.Text() + " - " + ComboBoxConnection.Text());
}

void TFormIPChanger::ComboBoxProxyProfileChange(ui::TObject* sender) { EditProfNameChange(sender); }

void TFormIPChanger::ComboBoxMacProfileChange(ui::TObject* sender) { EditProfNameChange(sender); }

// ---- the connection list ----

void TFormIPChanger::MatchConnection() {
  const std::string& text = ComboBoxConnection.Text();
  const int found = ComboBoxConnection.IndexOfItem(text);
  if (found < 0) {
    ButtonConAdd.SetEnabled(!Blank(text));
    ButtonConRemove.SetEnabled(false);
    return;
  }
  if (ComboBoxConnection.ItemIndex() != found) ComboBoxConnection.SetItemIndex(found);
  ButtonConAdd.SetEnabled(false);
  ButtonConRemove.SetEnabled(!ComboBoxConnection.Items().empty());
}

void TFormIPChanger::UpdateSelectHint() {
  const bool noneChosen = ComboBoxConnection.ItemIndex() < 0 || ComboBoxConnection.Text().empty();
  LabelHelpSelConn.SetVisible(noneChosen && !ComboBoxConnection.Items().empty());
  ButtonImporSettings.SetEnabled(!LabelHelpSelConn.Visible());
}

void TFormIPChanger::ComboBoxConnectionChange(ui::TObject* sender) {
  MatchConnection();
  UpdateSelectHint();
  LabelHelpCurrentSettings.SetVisible(!SlotUsed(SelectedSlot()) &&
                                      ComboBoxConnection.ItemIndex() >= 0 &&
                                      !ComboBoxConnection.Text().empty());
  EditProfNameChange(sender);
}

void TFormIPChanger::ButtonConAddClick(ui::TObject*) {
  if (ComboBoxConnection.Items().size() >= std::size_t(profiles::MaxConnectionNames)) return;
  ComboBoxConnection.AddItem(ComboBoxConnection.Text());
  MatchConnection();
  UpdateSelectHint();
  Beep();
}

void TFormIPChanger::ButtonConRemoveClick(ui::TObject*) {
  const int chosen = ComboBoxConnection.ItemIndex();
  if (chosen < 0) return;
  ComboBoxConnection.DeleteItem(chosen);
  MatchConnection();
  UpdateSelectHint();
}

// ---- the network shell's dump ----

std::optional<profiles::InterfaceDump> TFormIPChanger::Dump() {
  profiles::InterfaceDump dump = profiles::RunInterfaceDump(ScriptDir, *this, links_.RunProgram,
                                                            links_.BatchText, Env().Screen);
  if (dump.Started()) return dump;
  ui::Application().MessageBox(Msg("LabelErrNetsh") + " : " + std::to_string(dump.LaunchCode),
                               kTool, ui::MB_Ok | ui::MB_IconExclamation);
  return std::nullopt;
}

void TFormIPChanger::ButtonImportConnectionsClick(ui::TObject*) {
  LabelHelpConnections.Hide();
  if (auto dump = Dump()) {
    const int answer = ui::Application().MessageBox(Msg("LabelConnNamesClear"), kTool,
                                                    ui::MB_YesNoCancel | ui::MB_IconQuestion);
    if (answer == ui::ID_Cancel) return;
    if (answer == ui::ID_Yes) ComboBoxConnection.ClearItems();
    // The list holds what storage keeps, 30 names: the rest are counted and reported
    // rather than lost at the next save.
    std::vector<std::string> leftOut;
    for (const std::string& name : profiles::ParseConnectionNames(dump->Lines)) {
      if (name.empty() || ComboBoxConnection.IndexOfItem(name) >= 0) continue;
      if (ComboBoxConnection.Items().size() < std::size_t(profiles::MaxConnectionNames)) {
        ComboBoxConnection.AddItem(name);
      } else if (std::none_of(leftOut.begin(), leftOut.end(),
                              [&](const std::string& n) { return ui::SameText(n, name); })) {
        leftOut.push_back(name);
      }
    }
    Beep();
    MatchConnection();
    if (!leftOut.empty())
      ui::Application().MessageBox(
          Msg("LabelConnNamesLeftOut") + " " + std::to_string(leftOut.size()), kTool,
          ui::MB_Ok | ui::MB_IconInformation);
  }
  UpdateSelectHint();
}

void TFormIPChanger::ButtonImporSettingsClick(ui::TObject*) {
  LabelHelpCurrentSettings.Hide();
  const std::string connection = ComboBoxConnection.Text();
  if (connection.empty()) {
    ui::Application().MessageBox(Msg("LabelImportConn"), kTool, ui::MB_Ok | ui::MB_IconInformation);
    return;
  }
  auto dump = Dump();
  if (!dump) return;
  const profiles::DumpedSettings s = profiles::ParseConnectionSettings(dump->Lines, connection);
  // Empty fields and a new name would only stand for what the dump does not say.
  if (!s.found) {
    ui::Application().MessageBox(FillIn(Msg("LabelImportNotFound"), {connection}), kTool,
                                 ui::MB_Ok | ui::MB_IconInformation);
    return;
  }
  (s.dhcp ? RadioButtonDhcp : RadioButtonStatic).SetChecked(true);
  EditIP.SetText(s.address);
  EditMask.SetText(s.mask);
  EditGate.SetText(s.gateway);
  EditDns1.SetText(s.dns1);
  EditDns2.SetText(s.dns2);
  EditProfName.SetText(EditIP.Text() + " - " + connection);
  Beep();
}

// ---- other profiles ----

void TFormIPChanger::ButtonImportClick(ui::TObject* sender) {
  const auto chosen = links_.RunPicker(ComboBoxProfNo.Items());
  if (!chosen) return;
  // The values only: the slot being edited stays selected (and keeps its Delete and "not
  // used yet"), so Save stores them there.
  const int slot = profiles::SlotOfRow(*chosen);
  LoadFields(slot, SlotUsed(slot));
  UpdateSelectHint();
  EditProfNameChange(sender);
}

void TFormIPChanger::ButtonEditProxyClick(ui::TObject* sender) {
  const int shown = links_.EditProxy(std::max(0, LinkOf(ComboBoxProxyProfile.ItemIndex())));
  FillLinkList(ComboBoxProxyProfile, tables_.ProxyProfiles);
  ComboBoxProxyProfile.SetItemIndex(shown + 1);
  EditProfNameChange(sender);
}

void TFormIPChanger::ButtonEditMACClick(ui::TObject* sender) {
  const int shown = links_.EditMac(std::max(0, LinkOf(ComboBoxMacProfile.ItemIndex())));
  FillLinkList(ComboBoxMacProfile, tables_.MacProfiles);
  ComboBoxMacProfile.SetItemIndex(shown + 1);
  EditProfNameChange(sender);
}
