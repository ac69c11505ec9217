// SPDX-License-Identifier: GPL-3.0-or-later
// How failure travels through the core: a check, a conversion, a load, a save
// or a device flow returns a Result (a value or a Failure) or an Outcome (done
// or a Failure). The failure carries what the front ends need to act on it:
// its kind (zeru-cli's exit status), the setting refused (the field the window
// shows), the page of a transfer error, and its text. Exceptions are left to
// programming errors and to the edges of other libraries.
#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

#include "settings/setting_id.h"

namespace zeru {

// One kind for each of zeru-cli's failing exit statuses, in their order.
enum class FailureKind {
    Usage,            // a command line that cannot be run
    SettingsRefused,  // a check or conversion refused a setting
    ImageRefused,     // an image or file refused, or one not read or written
    NoDevice,         // no device found, or not the one chosen
    DeviceFailed,     // the device failed or refused, or a backup before a write did
};

struct Failure {
    FailureKind kind = FailureKind::DeviceFailed;
    std::optional<SettingId> setting{};  // the setting refused
    std::optional<int> page{};           // the page of a transfer error, 1..224
    std::string text{};                  // the message (an error box adds its full stop)

    static Failure refused(SettingId setting, std::string text) {
        return {FailureKind::SettingsRefused, setting, std::nullopt, std::move(text)};
    }
    static Failure of(FailureKind kind, std::string text = {}) {
        return {kind, std::nullopt, std::nullopt, std::move(text)};
    }
};

// Done, or a failure.
class [[nodiscard]] Outcome {
public:
    Outcome() = default;
    Outcome(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    // Only when !ok().
    const Failure& failure() const { return *failure_; }

private:
    std::optional<Failure> failure_;
};

template <typename T>
class Result;

// What may stand for the value of a Result<T>: anything that converts to a T,
// but not a failure or another result.
template <typename U, typename T>
concept MakesValueOf = std::is_convertible_v<U&&, T> && !std::is_same_v<std::remove_cvref_t<U>, Failure> &&
                       !std::is_same_v<std::remove_cvref_t<U>, Result<T>>;

// A value, or a failure.
template <typename T>
class [[nodiscard]] Result {
public:
    // Anything that makes a T (a text literal for a std::string) makes a value.
    template <MakesValueOf<T> U>
    // NOLINTNEXTLINE(bugprone-forwarding-reference-overload): the concept keeps Result and Failure out
    Result(U&& value) : state_(std::in_place_index<0>, std::forward<U>(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    // Only when ok().
    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }
    // Only when !ok().
    const Failure& failure() const { return std::get<1>(state_); }
    Outcome outcome() const { return ok() ? Outcome() : Outcome(failure()); }

private:
    std::variant<T, Failure> state_;
};

}  // namespace zeru
