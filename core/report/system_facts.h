// SPDX-License-Identifier: GPL-3.0-or-later
// What a problem report tells of the program and of the machine it runs on.
#pragma once

#include <string>

namespace zeru::report {

// "Kestrovane Zeru Configurator 1.02, RelWithDebInfo build, GCC 12.2.0".
std::string programBuild();

// The kernel ("Linux 6.1.0-18-amd64 #1 SMP ... x86_64") and the distribution
// ("Debian GNU/Linux 12 (bookworm)"), one a line; "unknown" for what the
// system does not tell.
std::string systemDescription();

}  // namespace zeru::report
