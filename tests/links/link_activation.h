#pragma once

#include <QWidget>
#include <string>

namespace sarovin::testing {

// The ways a person follows a link label.
enum class Activation { Click, Return, Enter, Space };

inline constexpr Activation ALL_ACTIVATIONS[] = {Activation::Click, Activation::Return,
                                                 Activation::Enter, Activation::Space};

std::string Describe(Activation how);

// Shows the window and waits until it is the active one, so its widgets can
// take the keyboard focus.
bool ShowActive(QWidget& window);

// Clicks the target, or gives it the focus and presses the key. Keys need
// the target's window shown and active.
void Activate(QWidget& target, Activation how);

}  // namespace sarovin::testing
