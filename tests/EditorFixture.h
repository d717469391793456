// The profile editors on a whole program start: each opened the way its "Configure" item
// opens it, driven from inside its modal run, and the message boxes it asks answered.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "changers/FormMacChanger.h"
#include "changers/FormProxy.h"
#include "profiles/FormIPChanger.h"
#include "profiles/FormImportSettings.h"
#include "profiles/FormProfilesOrder.h"
#include "tests/ProfileFixture.h"

namespace testing_support {

class EditorFixture : public ProfileFixture {
 protected:
  void SetUp() override {
    ProfileFixture::SetUp();
    Start();
  }

  // The next modal run of a window of type W: body drives it (and may close it).
  template <class W>
  void OnWindow(std::function<void(W&)> body) {
    ui_->OnModal([body](ui::TForm& form) { body(dynamic_cast<W&>(form)); });
  }
  // Opens an editor as its menu item does, runs body inside it, then presses "Close" unless
  // body closed it.
  template <class E>
  void Edit(void (TFormQuonthary::*configure)(ui::TObject*), std::function<void(E&)> body) {
    OnWindow<E>([this, body](E& editor) {
      body(editor);
      if (editor.ModalResult() == ui::mrNone) ui_->Click(editor.Button2);
    });
    (Ind().*configure)(nullptr);
  }
  void EditProxy(std::function<void(TFormProxy&)> body) {
    Edit<TFormProxy>(&TFormQuonthary::mnuProxyClick, std::move(body));
  }
  void EditMac(std::function<void(TFormMacChanger&)> body) {
    Edit<TFormMacChanger>(&TFormQuonthary::mnuMacConfigureClick, std::move(body));
  }
  void EditIP(std::function<void(TFormIPChanger&)> body) {
    Edit<TFormIPChanger>(&TFormQuonthary::mnuIPConfigureClick, std::move(body));
  }

  // What a user who selected the whole text and typed does (an empty text deletes it).
  void Retype(ui::TEdit& edit, const std::string& text) {
    edit.SelectAll();
    ui_->Type(edit, text.empty() ? std::string("\b") : text);
  }
  void Click(ui::TControl& control) { ui_->Click(control); }
  void Select(ui::TComboBox& combo, int index) { ui_->Select(combo, index); }
  void Select(ui::TListBox& list, int index) { ui_->Select(list, index); }
  void Answer(int id) { ui_->AnswerMessageBox(id); }

  // The next order dialog (queue it inside the editor, before the click): each (from, to) is done
  // as a user does it, one click on the entry and one on an arrow per step; then OK or Cancel.
  void Reorder(std::vector<std::pair<int, int>> moves, bool ok = true) {
    OnWindow<TFormProfilesOrder>([this, moves, ok](TFormProfilesOrder& d) {
      for (auto [from, to] : moves) {
        for (int at = from; at != to; at += to < from ? -1 : 1) {
          ui_->Select(d.ListBoxProfiles, at);
          ui_->Click(to < from ? d.SpeedButtonUp : d.SpeedButtonDown);
        }
      }
      ui_->Click(ok ? d.ButtonOK : d.ButtonAnuluj);
    });
  }

  int Beeps() const {
    int n = 0;
    for (const auto& e : fake.Sound.Events) n += e.What == sys::SoundEvent::Kind::MessageBeep;
    return n;
  }
  // The last message box shown (an empty one when none was).
  ui::headless::MessageBoxCall LastBox() const {
    return ui_->MessageBoxes().empty() ? ui::headless::MessageBoxCall{}
                                       : ui_->MessageBoxes().back();
  }
};

}  // namespace testing_support
