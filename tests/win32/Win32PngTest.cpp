// The screenshot PNG writer: checksums and a file that a stored-block reader takes back.
#include <gtest/gtest.h>

#include "tests/win32/Png.h"

namespace {

std::uint32_t Be32(const std::string& s, std::size_t at) {
  return std::uint32_t(static_cast<unsigned char>(s[at])) << 24 |
         std::uint32_t(static_cast<unsigned char>(s[at + 1])) << 16 |
         std::uint32_t(static_cast<unsigned char>(s[at + 2])) << 8 |
         static_cast<unsigned char>(s[at + 3]);
}

TEST(Win32Png, ChecksumsMatchTheirReferenceValues) {
  EXPECT_EQ(png::Crc32("123456789", 9), 0xCBF43926u);
  EXPECT_EQ(png::Adler32("Wikipedia", 9), 0x11E60398u);
}

TEST(Win32Png, StoredBlocksHoldTheDataAcrossBlockBoundaries) {
  std::string data(70000, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = char(i * 7);
  const std::string z = png::ZlibStored(data);
  ASSERT_EQ(z.substr(0, 2), std::string("\x78\x01"));
  std::string back;
  std::size_t pos = 2;
  for (;;) {
    const bool last = z[pos] & 1;
    const std::size_t n = std::size_t(static_cast<unsigned char>(z[pos + 1])) |
                          std::size_t(static_cast<unsigned char>(z[pos + 2])) << 8;
    const std::size_t nn = std::size_t(static_cast<unsigned char>(z[pos + 3])) |
                           std::size_t(static_cast<unsigned char>(z[pos + 4])) << 8;
    ASSERT_EQ(n ^ 0xFFFF, nn);
    back += z.substr(pos + 5, n);
    pos += 5 + n;
    if (last) break;
  }
  EXPECT_EQ(back, data);
  EXPECT_EQ(Be32(z, pos), png::Adler32(data.data(), data.size()));
  EXPECT_EQ(pos + 4, z.size());
}

TEST(Win32Png, FileHasSignatureHeaderAndValidChunks) {
  const std::string file = png::Encode(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0, 0xFFFFFF, 1});
  ASSERT_EQ(file.substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
  std::size_t pos = 8;
  std::vector<std::string> types;
  while (pos < file.size()) {
    const std::uint32_t length = Be32(file, pos);
    const std::string type = file.substr(pos + 4, 4);
    types.push_back(type);
    EXPECT_EQ(Be32(file, pos + 8 + length), png::Crc32(file.data() + pos + 4, length + 4)) << type;
    if (type == "IHDR") {
      EXPECT_EQ(Be32(file, pos + 8), 3u);
      EXPECT_EQ(Be32(file, pos + 12), 2u);
    }
    pos += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
}

}  // namespace
