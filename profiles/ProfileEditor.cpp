#include "profiles/ProfileEditor.h"

#include "settings/IntegerText.h"

namespace profiles {

namespace {

// Sets a flag for a scope, also when a step throws.
class Raised {
 public:
  explicit Raised(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~Raised() { flag_ = before_; }
  Raised(const Raised&) = delete;
  Raised& operator=(const Raised&) = delete;

 private:
  bool& flag_;
  bool before_;
};

}  // namespace

std::string SlotRow(int slot, const std::string& nameOrEmpty) {
  return settings::ZeroPadded(slot, 2) + " - " + nameOrEmpty;
}

int SlotOfRow(const std::string& row) { return settings::IntOrDefault(row.substr(0, 2), 0); }

TProfileEditor::TProfileEditor(ui::TComponent* owner, std::string name,
                               const dialogs::DialogEnv& env, std::string toolName,
                               OrderDialogRunner runOrder)
    : dialogs::TDialog(owner, std::move(name), env),
      toolName_(std::move(toolName)),
      runOrder_(std::move(runOrder)) {}

void TProfileEditor::Bind(const Controls& c) {
  parts_.emplace(c);
  c.ProfNo.SetStyle(ui::TComboBoxStyle::DropDownList);
  c.ProfNo.SetDropDownCount(SlotCount);
  c.Save.SetEnabled(false);
  c.Changed.SetFontColor(ui::clRed);
  c.Changed.Hide();
  // Kept to its designed right edge, whatever the text's width.
  c.DontUsed.SetAlignment(ui::TAlignment::RightJustify);
  c.DontUsed.SetFontColor(ui::clRed);
  // Escape asks about unsaved changes too; the handler sets the result.
  c.Close.SetCancel(true);
  c.ProfNo.OnChange = [this](ui::TObject* s) { ComboBoxProfNoChange(s); };
  c.Save.OnClick = [this](ui::TObject* s) { ButtonSaveClick(s); };
  c.Delete.OnClick = [this](ui::TObject* s) { ButtonDeleteClick(s); };
  c.ProfOrder.OnClick = [this](ui::TObject* s) { ButtonProfOrderClick(s); };
  c.Close.OnClick = [this](ui::TObject* s) { Button2Click(s); };
}

int TProfileEditor::SelectedSlot() const { return SlotOfRow(Parts().ProfNo.Text()); }

std::vector<std::string> TProfileEditor::SlotRows() const {
  std::vector<std::string> rows;
  for (int slot = 0; slot < SlotCount; ++slot)
    rows.push_back(SlotRow(slot, SlotUsed(slot) ? SlotName(slot) : Msg("LabelEmptyB")));
  return rows;
}

void TProfileEditor::RebuildRows() {
  ui::TComboBox& selector = Parts().ProfNo;
  const int row = selector.ItemIndex();
  selector.SetItems(SlotRows());
  selector.SetItemIndex(row);
}

void TProfileEditor::SetChanged(bool changed) {
  Parts().Save.SetEnabled(changed);
  Parts().Changed.SetVisible(changed);
}

void TProfileEditor::Load(int slot) {
  const bool used = SlotUsed(slot);
  Parts().Delete.SetEnabled(used);
  Parts().DontUsed.SetVisible(!used);
  LoadFields(slot, used);
  // The fields' change events have run; a slot just loaded is unchanged.
  SetChanged(false);
}

bool TProfileEditor::AskToSaveChanges() {
  if (!Parts().Save.Enabled() || !Visible()) return true;
  const int answer = ui::Application().MessageBox(Msg("LabelProfilChangedSave"), toolName_,
                                                  ui::MB_YesNoCancel | ui::MB_IconQuestion);
  if (answer == ui::ID_No) return true;
  ui::TComboBox& selector = Parts().ProfNo;
  const int chosen = selector.ItemIndex();
  Raised moving(reentry_);
  selector.SetItemIndex(loaded_);
  if (answer == ui::ID_Yes && SaveShown()) {
    selector.SetItemIndex(chosen);
    return true;
  }
  // Cancel, or the editor refused the save (it said why): leaving now would lose the edits
  // the user has just asked to keep.
  return false;
}

void TProfileEditor::ComboBoxProfNoChange(ui::TObject* sender) {
  if (reentry_) return;
  if (sender && !AskToSaveChanges()) return;
  RebuildRows();
  Load(SelectedSlot());
  loaded_ = SelectedSlot();
  SelectionChanged();
}

bool TProfileEditor::SaveShown() {
  if (!StoreFields(SelectedSlot())) return false;
  ComboBoxProfNoChange(nullptr);
  Beep();
  SetChanged(false);
  return true;
}

void TProfileEditor::ButtonSaveClick(ui::TObject*) { SaveShown(); }

void TProfileEditor::ButtonDeleteClick(ui::TObject*) {
  if (ui::Application().MessageBox(Msg("LabelDelete"), "Quonthary",
                                   ui::MB_YesNo | ui::MB_IconQuestion) != ui::ID_Yes)
    return;
  ClearUsed(SelectedSlot());
  // As the user's change: edits not yet saved are asked about.
  ComboBoxProfNoChange(&Parts().ProfNo);
  Parts().Delete.SetEnabled(false);
}

void TProfileEditor::ButtonProfOrderClick(ui::TObject*) {
  if (!AskToSaveChanges()) return;
  // Built from the records: a Yes just now may have renamed the slot.
  const std::vector<std::string> rows = SlotRows();
  const auto reordered = runOrder_(rows);
  if (!reordered) return;
  const auto src = OrderFromRows(rows, *reordered);
  if (!src) return;
  const int shown = SelectedSlot();
  Reorder(*src);
  Parts().ProfNo.SetItemIndex(SelectionFollowsProfile() ? NewPosition(*src, shown) : shown);
  // Unsaved edits were answered for before the dialog: saved, or dropped with No. Asking
  // again now would offer to save them into a slot that holds another profile.
  ComboBoxProfNoChange(nullptr);
}

void TProfileEditor::Button2Click(ui::TObject*) {
  if (!AskToSaveChanges()) return;
  Closing();
  SetModalResult(ui::mrOk);
}

}  // namespace profiles
