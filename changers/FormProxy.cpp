#include "changers/FormProxy.h"

#include "changers/ProxyInForce.h"
#include "dialogs/DialogLayout.h"

TFormProxy::TFormProxy(ui::TComponent* owner, const dialogs::DialogEnv& env,
                       profiles::ProfileTables& tables, sys::Registry& registry,
                       profiles::OrderDialogRunner runOrder)
    : profiles::TProfileEditor(owner, "FormProxy", env, "Proxy Changer", std::move(runOrder)),
      tables_(tables),
      registry_(registry) {
  SetCaption("Proxy Server Changer");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(420, 302);
  Bind({ComboBoxProfNo, ButtonSave, ButtonDelete, ButtonProfOrder, LabelChanged, LabelDontUsed,
        Button2});

  ui::TFont bold = Label5.Font();
  bold.Bold = true;
  Label5.SetFont(bold);
  EditProxyIP.SetText("000.000.000.000");
  EditProxyPort.SetText("8080");

  dialogs::SizeLabelsToText(*this);

  for (ui::TEdit* edit : {&EditProfName, &EditProxyIP, &EditProxyPort})
    edit->OnChange = [this](ui::TObject* s) { EditProfNameChange(s); };
  for (ui::TCheckBox* box : {&CheckBoxUseProxy, &CheckBoxProxyBypass})
    box->OnClick = [this](ui::TObject* s) { CheckBoxUseProxyClick(s); };
  Button4.OnClick = [this](ui::TObject* s) { Button4Click(s); };
  FormCreate();
}

void TFormProxy::FormCreate() {
  RebuildRows();
  ComboBoxProfNo.SetItemIndex(0);
  ComboBoxProfNoChange(nullptr);
}

void TFormProxy::FormShow() { ComboBoxProfNoChange(nullptr); }

// ---- the slots ----

bool TFormProxy::SlotUsed(int slot) const { return Record(slot).Used; }

const std::string& TFormProxy::SlotName(int slot) const { return Record(slot).ProfileName; }

void TFormProxy::ClearUsed(int slot) { Record(slot).Used = false; }

void TFormProxy::LoadFields(int slot, bool used) {
  const profiles::ProxyProfileRecord free{false, "", false, "0.0.0.0", "8080", false};
  const profiles::ProxyProfileRecord& p = used ? Record(slot) : free;
  EditProfName.SetText(p.ProfileName);
  CheckBoxUseProxy.SetChecked(p.UseProxyServer);
  EditProxyIP.SetText(p.ProxyServer);
  EditProxyPort.SetText(p.ProxyServerPort);
  CheckBoxProxyBypass.SetChecked(p.BypassProxyLCon);
}

bool TFormProxy::StoreFields(int slot) {
  profiles::ProxyProfileRecord& p = Record(slot);
  p.Used = true;
  p.ProfileName = EditProfName.Text();
  p.UseProxyServer = CheckBoxUseProxy.Checked();
  p.ProxyServer = EditProxyIP.Text();
  p.ProxyServerPort = EditProxyPort.Text();
  p.BypassProxyLCon = CheckBoxProxyBypass.Checked();
  return true;
}

void TFormProxy::Reorder(const profiles::SlotOrder& src) {
  profiles::ReorderProxyProfiles(tables_, src);
}

// ---- the fields ----

void TFormProxy::EditProfNameChange(ui::TObject*) { SetChanged(!EditProfName.Text().empty()); }

void TFormProxy::CheckBoxUseProxyClick(ui::TObject* sender) { EditProfNameChange(sender); }

void TFormProxy::Button4Click(ui::TObject*) {
  // Each step fills its controls before the next value is read: a value that cannot be
  // read stops the import there, with the library's error box.
  using namespace changers;
  CheckBoxUseProxy.SetChecked(ReadUserDword(registry_, kInternetSettingsKey, "ProxyEnable") != 0);
  const ProxyServerText server =
      SplitProxyServer(ReadUserString(registry_, kInternetSettingsKey, "ProxyServer"));
  EditProxyIP.SetText(server.Host);
  EditProxyPort.SetText(server.Port);
  // The bypass that browsers honour, where the list is there.
  const std::optional<std::string> overrides = ReadProxyOverride(registry_);
  CheckBoxProxyBypass.SetChecked(overrides
                                     ? HasLocalBypass(*overrides)
                                     : ReadUserDword(registry_, kZoneMapKey, "ProxyByPass") != 0);
}
