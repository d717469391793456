// Any bytes as a skin's picture: a bitmap reads or is refused, and one that reads has the
// size its header gives, every pixel in it.
#include "fuzz/FuzzSupport.h"
#include "ui/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::Text(data, size);
  const auto bitmap = ui::Bitmap::FromBmp(bytes);
  if (!bitmap) return 0;
  fuzz::Check(bitmap->Width() > 0 && bitmap->Height() > 0, "a picture has a size");
  std::uint32_t sum = 0;
  for (int y = 0; y < bitmap->Height(); ++y)
    for (int x = 0; x < bitmap->Width(); ++x) sum += bitmap->Pixel(x, y);
  (void)bitmap->Disabled(0x808080, 0xFFFFFF);
  return static_cast<int>(sum & 0);
}
