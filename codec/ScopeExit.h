#pragma once

#include <utility>

namespace codec {

// Runs an action when the scope ends, also when an error is thrown: used to
// put the codec's state back after operations that borrow it.
template <typename Action>
class ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action action_;
};

}  // namespace codec
