// The indicator's commands on a whole start: the context menu, the switcher and the hot keys,
// with helpers that put profiles in the tables, the live proxy into the registry, and
// answer the switcher from inside its modal run.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "profiles/FormChanger.h"
#include "tests/ProfileFixture.h"

namespace testing_support {

class CommandFixture : public ProfileFixture {
 protected:
  // The tables as the editors would leave them, and the menu following them.
  void UseProfiles(const profiles::ProfileTables& tables) {
    Ind().Profiles = tables;
    Ind().UpdateIPMenuItems();
    Ind().UpdateProxyMenuItems();
    Ind().UpdateMacMenuItems();
  }
  // The per-user Internet settings as another program may have left them.
  void LiveProxy(std::uint32_t enable, const std::string& server) {
    fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyEnable",
                           {sys::ValueKind::Dword, "", enable});
    fake.Registry.PutValue(sys::RootKey::CurrentUser, kInternetSettings, "ProxyServer",
                           {sys::ValueKind::String, server, 0});
  }
  void Unset(sys::RootKey root, const std::string& path, const std::string& name) {
    if (auto key = fake.Registry.Open(root, path, false)) key->DeleteValue(name);
  }
  // The next modal window must be the switcher: look at it, then act in it (close it by
  // default).
  void OnSwitcher(std::function<void(TFormChanger&)> act = {}) {
    ui_->OnModal([this, act](ui::TForm& form) {
      auto* w = dynamic_cast<TFormChanger*>(&form);
      ASSERT_NE(w, nullptr) << "expected the switcher, got " << form.Name();
      ++switcherRuns;
      if (act) act(*w);
      if (w->Modal() && w->ModalResult() == ui::mrNone)
        ui::headless::Current()->Click(w->ButtonClose);
    });
  }
  static std::vector<int> VisibleTops(const TFormChanger::Buttons& buttons) {
    std::vector<int> tops;
    for (const ui::TButton* b : buttons)
      if (b->Visible()) tops.push_back(b->Top());
    return tops;
  }
  // The lime circles on the switcher, as (left, top) pairs.
  static std::vector<std::pair<int, int>> Circles(const TFormChanger& w) {
    std::vector<std::pair<int, int>> found;
    for (ui::TComponent* c : w.Components()) {
      auto* shape = dynamic_cast<ui::TShape*>(c);
      if (shape && shape->BrushColor() == ui::clLime)
        found.emplace_back(shape->Left(), shape->Top());
    }
    return found;
  }
  static std::vector<std::string> Checked(const std::array<ui::TMenuItem*, 21>& items) {
    std::vector<std::string> names;
    for (const ui::TMenuItem* item : items)
      if (item->Checked()) names.push_back(item->Name());
    return names;
  }
  static std::vector<std::string> Names(std::initializer_list<const char*> names) {
    return {names.begin(), names.end()};
  }

  int switcherRuns = 0;
};

}  // namespace testing_support
