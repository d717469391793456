#include "app/ContextMenuLook.h"

ui::TDecoratedMenu& ApplyContextMenuLook(ui::TComponent& owner, ui::TPopupMenu& menu) {
  auto& look = owner.Create<ui::TDecoratedMenu>("PopupMenuLook");
  ui::TMenuDecoration& d = look.Decoration();
  d.BarWidth = 25;
  d.BarStartColor = 49152;  // 0x00C000, green
  d.BarEndColor = ui::clBlack;
  d.BarDirection = ui::TGradientDirection::DiagonalRightToLeft;
  d.BarCaption = "Quonthary";
  d.BarFont.Name = "Verdana";
  d.BarFont.Height = 19;
  d.BarFont.Bold = true;
  d.BarFont.Color = ui::clWhite;
  d.BarShadowColor = ui::clBlack;
  d.ItemFont.Name = "MS Sans Serif";
  d.ItemFont.Height = 11;
  d.ItemFont.Color = ui::clMenuText;
  look.SetMenu(&menu);
  return look;
}
