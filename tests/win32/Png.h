// A minimal PNG writer for test screenshots: 8-bit RGB, one IDAT of stored (uncompressed)
// deflate blocks. No libraries.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace png {

std::uint32_t Crc32(const void* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const void* data, std::size_t size);
// A zlib stream of stored blocks holding data.
std::string ZlibStored(const std::string& data);
// The PNG file for top-down 0x00RRGGBB pixels.
std::string Encode(int width, int height, const std::vector<std::uint32_t>& pixels);
// Writes the file, making missing folders on the way; false when it could not.
bool Write(const std::string& path, int width, int height,
           const std::vector<std::uint32_t>& pixels);

}  // namespace png
