// The three profile editors as the context menu's "Configure" items and the switcher's
// configure buttons run them, and the windows the editors open in turn: each through the
// dialog runner, recorded in the indicator's reference for it.
#include <functional>
#include <optional>

#include "app/FormQuonthary.h"
#include "changers/FormMacChanger.h"
#include "changers/FormProxy.h"
#include "profiles/FormIPChanger.h"
#include "profiles/FormImportSettings.h"
#include "profiles/FormProfilesOrder.h"

namespace {

using dialogs::DialogKind;
using dialogs::DialogRun;

profiles::OrderDialogRunner OrderDialog(TFormQuonthary& hub) {
  return [&hub](const std::vector<std::string>& rows) -> std::optional<std::vector<std::string>> {
    DialogRun<TFormProfilesOrder> run(hub.FormProfilesOrder, hub.Dialogs, DialogKind::ProfilesOrder,
                                      hub.DialogEnvironment());
    run->SetEntries(rows);
    if (run.ShowModal() != ui::mrOk) return std::nullopt;
    return run->Entries();
  };
}

std::optional<std::string> ProfilePicker(TFormQuonthary& hub,
                                         const std::vector<std::string>& rows) {
  DialogRun<TFormImportSettings> run(hub.FormImportSettings, hub.Dialogs,
                                     DialogKind::ImportSettings, hub.DialogEnvironment());
  run->SetRows(rows);
  if (run.ShowModal() != ui::mrOk) return std::nullopt;
  return run->Chosen();
}

// One modal run of an editor, its selector preset to a slot when asked (the IP editor's
// "Edit" buttons), then the refresh while it is still recorded; the slot it showed last.
template <class Editor, class... Args>
int RunEditor(TFormQuonthary& hub, std::unique_ptr<Editor>& ref, DialogKind kind,
              std::optional<int> preset, const std::function<void()>& afterRun, Args&&... args) {
  DialogRun<Editor> run(ref, hub.Dialogs, kind, hub.DialogEnvironment(), hub.Profiles,
                        std::forward<Args>(args)..., OrderDialog(hub));
  if (preset) run->ComboBoxProfNo.SetItemIndex(*preset);
  run.ShowModal();
  if (afterRun) afterRun();
  return run->SelectedSlot();
}

int RunProxyEditor(TFormQuonthary& hub, std::optional<int> preset,
                   const std::function<void()>& afterRun = {}) {
  return RunEditor(hub, hub.FormProxy, DialogKind::Proxy, preset, afterRun, hub.Sys.Reg);
}

int RunMacEditor(TFormQuonthary& hub, std::optional<int> preset,
                 const std::function<void()>& afterRun = {}) {
  return RunEditor(hub, hub.FormMacChanger, DialogKind::MacChanger, preset, afterRun,
                   TFormMacChanger::AdapterLister([&hub] { return hub.ListNetworkAdapters(); }));
}

IPEditorLinks IPLinks(TFormQuonthary& hub) {
  IPEditorLinks links;
  links.RunOrder = OrderDialog(hub);
  links.RunPicker = [&hub](const std::vector<std::string>& rows) {
    return ProfilePicker(hub, rows);
  };
  // Opened from the IP editor, whose own end refreshes the menus and saves.
  links.EditProxy = [&hub](int slot) { return hub.FormProxy ? slot : RunProxyEditor(hub, slot); };
  links.EditMac = [&hub](int slot) { return hub.FormMacChanger ? slot : RunMacEditor(hub, slot); };
  links.RunProgram = [&hub](const std::string& file, const std::string& params,
                            const std::string& directory, int show, bool wait) {
    return hub.RunProgramAndWait(file, params, directory, show, wait);
  };
  links.BatchText = [&hub](const std::string& text) { return hub.Sys.Env.OemFromAnsi(text); };
  return links;
}

}  // namespace

void TFormQuonthary::mnuIPConfigureClick(ui::TObject*) {
  // One editor of a kind at a time (the menu is disabled meanwhile; this is the backstop).
  if (FormIPChanger) return;
  DialogRun<TFormIPChanger> run(FormIPChanger, Dialogs, DialogKind::IPChanger, DialogEnvironment(),
                                Profiles, IPLinks(*this));
  run->ScriptDir = TempFolder;
  run.ShowModal();
  // Its "Edit" buttons may have changed the proxy and MAC profiles too.
  UpdateIPMenuItems();
  UpdateProxyMenuItems();
  UpdateMacMenuItems();
  SaveSettings();
}

void TFormQuonthary::mnuProxyClick(ui::TObject*) {
  if (FormProxy) return;
  RunProxyEditor(*this, std::nullopt, [this] {
    UpdateProxyMenuItems();
    SaveSettings();
  });
}

void TFormQuonthary::mnuMacConfigureClick(ui::TObject*) {
  if (FormMacChanger) return;
  RunMacEditor(*this, std::nullopt, [this] {
    UpdateMacMenuItems();
    SaveSettings();
  });
}
