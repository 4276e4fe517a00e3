// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small value-or-error result, used where a core function can fail for a
// reason the caller may want to show.
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace cps {

struct Error {
  std::string message;
};

template <typename T>
class Result {
 public:
  Result(T value) : v_(std::move(value)) {}          // NOLINT: implicit by design
  Result(Error error) : v_(std::move(error)) {}      // NOLINT
  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<0>(v_); }
  const T& value() const { return std::get<0>(v_); }
  T& operator*() { return value(); }
  const T& operator*() const { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  const std::string& error() const { return std::get<1>(v_).message; }

 private:
  std::variant<T, Error> v_;
};

// Result of an operation without a value: ok, or an error with its reason.
class Status {
 public:
  Status() = default;
  Status(Error error) : error_(std::move(error.message)) {}  // NOLINT
  static Status Ok() { return {}; }
  bool ok() const { return !error_.has_value(); }
  explicit operator bool() const { return ok(); }
  const std::string& error() const { return *error_; }

 private:
  std::optional<std::string> error_;
};

}  // namespace cps
