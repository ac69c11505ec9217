// SPDX-License-Identifier: GPL-3.0-or-later
// A UserInterface that shows nothing, for benchmarks.
#pragma once

#include "interaction/silent_ui.h"

namespace zeru::bench {

// Like SilentUi, but keeps the progress position (the transfers step it) and
// agrees to every question, so that the measured flows run to their end.
class NullUi : public SilentUi {
public:
    void setProgress(int position) override { position_ = position; }
    int progress() const override { return position_; }
    bool confirm(const Message&) override { return true; }
    SaveAnswer askSaveChanges(const Message&) override { return SaveAnswer::Discard; }

private:
    int position_ = 0;
};

}  // namespace zeru::bench
