// SPDX-License-Identifier: GPL-3.0-or-later
// A command whose output is lost has failed: standard output or error that
// cannot be written (a full disk, a closed pipe) turns success into failure.
#pragma once

namespace zeru::cli {

// `status`, or kImageRefused (3) when it told success or a difference (0, 6)
// and standard output or error could not be written; says so on standard
// error when that still works.
int statusAfterOutput(int status);

}  // namespace zeru::cli
