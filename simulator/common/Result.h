#pragma once

#include <concepts>
#include <string>
#include <utility>
#include <variant>

// Why an operation could not be done, in words for the person who asked.
struct Failure {
  std::string reason;
};

inline Failure fail(std::string reason) {
  return Failure{std::move(reason)};
}

// What an operation that gives nothing back answers when it succeeds.
struct Ok {};

// How the simulator and the preferences tool report every outcome: the operation's value, or
// the failure that says why there is none.
template <class T = Ok>
class [[nodiscard]] Result {
 public:
  template <class U>
  requires std::constructible_from<T, U&&> &&
      (!std::same_as<std::remove_cvref_t<U>, Failure>)Result(U&& value)
      : state_(std::in_place_index<0>, std::forward<U>(value)) {}
  Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& operator*() { return std::get<0>(state_); }
  const T& operator*() const { return std::get<0>(state_); }
  T* operator->() { return &std::get<0>(state_); }
  const T* operator->() const { return &std::get<0>(state_); }

  // The failure's reason; only for a result that is not ok.
  const std::string& error() const { return std::get<1>(state_).reason; }
  Failure failure() const { return std::get<1>(state_); }

 private:
  std::variant<T, Failure> state_;
};
