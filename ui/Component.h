// Components: named objects with an owner, walked in component order.
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace ui {

// A component's name or a control's design caption as its constructor takes it: a literal
// costs the caller one pointer, where a std::string or string_view argument would be built at
// each of the hundreds of declarations. The constructor copies the text.
struct TextArg {
  constexpr TextArg(const char* text = "") : Text(text) {}
  TextArg(const std::string& text) : Text(text.c_str()) {}
  const char* Text;
};

class TObject {
 public:
  virtual ~TObject() = default;
};

// A component registers itself with its owner when constructed and leaves when destroyed.
// Components declared as members of a form are owned by the form object itself; components
// made at run time with Create<T>() are owned (and destroyed) by their owner component.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner, TextArg name = {});
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  TComponent* Owner() const { return owner_; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // Owned components in component order (the order of creation).
  const std::vector<TComponent*>& Components() const { return components_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Component(int index) const { return components_.at(std::size_t(index)); }
  // By name, letter case ignored; null when there is none.
  TComponent* FindComponent(const std::string& name) const;

  // Makes a component at run time, owned by this one: T(this, args...).
  template <class T, class... Args>
  T& Create(Args&&... args) {
    auto made = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& ref = *made;
    created_.push_back(std::move(made));
    ref.AfterConstruction();
    return ref;
  }
  // Destroys a component made with Create(); false when it was not made that way.
  bool DestroyComponent(TComponent* component);

  // Runs once a component made at run time is complete (windows can be made for it now).
  virtual void AfterConstruction() {}

 protected:
  // Destroys the run-time components early, while the derived parts of this object (its
  // window, its child lists) still exist. Called by the destructors of container kinds.
  void DestroyCreatedComponents();

 private:
  TComponent* owner_;
  std::string name_;
  int tag_ = 0;
  std::vector<TComponent*> components_;
  std::vector<std::unique_ptr<TComponent>> created_;
};

// Letter case ignored, as component and window names compare.
bool SameText(const std::string& a, const std::string& b);

}  // namespace ui
