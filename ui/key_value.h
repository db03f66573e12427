#pragma once
// Reading one registry value as text. Plain C++ over the Registry interface,
// so that it runs, and can be fed hostile answers, without any window.

#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/registry.h"

namespace tessaro {

// Rights asked for when opening a key: query, set, create-subkey, enumerate,
// notify, create-link and read-control.
inline constexpr std::uint32_t kKeyValueAccess = 0x2003F;
// Room for the value's bytes; a longer value fails to read.
inline constexpr std::size_t kKeyValueBufferSize = 1024;

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal and
// returns true, or sets KeyVal to "" and returns false when the key cannot be
// opened or the value cannot be read (including an empty value and one longer
// than the buffer). The value's last byte is dropped when it is zero, the
// usual end of a stored text. A text value is then taken as it is; a 32-bit
// number becomes "&h" and its bytes in upper-case hexadecimal, last byte
// first; a value of any other type leaves KeyVal as it was and still counts
// as read. A key that was opened is always closed again.
bool GetKeyValue(Registry& registry, const RegHandle& KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal);

}  // namespace tessaro
