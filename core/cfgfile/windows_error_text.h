// SPDX-License-Identifier: GPL-3.0-or-later
// The system's own words for a Windows error code, as the POSIX code takes
// strerror's: what a refusal shows after "cannot be read: ".
#pragma once

#include <string>

namespace zeru::cfgfile {

// "Access is denied" for ERROR_ACCESS_DENIED: UTF-8, without the final full
// stop and line end; "Error N" when the system has no words for it.
std::string windowsErrorText(unsigned long error);

}  // namespace zeru::cfgfile
