#pragma once

#include <string>
#include <utility>
#include <variant>

// The result of an operation inside the libraries that can fail without
// throwing: its value, or why it failed. Header only, so every library above
// this one can use it.
namespace carvello {

struct Failure {
    // A result code of the caller's vocabulary; 0 where the text says all.
    int code = 0;
    std::string text;
};

template <typename T>
class Outcome {
public:
    Outcome(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Outcome(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Why it failed; only when !ok().
    const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

}  // namespace carvello
