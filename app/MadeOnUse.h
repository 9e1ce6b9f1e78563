// A part of the window made only when it is first used (a dialog the player may never open),
// so that start-up does not pay for it. Used like a pointer to it.
#pragma once

#include <functional>

namespace durak {

template <typename T>
class TMadeOnUse {
 public:
  // How to make it; set once, before the first use.
  void SetMaker(std::function<T*()> make) { make_ = std::move(make); }
  T* Get() {
    if (made_ == nullptr && make_) made_ = make_();
    return made_;
  }
  T& operator*() { return *Get(); }
  T* operator->() { return Get(); }
  // The part if it has been made, else null (nothing is made).
  T* IfMade() const { return made_; }

 private:
  std::function<T*()> make_;
  T* made_ = nullptr;  // owned by its parent widget
};

}  // namespace durak
