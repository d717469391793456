// Plain value types shared by the platform adapters and the form library.
#pragma once
#include <cstdint>

namespace sys {

// An opaque window handle (an HWND on Windows, a made-up number in the fakes).
using WindowHandle = std::uintptr_t;

struct Point {
  int X = 0;
  int Y = 0;
  bool operator==(const Point& o) const { return X == o.X && Y == o.Y; }
};

// Right and bottom are exclusive, as in a Windows RECT.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const Rect& o) const {
    return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
  }
};

}  // namespace sys
