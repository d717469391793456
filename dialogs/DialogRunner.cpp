#include "dialogs/DialogRunner.h"

#include <algorithm>

namespace dialogs {

DialogAlreadyOpen::DialogAlreadyOpen()
    : sys::Error("Internal error: a dialog was opened while one of its kind is open.") {}

void RefuseSecondRun() { throw DialogAlreadyOpen(); }

ui::TForm* OpenDialogs::Find(DialogKind kind) const {
  for (auto it = open_.rbegin(); it != open_.rend(); ++it)
    if (it->first == kind) return it->second;
  return nullptr;
}

bool OpenDialogs::BlocksCommands() const {
  for (DialogKind kind :
       {DialogKind::About, DialogKind::IPChanger, DialogKind::Proxy, DialogKind::MacChanger,
        DialogKind::Settings, DialogKind::Changer, DialogKind::BatteryHistory})
    if (IsOpen(kind)) return true;
  return false;
}

bool OpenDialogs::ChangeRunning() const {
  return IsOpen(DialogKind::MessageChanger) || IsOpen(DialogKind::MsgBox);
}

std::vector<ui::TForm*> OpenDialogs::InRaiseOrder() const {
  auto sorted = open_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<ui::TForm*> forms;
  for (const auto& entry : sorted) forms.push_back(entry.second);
  return forms;
}

void OpenDialogs::CancelAll() {
  for (auto it = open_.rbegin(); it != open_.rend(); ++it)
    if (it->second->Modal()) it->second->SetModalResult(ui::mrCancel);
}

void OpenDialogs::Opened(DialogKind kind, ui::TForm& form) { open_.emplace_back(kind, &form); }

void OpenDialogs::Closed(ui::TForm& form) {
  open_.erase(std::remove_if(open_.begin(), open_.end(),
                             [&](const auto& entry) { return entry.second == &form; }),
              open_.end());
}

}  // namespace dialogs
