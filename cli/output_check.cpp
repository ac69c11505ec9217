// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output_check.h"

#include <cstdio>

#include "cli/exit_status.h"

namespace zeru::cli {

int statusAfterOutput(int status) {
    const bool outLost = std::fflush(stdout) != 0 || std::ferror(stdout) != 0;
    if (outLost) std::fputs("Unable to write to standard output.\n", stderr);
    const bool errLost = std::fflush(stderr) != 0 || std::ferror(stderr) != 0;
    if (!outLost && !errLost) return status;
    return status == kSuccess || status == kDifferent ? kImageRefused : status;
}

}  // namespace zeru::cli
