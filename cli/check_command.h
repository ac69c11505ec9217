// SPDX-License-Identifier: GPL-3.0-or-later
// zeru-cli check: every problem of a configuration, one a line.
#pragma once

#include <cstdio>

#include "interaction/user_interface.h"
#include "settings/settings.h"

namespace zeru::cli {

// "error: Radio.Callsign: MESSAGE" or "warning: Beacons.Beacon1Dest: MESSAGE"
// for each problem, errors first, then "N problems.", "1 problem." or "No
// problems."; N counts warnings too. Control characters of a message (a value
// from the file) are shown escaped. Returns 0 when there is no error, 2 when
// there is one: warnings never change the status.
int reportProblems(const Settings& settings, std::FILE* out);

// The warnings of unsettledChoices (a pair of port roles the rules would
// change, a choice outside its list) on `ui`, one "warning: ..." line each:
// "write" tells them before it writes, as nothing stops them.
void tellUnsettledChoices(const Settings& settings, UserInterface& ui);

}  // namespace zeru::cli
