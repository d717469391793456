#include "tests/win32/Png.h"

#include <fstream>

#include "ui/win32/WinApi.h"

namespace png {

namespace {

void Be32(std::string& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += char((v >> shift) & 0xFF);
}

void Chunk(std::string& out, const char* type, const std::string& data) {
  Be32(out, std::uint32_t(data.size()));
  std::string body = std::string(type, 4) + data;
  out += body;
  Be32(out, Crc32(body.data(), body.size()));
}

void MakeFolders(const std::string& path) {
  for (std::size_t i = 1; i < path.size(); ++i)
    if (path[i] == '\\' || path[i] == '/') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}

}  // namespace

std::uint32_t Crc32(const void* data, std::size_t size, std::uint32_t crc) {
  static std::uint32_t table[256];
  static bool ready = false;
  if (!ready) {
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
    ready = true;
  }
  auto* p = static_cast<const unsigned char*>(data);
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const void* data, std::size_t size) {
  auto* p = static_cast<const unsigned char*>(data);
  std::uint32_t a = 1, b = 0;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + p[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::string ZlibStored(const std::string& data) {
  std::string out = {char(0x78), char(0x01)};
  std::size_t pos = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, data.size() - pos);
    const bool last = pos + n == data.size();
    out += char(last ? 1 : 0);
    out += char(n & 0xFF);
    out += char(n >> 8);
    out += char(~n & 0xFF);
    out += char((~n >> 8) & 0xFF);
    out.append(data, pos, n);
    pos += n;
  } while (pos < data.size());
  Be32(out, Adler32(data.data(), data.size()));
  return out;
}

std::string Encode(int width, int height, const std::vector<std::uint32_t>& pixels) {
  std::string raw;
  raw.reserve(std::size_t(height) * (std::size_t(width) * 3 + 1));
  for (int y = 0; y < height; ++y) {
    raw += char(0);  // no filter
    for (int x = 0; x < width; ++x) {
      std::uint32_t p = pixels[std::size_t(y) * width + x];
      raw += char((p >> 16) & 0xFF);
      raw += char((p >> 8) & 0xFF);
      raw += char(p & 0xFF);
    }
  }
  std::string out = "\x89PNG\r\n\x1a\n";
  std::string header;
  Be32(header, std::uint32_t(width));
  Be32(header, std::uint32_t(height));
  header += char(8);  // bits per channel
  header += char(2);  // RGB
  header += std::string(3, '\0');
  Chunk(out, "IHDR", header);
  Chunk(out, "IDAT", ZlibStored(raw));
  Chunk(out, "IEND", "");
  return out;
}

bool Write(const std::string& path, int width, int height,
           const std::vector<std::uint32_t>& pixels) {
  if (width <= 0 || height <= 0 || pixels.size() < std::size_t(width) * height) return false;
  MakeFolders(path);
  std::ofstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string bytes = Encode(width, height, pixels);
  file.write(bytes.data(), std::streamsize(bytes.size()));
  return bool(file);
}

}  // namespace png
