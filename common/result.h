#pragma once

#include <utility>
#include <variant>

#include "common/refusal.h"

namespace sarovin {

// A value, or the refusal that says why there is none.
template <typename T>
class Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(Refusal refusal) : state_(std::move(refusal)) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }

    // Only when has_value().
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Only when !has_value().
    const Refusal& refusal() const { return std::get<1>(state_); }

  private:
    std::variant<T, Refusal> state_;
};

// The value of a step that gives nothing but its success: Result<Done>.
struct Done {};

// A refusal with the error icon and no box to focus.
inline Refusal RefuseWith(std::string message) {
    return Refusal{std::move(message)};
}

}  // namespace sarovin
