#pragma once
// Holds one COM reference of this code's own and releases it at scope end.

namespace vantor {

template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ~ComRef() {
    if (pointer_) pointer_->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;

  // For functions that hand out a pointer with a reference for the caller.
  Interface** Receive() { return &pointer_; }
  // Takes a pointer handed out without a reference for us and adds our own.
  void Borrow(Interface* pointer) {
    pointer_ = pointer;
    if (pointer_) pointer_->AddRef();
  }
  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace vantor
