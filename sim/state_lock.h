// SPDX-License-Identifier: GPL-3.0-or-later
// One process per simulated device: a state file is locked while a process
// uses it, as a real device is held by one program at a time. Without it, two
// writes through one state file would both succeed and one be lost.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "settings/result.h"

namespace zeru::sim {

class StateLock {
public:
    StateLock(StateLock&& other) noexcept : held_(other.held_) { other.held_ = kNone; }
    StateLock& operator=(StateLock&& other) noexcept;
    StateLock(const StateLock&) = delete;
    StateLock& operator=(const StateLock&) = delete;
    ~StateLock();

    // Locks the state file at `path`, waiting up to `patience` for another
    // process to let it go. A missing file is made empty to hold the lock (an
    // empty state file is a device never written). Else a failure
    // (ImageRefused): "PATH is in use by another process." or why it cannot be
    // opened.
    static Result<StateLock> acquire(const std::string& path, std::chrono::milliseconds patience);

private:
    static constexpr std::intptr_t kNone = -1;
    explicit StateLock(std::intptr_t held) : held_(held) {}
    std::intptr_t held_;  // what holds the lock: a descriptor, or a mutex's handle on Windows
};

}  // namespace zeru::sim
