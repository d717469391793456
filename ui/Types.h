// Basic values of the form library: colours, fonts, results, key codes, message box flags.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "system/Types.h"

namespace ui {

class TObject;

// A Windows colour 0x00BBGGRR, or a system colour (high bit set, low byte = COLOR_* index).
using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clInfoBk = static_cast<TColor>(0x80000018);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000F);
constexpr TColor clWindow = static_cast<TColor>(0x80000005);
constexpr TColor clWindowText = static_cast<TColor>(0x80000008);
constexpr TColor clBtnShadow = static_cast<TColor>(0x80000010);
constexpr TColor clGrayText = static_cast<TColor>(0x80000011);
constexpr TColor clMenu = static_cast<TColor>(0x80000004);
constexpr TColor clMenuText = static_cast<TColor>(0x80000007);
constexpr TColor clHighlight = static_cast<TColor>(0x8000000D);
constexpr TColor clHighlightText = static_cast<TColor>(0x8000000E);
constexpr TColor clBtnHighlight = static_cast<TColor>(0x80000014);
constexpr TColor clNone = 0x1FFFFFFF;

inline bool IsSystemColor(TColor c) { return (static_cast<std::uint32_t>(c) & 0x80000000u) != 0; }

struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = 11;  // character height in pixels
  TColor Color = clWindowText;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool operator==(const TFont& o) const {
    return Name == o.Name && Height == o.Height && Color == o.Color && Bold == o.Bold &&
           Italic == o.Italic && Underline == o.Underline;
  }
  bool operator!=(const TFont& o) const { return !(*this == o); }
};

// Design place and size of a control.
struct Bounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

struct TextSize {
  int Width = 0;
  int Height = 0;
};

enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
};

enum class TAlignment { LeftJustify, RightJustify, Center };
enum class TTextLayout { Top, Center, Bottom };
enum class TBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class TFormStyle { Normal, StayOnTop };
enum class TPosition { Designed, ScreenCenter };
enum class TComboBoxStyle { DropDown, DropDownList };
enum class TEditCharCase { Normal, UpperCase, LowerCase };
enum class TShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };
enum class TBevelCut { None, Lowered, Raised };
enum class TTrackBarOrientation { Horizontal, Vertical };
enum class TCloseAction { None, Hide, Free, Minimize };
enum class TMouseButton { Left, Right, Middle };

enum TAnchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum TShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16 };
using TShiftState = unsigned;

// Screen cursors (the classic library's numbering).
enum TCursor : int {
  crDefault = 0,
  crArrow = -2,
  crHourGlass = -11,
  crHandPoint = -21,
  crSizeAll = -22,
};

// Virtual key codes used by the program.
constexpr std::uint16_t VK_Back = 0x08;
constexpr std::uint16_t VK_Tab = 0x09;
constexpr std::uint16_t VK_Return = 0x0D;
constexpr std::uint16_t VK_Escape = 0x1B;
// <windows.h> defines these three as macros with the same values; where it came first they
// are its macros (use them unqualified there).
#ifndef VK_F1
constexpr std::uint16_t VK_F1 = 0x70;
#endif
#ifndef VK_F4
constexpr std::uint16_t VK_F4 = 0x73;
#endif
#ifndef VK_F12
constexpr std::uint16_t VK_F12 = 0x7B;
#endif

// A menu shortcut: the key in the low byte, modifiers in the high bits (classic encoding).
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
inline TShortCut ShortCut(std::uint16_t key, TShortCut mods) {
  return static_cast<TShortCut>(key | mods);
}
// "Ctrl+U", "Alt+F4", "F1", "Ctrl+0"; empty for 0.
std::string ShortCutToText(TShortCut shortCut);

// Accelerators in captions: "&x" shows x underlined and makes x the caption's accelerator;
// "&&" shows one "&". The caption as shown (prefixes removed).
std::string StripAccelerator(const std::string& caption);
// A text the user typed (a profile name) as a caption that shows it unchanged: "&" doubled.
std::string QuoteAccelerators(const std::string& text);
// The accelerator of a caption, lower case; 0 when it has none (the first single "&" counts).
char AcceleratorOf(const std::string& caption);
// Whether a typed character is the caption's accelerator (letter case ignored).
bool IsAccel(char ch, const std::string& caption);
// Letter case folding of the 8-bit texts: ASCII and the Latin-1 letters.
char LowerChar(char ch);

// Message box flags and answers, as MessageBox has them.
constexpr unsigned MB_Ok = 0x0;
constexpr unsigned MB_OkCancel = 0x1;
constexpr unsigned MB_YesNoCancel = 0x3;
constexpr unsigned MB_YesNo = 0x4;
constexpr unsigned MB_IconError = 0x10;
constexpr unsigned MB_IconQuestion = 0x20;
constexpr unsigned MB_IconExclamation = 0x30;
constexpr unsigned MB_IconInformation = 0x40;
constexpr int ID_Ok = 1;
constexpr int ID_Cancel = 2;
constexpr int ID_Yes = 6;
constexpr int ID_No = 7;

// Extended window style bits the program sets on its forms.
constexpr std::uint32_t WS_EX_ToolWindow = 0x80;
constexpr std::uint32_t WS_EX_Layered = 0x80000;

// ShowWindow commands for the application window.
constexpr int SW_Hide = 0;
constexpr int SW_Show = 5;

// Stock icons (LoadIcon(null, id)).
constexpr int IDI_Hand = 32513;
constexpr int IDI_Question = 32514;
constexpr int IDI_Exclamation = 32515;
constexpr int IDI_Asterisk = 32516;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, std::uint16_t& key, TShiftState shift)>;
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

}  // namespace ui
