#include "ui/Component.h"

#include <algorithm>
#include <cctype>

namespace ui {

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

TComponent::TComponent(TComponent* owner, TextArg name) : owner_(owner), name_(name.Text) {
  if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  DestroyCreatedComponents();
  // Members of a derived form leave before this runs; whatever is left only loses its owner.
  for (TComponent* c : components_) c->owner_ = nullptr;
  if (owner_) {
    auto& list = owner_->components_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}

void TComponent::DestroyCreatedComponents() {
  // Newest first, so later components that refer to earlier ones go away first.
  while (!created_.empty()) {
    std::unique_ptr<TComponent> last = std::move(created_.back());
    created_.pop_back();
    last.reset();
  }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : components_)
    if (SameText(c->Name(), name)) return c;
  return nullptr;
}

bool TComponent::DestroyComponent(TComponent* component) {
  auto it =
      std::find_if(created_.begin(), created_.end(),
                   [&](const std::unique_ptr<TComponent>& p) { return p.get() == component; });
  if (it == created_.end()) return false;
  std::unique_ptr<TComponent> doomed = std::move(*it);
  created_.erase(it);
  doomed.reset();
  return true;
}

}  // namespace ui
