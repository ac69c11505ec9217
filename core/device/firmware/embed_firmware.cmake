# SPDX-License-Identifier: GPL-3.0-or-later
# Turns a binary file into a C++ source that defines its bytes.
# Usage: cmake -DINPUT=<file> -DOUTPUT=<source.cpp> -P embed_firmware.cmake
if(NOT EXISTS "${INPUT}")
  message(FATAL_ERROR "Firmware image not found: ${INPUT}")
endif()
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
if(size EQUAL 0)
  set(bytes "0")  # an array may not be empty; the size below stays 0
else()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # 16 bytes a line keeps the generated file readable by tools.
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
endif()
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.
#include \"device/firmware/embedded_firmware.h\"

namespace zeru {

const std::uint8_t kEmbeddedFirmware[] = {
${bytes}
};
const std::size_t kEmbeddedFirmwareSize = ${size};

}  // namespace zeru
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
