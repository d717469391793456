#include "changers/FormMacChanger.h"

#include "changers/MacAddressText.h"
#include "dialogs/DialogLayout.h"

namespace {

constexpr std::size_t kAddressLength = 12;

ui::TFont FixedPitch(const ui::TFont& base) {
  ui::TFont f = base;
  f.Name = "Courier New";
  f.Height = 13;
  return f;
}

}  // namespace

TFormMacChanger::TFormMacChanger(ui::TComponent* owner, const dialogs::DialogEnv& env,
                                 profiles::ProfileTables& tables, AdapterLister listAdapters,
                                 profiles::OrderDialogRunner runOrder)
    : profiles::TProfileEditor(owner, "FormMacChanger", env, "MAC Changer", std::move(runOrder)),
      tables_(tables),
      listAdapters_(std::move(listAdapters)) {
  SetCaption("MAC Address Changer");
  SetBorderIcons(ui::biSystemMenu);
  SetPosition(ui::TPosition::ScreenCenter);
  SetClientSize(440, 338);
  Bind({ComboBoxProfNo, ButtonSave, ButtonDelete, ButtonProfOrder, LabelChanged, LabelDontUsed,
        Button2});

  ui::TFont bold = Label5.Font();
  bold.Bold = true;
  Label5.SetFont(bold);
  ComboBoxAdapterName.SetStyle(ui::TComboBoxStyle::DropDownList);
  ComboBoxAdapterName.SetDropDownCount(10);
  LabelAdapterNumber.SetFont(FixedPitch(LabelAdapterNumber.Font()));
  LabelAdapterNumber.SetEnabled(false);
  LabelHelpSelAdapter.SetColor(ui::clYellow);
  LabelHelpSelAdapter.SetFontColor(ui::clRed);
  LabelHelpSelAdapter.Hide();
  LabelWrongAdapter.SetFontColor(ui::clRed);
  LabelWrongAdapter.Hide();
  EditMacAddress.SetFont(FixedPitch(EditMacAddress.Font()));
  EditMacAddress.SetCharCase(ui::TEditCharCase::UpperCase);
  EditMacAddress.SetMaxLength(20);
  EditMacAddress.SetText("123456789012");
  LabelWrongMAC.SetFontColor(ui::clRed);
  LabelWrongMAC.Hide();
  // A warning, not a refusal: wired adapters take any address, many wireless ones only a
  // locally administered one (the first byte's second lowest bit set, its lowest clear).
  LabelMacFirstByte.SetAutoSize(false);
  LabelMacFirstByte.SetWordWrap(true);
  LabelMacFirstByte.SetFontColor(ui::clMaroon);
  LabelMacFirstByte.Hide();

  dialogs::SizeLabelsToText(*this);

  EditProfName.OnChange = [this](ui::TObject* s) { EditProfNameChange(s); };
  CheckBoxUseMacChanger.OnClick = [this](ui::TObject* s) { CheckBoxUseMacChangerClick(s); };
  ComboBoxAdapterName.OnChange = [this](ui::TObject* s) { ComboBoxAdapterNameChange(s); };
  EditMacAddress.OnChange = [this](ui::TObject* s) { EditMacAddressChange(s); };
  ButtonGetMAC.OnClick = [this](ui::TObject* s) { ButtonGetMACClick(s); };
  FormCreate();
}

void TFormMacChanger::FormCreate() {
  // A snapshot: adapters added or changed while the editor is open are not seen.
  try {
    adapters_ = listAdapters_();
  } catch (const changers::InvalidDataType& e) {
    // Discovery stopped at a value of the wrong type: the adapters before it are offered.
    adapters_ = e.Found;
    ui::Application().ShowException(e);
  }
  ComboBoxAdapterName.SetItems(adapters_.Descriptions);
  RebuildRows();
  ComboBoxProfNo.SetItemIndex(0);
  ComboBoxProfNoChange(nullptr);
}

void TFormMacChanger::FormShow() { ComboBoxProfNoChange(nullptr); }

void TFormMacChanger::SelectionChanged() { ButtonGetMAC.SetEnabled(AdapterChosen()); }

// ---- the slots ----

bool TFormMacChanger::SlotUsed(int slot) const { return Record(slot).Used; }

const std::string& TFormMacChanger::SlotName(int slot) const { return Record(slot).ProfileName; }

void TFormMacChanger::ClearUsed(int slot) { Record(slot).Used = false; }

void TFormMacChanger::LoadFields(int slot, bool used) {
  if (used) {
    const profiles::MacProfileRecord& m = Record(slot);
    EditProfName.SetText(m.ProfileName);
    // Two adapters with one description: the first is taken.
    ComboBoxAdapterName.SetItemIndex(ComboBoxAdapterName.IndexOfItem(m.NetworkAdapterName));
    ComboBoxAdapterNameChange(&ComboBoxAdapterName);
    LabelWrongAdapter.SetVisible(!AdapterChosen());
    CheckBoxUseMacChanger.SetChecked(m.UseOtherMAC);
    EditMacAddress.SetText(m.MacAddress);
  } else {
    EditProfName.SetText("");
    ComboBoxAdapterName.SetItemIndex(-1);
    CheckBoxUseMacChanger.SetChecked(false);
    EditMacAddress.SetText("");
    LabelAdapterNumber.SetCaption("----");
  }
  LabelHelpSelAdapter.SetVisible(!AdapterChosen());
}

bool TFormMacChanger::StoreFields(int slot) {
  profiles::MacProfileRecord& m = Record(slot);
  m.Used = true;
  m.ProfileName = EditProfName.Text();
  m.NetworkAdapterName = ComboBoxAdapterName.Text();
  m.LinkInRegistry = LabelAdapterNumber.Caption();
  m.UseOtherMAC = CheckBoxUseMacChanger.Checked();
  m.MacAddress = EditMacAddress.Text();
  return true;
}

void TFormMacChanger::Reorder(const profiles::SlotOrder& src) {
  profiles::ReorderMacProfiles(tables_, src);
}

// ---- the fields ----

void TFormMacChanger::EditProfNameChange(ui::TObject*) {
  const bool wrongAddress = LabelWrongMAC.Visible() && CheckBoxUseMacChanger.Checked();
  SetChanged(AdapterChosen() && !EditProfName.Text().empty() && !wrongAddress);
  EditMacAddress.SetEnabled(CheckBoxUseMacChanger.Checked());
  LabelHelpSelAdapter.SetVisible(!AdapterChosen());
}

void TFormMacChanger::CheckAddress() {
  const std::string& address = EditMacAddress.Text();
  const bool used = CheckBoxUseMacChanger.Checked();
  LabelWrongMAC.SetVisible(address.size() != kAddressLength && used);
  const char second = address.size() >= 2 ? address[1] : '2';
  LabelMacFirstByte.SetVisible(used && second != '2' && second != '6' && second != 'A' &&
                               second != 'E');
}

void TFormMacChanger::CheckBoxUseMacChangerClick(ui::TObject* sender) {
  CheckAddress();
  EditProfNameChange(sender);
}

void TFormMacChanger::ComboBoxAdapterNameChange(ui::TObject* sender) {
  EditProfNameChange(sender);
  const int chosen = ComboBoxAdapterName.ItemIndex();
  LabelAdapterNumber.SetCaption(chosen >= 0 ? adapters_.Links[std::size_t(chosen)] : "----");
  ButtonGetMAC.SetEnabled(chosen >= 0);
}

void TFormMacChanger::EditMacAddressChange(ui::TObject* sender) {
  if (filtering_) return;
  filtering_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{filtering_};

  // Only 0-9 and A-F stay (the edit has made letters capitals).
  const changers::KeptHexDigits kept = changers::KeepHexDigits(
      EditMacAddress.Text(), EditMacAddress.SelStart(), EditMacAddress.SelLength());
  EditMacAddress.SetText(kept.Text);
  EditMacAddress.SetSelection(kept.SelStart, kept.SelLength);

  CheckAddress();
  EditProfNameChange(sender);
}

void TFormMacChanger::ButtonGetMACClick(ui::TObject*) {
  const int chosen = ComboBoxAdapterName.ItemIndex();
  if (chosen < 0) return;
  EditMacAddress.SetText(adapters_.Addresses[std::size_t(chosen)]);
}
