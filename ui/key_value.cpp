#include "ui/key_value.h"

#include <array>

namespace tessaro {

bool GetKeyValue(Registry& registry, const RegHandle& KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                 std::string& KeyVal) {
    RegHandle key = 0;
    if (registry.RegOpenKeyExA(KeyRoot, KeyName, 0, kKeyValueAccess, key) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }

    std::array<std::uint8_t, kKeyValueBufferSize> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    const RegStatus status = registry.RegQueryValueExA(key, SubKeyRef, type, buffer.data(), size);
    // An empty value, or one claimed longer than the buffer that received it,
    // cannot be trusted: its bytes are not all there.
    if (status != kErrorSuccess || size == 0 || size > buffer.size()) {
        KeyVal.clear();
        registry.RegCloseKey(key);
        return false;
    }

    // A stored text usually ends with its terminating zero; that zero is not
    // part of the value. A value without one keeps every byte.
    const std::size_t kept = buffer[size - 1] == 0 ? size - 1 : size;

    switch (type) {
    case kRegSz: KeyVal.assign(reinterpret_cast<const char*>(buffer.data()), kept); break;
    case kRegDword: {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        std::string text = "&h";
        for (std::size_t i = kept; i > 0; --i) {  // stored low byte first
            text += kDigits[buffer[i - 1] >> 4];
            text += kDigits[buffer[i - 1] & 0x0F];
        }
        KeyVal = std::move(text);
        break;
    }
    default: break;
    }

    registry.RegCloseKey(key);
    return true;
}

}  // namespace tessaro
