#pragma once

#include <QObject>
#include <array>
#include <cstring>
#include <functional>
#include <typeinfo>

// A bound event handler: an object together with one of its operations, taking the sender.
// Empty by default; two handlers are equal when they bind the same operation of the same object.
class TNotifyEvent {
 public:
  TNotifyEvent() = default;

  template <class T>
  TNotifyEvent(T* object, void (T::*method)(QObject*))
      : object_(object),
        type_(&typeid(T)),
        call_([object, method](QObject* sender) { (object->*method)(sender); }) {
    static_assert(sizeof method <= sizeof(MethodBytes));
    std::memcpy(method_.data(), &method, sizeof method);
  }

  explicit operator bool() const { return static_cast<bool>(call_); }
  void operator()(QObject* sender) const {
    if (call_) call_(sender);
  }
  bool operator==(const TNotifyEvent& other) const {
    return object_ == other.object_ && type_ == other.type_ && method_ == other.method_;
  }

 private:
  using MethodBytes = std::array<unsigned char, 2 * sizeof(void*)>;
  const void* object_ = nullptr;
  const std::type_info* type_ = nullptr;
  MethodBytes method_{};
  std::function<void(QObject*)> call_;
};
