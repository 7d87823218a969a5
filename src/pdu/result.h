#pragma once
// A value or the reason why there is none. The codec refuses bad input with a text that
// the terminal can show in its error box as it stands.
#include <optional>
#include <string>
#include <utility>

namespace shortmsg {

template <class T>
class Result {
  public:
    static Result Ok(T value) { return Result(std::move(value), {}); }
    static Result Fail(std::string error) { return Result(std::nullopt, std::move(error)); }

    explicit operator bool() const { return value_.has_value(); }
    bool ok() const { return value_.has_value(); }
    const T& value() const& { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return &*value_; }
    const std::string& error() const { return error_; }

  private:
    Result(std::optional<T> v, std::string e) : value_(std::move(v)), error_(std::move(e)) {}
    std::optional<T> value_;
    std::string error_;
};

}  // namespace shortmsg
