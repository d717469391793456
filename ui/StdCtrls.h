// The standard controls: labels, buttons, check and radio buttons, edits, combo and list
// boxes, group boxes and panels.
#pragma once
#include <string>
#include <vector>

#include "ui/Controls.h"

namespace ui {

class TLabel : public TGraphicControl {
 public:
  TLabel(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {},
         TextArg caption = {});
  ~TLabel() override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment a);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout l);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool w);
  // On: the label takes the size of its text (keeping its right edge when right-aligned and
  // its centre when centred). On by default, as in the classic library.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool a);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool t);
  // On (the default): "&x" in the caption shows x underlined; off: the caption shows as it
  // is (labels that show data, such as names the user typed).
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool show);
  // The caption as it is drawn and measured.
  std::string ShownCaption() const;
  // The control that the label's accelerator focuses (classic FocusControl); null = none.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control);
  bool DialogChar(char ch) override;

 protected:
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override { AdjustBounds(); }

 private:
  friend class TWinControl;  // clears FocusControl when that control goes away
  void AdjustBounds();
  TWinControl* focusControl_ = nullptr;
  bool showAccelChar_ = true;
  TAlignment alignment_ = TAlignment::LeftJustify;
  TTextLayout layout_ = TTextLayout::Top;
  bool wordWrap_ = false;
  bool autoSize_ = true;
  bool transparent_ = false;
};

class TButtonControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
};

class TButton : public TButtonControl {
 public:
  TButton(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {},
          TextArg caption = {});
  bool Default() const { return default_; }
  void SetDefault(bool d);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool c) { cancel_ = c; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int r) { modalResult_ = r; }
  // Passes ModalResult to the form, then runs OnClick.
  void Click() override;
  // Its accelerator clicks it.
  bool DialogChar(char ch) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = mrNone;
};

class TCheckBox : public TButtonControl {
 public:
  TCheckBox(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {},
            TextArg caption = {});
  bool Checked() const { return checked_; }
  // Fires OnClick when the state changes.
  void SetChecked(bool checked);
  // The user toggles the box: state flips, OnClick runs.
  void UserClick() override { SetChecked(!checked_); }
  // Its accelerator focuses and toggles it.
  bool DialogChar(char ch) override;

 private:
  bool checked_ = false;
};

// Radio buttons with the same parent form one group.
class TRadioButton : public TButtonControl {
 public:
  TRadioButton(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {},
               TextArg caption = {});
  bool Checked() const { return checked_; }
  // Checking clears the others of the group and fires OnClick when the state changes;
  // unchecking fires nothing.
  void SetChecked(bool checked);
  void UserClick() override { SetChecked(true); }
  // Its accelerator focuses and checks it.
  bool DialogChar(char ch) override;

 private:
  bool checked_ = false;
};

class TEdit : public TWinControl {
 public:
  TEdit(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  // 0 = no limit. Limits what the user types, not what the program sets.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int n);
  // Applies to typed text and to text the program sets.
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase c);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool r);
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelection(int start, int length);
  void SelectAll() { SetSelection(0, static_cast<int>(Text().size())); }

  // Fires after every change of the text, by the program or by the user.
  TNotifyEvent OnChange;

  // Typing: replaces the selection, honours ReadOnly, MaxLength and CharCase; one OnChange
  // per character, as a real edit reports each keystroke.
  void UserType(const std::string& chars);
  // The window's text after the user edited it (win32 backend), with the caret and
  // selection where the window has them, so that OnChange sees both as the user left them.
  void UserSetText(const std::string& text);
  void UserSetText(const std::string& text, int selStart, int selLength);
  bool TakesCharacters() const override { return true; }

 protected:
  void TextChanged() override;

 private:
  std::string Cased(const std::string& s) const;
  int maxLength_ = 0;
  TEditCharCase charCase_ = TEditCharCase::Normal;
  bool readOnly_ = false;
  int selStart_ = 0, selLength_ = 0;
};

class TComboBox : public TWinControl {
 public:
  TComboBox(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle s);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int n) { dropDownCount_ = n; }

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void AddItem(const std::string& item);
  void DeleteItem(int index);
  void ClearItems();
  // Letter case ignored, as the classic item lists compare; -1 when absent.
  int IndexOfItem(const std::string& text) const;

  // -1 = none. Setting it does not fire OnChange; the text follows the item.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // Setting the text fires nothing. A drop-down list selects the item with that text (or
  // none); an editable combo keeps its item only while the text is still that item's.
  void SetComboText(const std::string& text);

  // Fires when the user picks an item or edits the text.
  TNotifyEvent OnChange;

  void UserSelect(int index);
  void UserType(const std::string& chars);
  void UserSetText(const std::string& text);
  // Also a drop-down list: a letter picks the item it begins.
  bool TakesCharacters() const override { return true; }

 private:
  TComboBoxStyle style_ = TComboBoxStyle::DropDown;
  int dropDownCount_ = 8;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class TListBox : public TWinControl {
 public:
  TListBox(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {});
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void AddItem(const std::string& item);
  void InsertItem(int index, const std::string& item);
  void DeleteItem(int index);
  void ClearItems();
  int IndexOfItem(const std::string& text) const;
  // -1 = none; setting it fires nothing.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The user clicks an entry: it is selected, then OnClick runs.
  void UserSelect(int index);
  // A letter moves to the entry it begins.
  bool TakesCharacters() const override { return true; }

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class TGroupBox : public TWinControl {
 public:
  TGroupBox(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {},
            TextArg caption = {});
  // Its accelerator focuses the first control inside it.
  bool DialogChar(char ch) override;
};

class TPanel : public TWinControl {
 public:
  TPanel(TComponent* owner, TextArg name, TWinControl* parent = nullptr, Bounds bounds = {},
         TextArg caption = {});
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut b);

 private:
  TBevelCut bevelOuter_ = TBevelCut::Raised;
};

}  // namespace ui
