// What the three profile editors (IP, proxy, MAC) share: a selector of the 21 slots, the
// chosen slot loaded into the controls, a changed state tied to Save and the red "Changed!"
// label, the Yes/No/Cancel question before unsaved changes are left, Save, Delete, Close
// and the reordering through the profile order dialog. Each editor declares the controls
// with its own design values, binds the common ones here and supplies the kind's steps.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/Dialog.h"
#include "profiles/ProfileOrder.h"
#include "ui/Ui.h"

namespace profiles {

// Runs the profile order dialog on the given slot rows; the rows in their new order when
// the user pressed OK, none on Cancel.
using OrderDialogRunner =
    std::function<std::optional<std::vector<std::string>>(const std::vector<std::string>& rows)>;

// A selector row: the slot number with two digits, " - ", the name or the empty-slot text.
std::string SlotRow(int slot, const std::string& nameOrEmpty);
// The slot a row stands for: its first two characters as a decimal number (0 when they are
// not one).
int SlotOfRow(const std::string& row);

class TProfileEditor : public dialogs::TDialog {
 public:
  // The common controls.
  struct Controls {
    ui::TComboBox& ProfNo;  // the selector
    ui::TButton& Save;
    ui::TButton& Delete;
    ui::TButton& ProfOrder;
    ui::TLabel& Changed;   // visible exactly while Save is enabled
    ui::TLabel& DontUsed;  // "not used yet"
    ui::TButton& Close;    // also the Escape button
  };

  // ---- the pattern's handlers ----
  // A slot chosen. With a sender it is the user's choice, and unsaved changes are asked
  // about first; without one it is a refresh (after Save, at show).
  void ComboBoxProfNoChange(ui::TObject* sender);
  void ButtonSaveClick(ui::TObject* sender);
  void ButtonDeleteClick(ui::TObject* sender);
  void ButtonProfOrderClick(ui::TObject* sender);
  void Button2Click(ui::TObject* sender);

  // The slot the selector names, and the slot whose values the controls were loaded from.
  int SelectedSlot() const;
  int LoadedSlot() const { return loaded_; }
  // The 21 selector rows as the records are now.
  std::vector<std::string> SlotRows() const;

 protected:
  // toolName titles the unsaved-change question ("IP Changer", "Proxy Changer", ...).
  TProfileEditor(ui::TComponent* owner, std::string name, const dialogs::DialogEnv& env,
                 std::string toolName, OrderDialogRunner runOrder);
  // Takes the common controls and sets their handlers and design states.
  void Bind(const Controls& controls);
  const Controls& Parts() const { return *parts_; }

  // Save enabled and the "Changed!" label shown, or both off.
  void SetChanged(bool changed);
  // The question, when Save is enabled and the editor is shown. Yes saves into the slot
  // that was loaded; false when the action is not to go on (Cancel, or a save the editor
  // refused): the loaded slot is selected again, its edits kept.
  bool AskToSaveChanges();
  // The selector's rows rebuilt from the records, keeping the selected row.
  void RebuildRows();
  // Delete and "not used yet" for slot, the kind's fields, then the unchanged state.
  void Load(int slot);

  // ---- the kind's steps ----
  virtual bool SlotUsed(int slot) const = 0;
  virtual const std::string& SlotName(int slot) const = 0;
  virtual void ClearUsed(int slot) = 0;
  // The record's values into the controls, or a free slot's defaults.
  virtual void LoadFields(int slot, bool used) = 0;
  // The controls into the record, the slot becoming used; false when the editor refuses.
  virtual bool StoreFields(int slot) = 0;
  virtual void Reorder(const SlotOrder& src) = 0;
  // After reordering, the selection follows the profile it showed (proxy and MAC), or
  // keeps its slot number (IP).
  virtual bool SelectionFollowsProfile() const = 0;
  // After every selection change.
  virtual void SelectionChanged() {}
  // Before a "Close" that goes on closes the editor.
  virtual void Closing() {}

 private:
  bool SaveShown();
  std::optional<Controls> parts_;
  std::string toolName_;
  OrderDialogRunner runOrder_;
  int loaded_ = 0;
  // Set while the editor itself moves the selector: its change then does nothing.
  bool reentry_ = false;
};

}  // namespace profiles
