#pragma once

#include <cstdint>
#include <span>

namespace kestrova {

// CRC-16 with polynomial 0x1021, MSB first, initial value 0, no reflection, no final XOR
// (the XMODEM parameters). The camera checks every record with it.
std::uint16_t crc16(std::span<const std::uint8_t> bytes);

} // namespace kestrova
