// Any bytes as a skin's picture: a bitmap reads or is refused, and one that reads has the
// size its header gives, every pixel in it. Its disabled look is made as for a button's
// glyph, from pictures of a glyph's size (up to 64 x 64).
#include "fuzz/FuzzSupport.h"
#include "ui/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::Text(data, size);
  const auto bitmap = ui::Bitmap::FromBmp(bytes);
  if (!bitmap) return 0;
  fuzz::Check(bitmap->Width() > 0 && bitmap->Height() > 0, "a picture has a size");
  fuzz::Check(bitmap->Pixels().size() == std::size_t(bitmap->Width()) * bitmap->Height(),
              "every pixel in it");
  if (bitmap->Width() <= 64 && bitmap->Height() <= 64) {
    const ui::Bitmap disabled = bitmap->Disabled(0x808080, 0xFFFFFF);
    fuzz::Check(disabled.Width() == bitmap->Width() && disabled.Height() == bitmap->Height(),
                "the disabled look has the picture's size");
  }
  return 0;
}
