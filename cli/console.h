// SPDX-License-Identifier: GPL-3.0-or-later
// The standard streams as each system has them. Each system's console_*.cpp
// defines these.
#pragma once

#include <cstdio>

namespace zeru::cli {

// Prepares standard output and error before anything is written: a reader
// that goes away (a closed pipe) fails the write instead of ending the
// process unseen; on Windows the console shows UTF-8, and the streams carry
// the same bytes as on Linux ("\n" line ends), so that a script reading them
// and a configuration file written through them are the same everywhere.
void prepareConsole();

// Whether `stream` goes to a terminal or console that a person reads: only
// there a progress bar is drawn and text is escaped line by line.
bool isTerminal(std::FILE* stream);

}  // namespace zeru::cli
