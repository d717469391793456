#include "ui/win32/Gdi.h"

namespace ui::win32 {

MemoryDC::MemoryDC(HDC reference, int width, int height)
    : width_(width > 0 ? width : 1), height_(height > 0 ? height : 1) {
  dc_ = CreateCompatibleDC(reference);
  if (!dc_) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) return;
  bits_ = static_cast<std::uint32_t*>(bits);
  old_ = SelectObject(dc_, bitmap_.Get());
}

MemoryDC::~MemoryDC() {
  if (dc_) {
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
}

COLORREF ToColorRef(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(int(color & 0xFF));
  return COLORREF(std::uint32_t(color) & 0x00FFFFFFu);
}

}  // namespace ui::win32
