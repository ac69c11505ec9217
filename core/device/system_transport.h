// SPDX-License-Identifier: GPL-3.0-or-later
// The transport to the real devices of this system: hidapi (hidraw) on Linux,
// the Windows HID API on Windows. Each backend's source defines it; the build
// compiles the one of the target system.
#pragma once

#include <memory>

#include "device/report_transport.h"

namespace zeru {

std::unique_ptr<ReportTransport> makeSystemTransport();

}  // namespace zeru
