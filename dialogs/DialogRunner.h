// The one way a dialog runs: made for one use, owned by the application, recorded in its
// process-wide reference and in the list of open dialogs, shown modally with the
// application's taskbar button, and afterwards (also when a step throws) the taskbar button
// hidden, the dialog destroyed and both records cleared.
#pragma once
#include <memory>
#include <utility>
#include <vector>

#include "system/Error.h"
#include "ui/Ui.h"

namespace dialogs {

// The kinds of dialog, the first seven in the order a click on the indicator raises them.
enum class DialogKind {
  About,
  Changer,
  IPChanger,
  Proxy,
  MacChanger,
  Settings,
  ProfilesOrder,
  MessageChanger,  // the confirmation window
  MsgBox,          // the timed message box
  ImportSettings,  // the IP editor's profile picker
  BatteryHistory,
};

// The dialogs now running, in the order they were opened.
class OpenDialogs {
 public:
  OpenDialogs() = default;
  OpenDialogs(const OpenDialogs&) = delete;
  OpenDialogs& operator=(const OpenDialogs&) = delete;

  bool IsOpen(DialogKind kind) const { return Find(kind) != nullptr; }
  ui::TForm* Find(DialogKind kind) const;
  // While one of the about dialog, the switcher, the three editors, the settings dialog or
  // the battery history is open, the context menu's commands are disabled.
  bool BlocksCommands() const;
  // A profile change is under way: its confirmation window or its result box is open.
  // Another change must wait, or it would start a second one over the first.
  bool ChangeRunning() const;
  // The profile items, the switcher and what opens it are disabled: by the command dialogs,
  // and while a change runs.
  bool BlocksProfileCommands() const { return BlocksCommands() || ChangeRunning(); }
  // Every open dialog, in raising order (see DialogKind).
  std::vector<ui::TForm*> InRaiseOrder() const;
  bool Empty() const { return open_.empty(); }
  // Ends the modal run of every open dialog, innermost first (the program is closing).
  void CancelAll();

  // Used by DialogRun.
  void Opened(DialogKind kind, ui::TForm& form);
  void Closed(ui::TForm& form);

 private:
  std::vector<std::pair<DialogKind, ui::TForm*>> open_;
};

// One run of a dialog of class T, whose constructor takes its owner first:
//
//   dialogs::DialogRun<TFormSettings> run(FormSettings, Dialogs, DialogKind::Settings, env);
//   CopyIn(*run);
//   if (run.ShowModal() == ui::mrOk) Apply(*run);
//
// The destructor undoes the run. The taskbar button stays while an outer dialog still runs
// (an editor opened from the switcher).
//
// A dialog whose reference still holds one of its kind is refused: replacing it would
// destroy a form whose modal run is still on the stack. Callers keep that from happening
// (the enabled rule); this is the backstop that turns a slip into an error box.
class DialogAlreadyOpen : public sys::Error {
 public:
  DialogAlreadyOpen();
};
// Throws DialogAlreadyOpen (once in the program, not in every kind of run).
[[noreturn]] void RefuseSecondRun();

template <class T>
class DialogRun {
 public:
  template <class... Args>
  DialogRun(std::unique_ptr<T>& ref, OpenDialogs& open, DialogKind kind, Args&&... args)
      : ref_(ref), open_(open) {
    if (ref_) RefuseSecondRun();
    ref_ = std::make_unique<T>(&ui::Application(), std::forward<Args>(args)...);
    form_ = ref_.get();
    open_.Opened(kind, *form_);
    ui::Application().ShowWindow(ui::SW_Show);
  }
  ~DialogRun() {
    open_.Closed(*form_);
    if (open_.Empty()) ui::Application().ShowWindow(ui::SW_Hide);
    // Shutdown may have destroyed it already.
    if (ref_.get() == form_) ref_.reset();
  }
  DialogRun(const DialogRun&) = delete;
  DialogRun& operator=(const DialogRun&) = delete;

  T& operator*() const { return *form_; }
  T* operator->() const { return form_; }
  T& Form() const { return *form_; }
  int ShowModal() { return form_->ShowModal(); }

 private:
  std::unique_ptr<T>& ref_;
  OpenDialogs& open_;
  T* form_ = nullptr;
};

}  // namespace dialogs
