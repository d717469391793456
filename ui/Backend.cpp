#include "ui/Backend.h"

#include "ui/headless/HeadlessBackend.h"

namespace ui {

namespace {
std::unique_ptr<Backend>& Slot() {
  static std::unique_ptr<Backend> backend;
  return backend;
}
}  // namespace

Backend& CurrentBackend() {
  if (!Slot()) Slot() = std::make_unique<headless::HeadlessBackend>();
  return *Slot();
}

Backend& SetBackend(std::unique_ptr<Backend> backend) {
  Slot() = std::move(backend);
  return *Slot();
}

}  // namespace ui
