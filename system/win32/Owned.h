// Owns one system handle and releases it exactly once through Release{}(handle).
#pragma once
#include <utility>

namespace sys {

template <typename Handle, typename Release>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  void reset() {
    if (handle_ != Handle{}) Release{}(std::exchange(handle_, Handle{}));
  }

 private:
  Handle handle_{};
};

}  // namespace sys
