// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/uhid/sim_options.h"

#include <string_view>

#include "settings/whole_number.h"

namespace zeru::uhid {

namespace {

// "--name=value" → value; nullopt when `arg` is another option.
std::optional<std::string> valueOf(std::string_view arg, std::string_view name) {
    if (arg.size() <= name.size() || arg.substr(0, name.size()) != name || arg[name.size()] != '=')
        return std::nullopt;
    return std::string(arg.substr(name.size() + 1));
}

// A command line that cannot be run, and why.
Failure usageError(std::string why) { return Failure::of(FailureKind::Usage, std::move(why)); }

}  // namespace

Result<SimOptions> parseSimOptions(const std::vector<std::string>& args) {
    SimOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--verbose" || arg == "-v") {
            o.verbose = true;
        } else if (auto file = valueOf(arg, "--state")) {
            o.stateFile = *file;
        } else if (auto cliFile = valueOf(arg, "--simulate")) {  // zeru-cli's name for the same file
            o.stateFile = *cliFile;
        } else if (auto version = valueOf(arg, "--sim-version")) {
            const auto number = parseWholeNumber(*version);
            if (!number || *number < 0) return usageError("--sim-version needs a version number such as 102");
            o.firmwareVersion = static_cast<std::uint32_t>(*number);
        } else if (auto fault = valueOf(arg, "--sim-fault")) {
            o.fault = sim::parseFault(*fault);
            if (!o.fault) return usageError("--sim-fault needs KIND:PAGE, for example refuse:16");
        } else if (auto breakage = valueOf(arg, "--break-usb")) {
            if (*breakage == "report-number")
                o.breakage = UsbBreakage::KeepReportNumber;
            else if (*breakage == "ids")
                o.breakage = UsbBreakage::OtherProduct;
            else
                return usageError("--break-usb needs report-number or ids");
        } else if (arg == "--serial" || valueOf(arg, "--serial")) {
            if (arg == "--serial" && i + 1 == args.size()) return usageError("--serial needs a text");
            o.serialNumber = arg == "--serial" ? args[++i] : *valueOf(arg, "--serial");
            if (o.serialNumber.size() > kMaxSerialLength)
                return usageError("--serial takes at most " + std::to_string(kMaxSerialLength) +
                                  " characters");
        } else if (auto trace = valueOf(arg, "--trace")) {
            if (trace->empty()) return usageError("--trace needs a file name");
            o.traceFile = *trace;
        } else if (auto path = valueOf(arg, "--uhid")) {
            o.uhidPath = *path;
        } else {
            return usageError("unknown argument " + arg);
        }
        if (o.stateFile && o.stateFile->empty()) return usageError("--state needs a file name");
    }
    return o;
}

std::string simUsageText() {
    return "Usage: zeru-sim [--state=STATE.bin] [--sim-version=N] [--sim-fault=KIND:PAGE] [--serial TEXT]\n"
           "                [--trace=FILE.pcapng] [--verbose]\n"
           "\n"
           "Presents the device simulator to this computer as a Kestrovane Zeru attached over\n"
           "USB (vendor 0x0483, product 0xA050) through the kernel's uhid driver, so that the\n"
           "configurator and zeru-cli find and use it like the real device. Runs until\n"
           "interrupted (Ctrl+C) and then removes the device. Linux only; needs /dev/uhid\n"
           "(sudo modprobe uhid) and the right to open it.\n"
           "\n"
           "  --state=STATE.bin       the 7168-byte configuration memory: loaded when the file\n"
           "                          exists, saved when zeru-sim stops (--simulate=STATE.bin\n"
           "                          is the same, as zeru-cli spells it)\n"
           "  --sim-version=N         report firmware version number N (102 is 1.02)\n"
           "  --sim-fault=KIND:PAGE   misbehave at page PAGE (counted from 0) of any transfer;\n"
           "                          KIND is refuse, bad-sum, bad-echo, short, silent,\n"
           "                          wrong-page or gone (PAGE may be fw or hw for the\n"
           "                          version requests); drop (acknowledge a configuration\n"
           "                          page, keep the old one) or flip (store it with one\n"
           "                          bit changed)\n"
           "  --serial TEXT           the serial number the device reports (default ZS0001), so\n"
           "                          that several simulated devices can be told apart\n"
           "  --trace=FILE.pcapng     record every request and reply, as the device saw them, into\n"
           "                          FILE when zeru-sim stops: pcapng, or text when FILE ends\n"
           "                          in .txt (as zeru-cli --trace)\n"
           "  --uhid=PATH             the uhid device node (default /dev/uhid)\n"
           "  --verbose               log every request to standard error\n"
           "  --break-usb=WHAT        for checking the tests: present a device that is wrong\n"
           "                          on the USB level (report-number: reads the report\n"
           "                          number as the first report byte; ids: product 0xA051)\n";
}

}  // namespace zeru::uhid
