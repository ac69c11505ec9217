// The command line of zeru-sim.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/fault.h"

namespace zeru::uhid {

struct SimOptions {
    std::optional<std::string> stateFile;  // loaded when it exists, saved on exit
    std::uint32_t firmwareVersion = 102;
    std::optional<sim::Fault> fault;
    std::string uhidPath = "/dev/uhid";
    bool verbose = false;
    bool help = false;
};

class SimUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Parses argv[1..]; throws SimUsageError for anything malformed.
SimOptions parseSimOptions(const std::vector<std::string>& args);

std::string simUsageText();

}  // namespace zeru::uhid
