// SPDX-License-Identifier: GPL-3.0-or-later
// A trace as a pcapng file of USB packets (link type 220, the Linux usbmon
// header), which protocol analysers open: the device's descriptors first, as
// GET_DESCRIPTOR exchanges, then a submission and a completion for every
// request written and every reply awaited.
#pragma once

#include <string>

#include "trace/trace.h"

namespace zeru::trace {

std::string encodePcapng(const Trace& trace);

}  // namespace zeru::trace
