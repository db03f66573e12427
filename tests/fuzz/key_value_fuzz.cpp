// GetKeyValue over a registry whose every answer comes from the fuzz input:
// whether the open, the query and the close succeed, the handle, the value's
// type, the size it reports (0, the bytes it handed over, one more or fewer,
// or any 32-bit number) and the bytes themselves.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "ui/key_value.h"
#include "ui/registry.h"

using namespace tessaro;
using fuzz::Check;

namespace {

// What the registry will answer, read from the front of the fuzz input:
//   0      open status (0 success, else a failure)    1..4   key handle
//   5      query status                                6      type: 0 text, 1 number, else bytes 7..10
//   11     reported size: 0 the bytes handed over, 1 one more, 2 one fewer, 3 zero, else bytes 12..15
//   16     close status                                17     n, then n bytes of KeyVal before the call
//   the rest: the value's bytes
struct Script {
    RegStatus openStatus = kErrorSuccess, queryStatus = kErrorSuccess, closeStatus = kErrorSuccess;
    RegHandle handle = 0;
    std::uint32_t type = kRegSz;
    std::uint8_t sizeMode = 0;
    std::uint32_t anySize = 0;
    std::string before;
    std::vector<std::uint8_t> bytes;
};

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : rest_(data, size) {}
    std::uint8_t Byte() {
        const auto byte = Take(1);
        return byte.empty() ? 0 : byte[0];  // past the end, every answer is 0
    }
    std::uint32_t Word() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return value;
    }
    std::span<const std::uint8_t> Take(std::size_t n) {
        const auto taken = rest_.first(std::min(n, rest_.size()));
        rest_ = rest_.subspan(taken.size());
        return taken;
    }
    std::span<const std::uint8_t> Rest() { return Take(rest_.size()); }

private:
    std::span<const std::uint8_t> rest_;
};

RegStatus Status(std::uint8_t pick) {
    constexpr std::array<RegStatus, 4> kFailures = {kErrorFileNotFound, kErrorInvalidHandle, kErrorMoreData, -1};
    return pick == 0 ? kErrorSuccess : kFailures[pick % kFailures.size()];
}

Script ReadScript(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    Script s;
    s.openStatus = Status(in.Byte());
    s.handle = in.Word();
    s.queryStatus = Status(in.Byte());
    const std::uint8_t typePick = in.Byte();
    const std::uint32_t anyType = in.Word();
    s.type = typePick == 0 ? kRegSz : typePick == 1 ? kRegDword : anyType;
    s.sizeMode = in.Byte();
    s.anySize = in.Word();
    s.closeStatus = Status(in.Byte());
    const auto before = in.Take(in.Byte());
    s.before.assign(before.begin(), before.end());
    const auto bytes = in.Rest();
    s.bytes.assign(bytes.begin(), bytes.end());
    return s;
}

// Plays the script, and notes how it was called.
class ScriptedRegistry final : public Registry {
public:
    explicit ScriptedRegistry(const Script& script) : script_(script) {}

    RegStatus RegOpenKeyExA(RegHandle, const std::string&, std::uint32_t, std::uint32_t samDesired,
                            RegHandle& key) override {
        Check(++opens == 1, "the key is opened once");
        Check(samDesired == kKeyValueAccess, "the key is opened with the rights the reader asks for");
        key = script_.handle;
        opened = script_.openStatus == kErrorSuccess;
        return script_.openStatus;
    }

    RegStatus RegQueryValueExA(RegHandle key, const std::string&, std::uint32_t& type, std::uint8_t* data,
                               std::uint32_t& size) override {
        Check(opened && closes == 0, "a value is read only from an open key");
        Check(key == script_.handle, "the value is read from the key that was opened");
        Check(++queries == 1, "the value is read once");
        Check(data != nullptr && size == kKeyValueBufferSize, "the whole buffer is offered");
        room = size;

        // A registry may have more bytes than fit, but writes no further than
        // the room it was given; what it reports as the size is another matter.
        written.assign(script_.bytes.begin(), script_.bytes.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(
                                                                          script_.bytes.size(), size)));
        std::copy(written.begin(), written.end(), data);
        const auto count = static_cast<std::uint32_t>(script_.bytes.size());
        switch (script_.sizeMode) {
        case 0: size = count; break;
        case 1: size = count + 1; break;
        case 2: size = count == 0 ? 0 : count - 1; break;
        case 3: size = 0; break;
        default: size = script_.anySize; break;
        }
        reported = size;
        type = script_.type;
        return script_.queryStatus;
    }

    RegStatus RegCloseKey(RegHandle key) override {
        Check(opened, "only an opened key is closed");
        Check(key == script_.handle, "the key that was opened is closed");
        Check(++closes == 1, "the key is closed once");
        return script_.closeStatus;
    }

    int opens = 0, queries = 0, closes = 0;
    bool opened = false;
    std::uint32_t room = 0, reported = 0;
    std::vector<std::uint8_t> written;

private:
    const Script& script_;
};

// What KeyVal must hold after a successful read: made from the buffer as the
// registry left it (its bytes, then the zeros it started with), and from
// nothing else.
std::string ExpectedValue(const ScriptedRegistry& registry, const Script& script) {
    std::array<std::uint8_t, kKeyValueBufferSize> buffer{};
    std::copy(registry.written.begin(), registry.written.end(), buffer.begin());
    std::size_t kept = registry.reported;
    if (buffer[kept - 1] == 0) --kept;
    if (script.type == kRegSz) return std::string(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(kept));
    if (script.type != kRegDword) return script.before;
    std::string text = "&h";
    char digits[3];
    for (std::size_t i = kept; i-- > 0;) {
        std::snprintf(digits, sizeof digits, "%02X", buffer[i]);
        text += digits;
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Script script = ReadScript(data, size);
    ScriptedRegistry registry(script);
    std::string KeyVal = script.before;
    const bool read = GetKeyValue(registry, kHKeyLocalMachine, kMsinfoKey, kMsinfoPathValue, KeyVal);

    Check(registry.opens == 1, "the key is opened");
    Check(registry.closes == (registry.opened ? 1 : 0), "a key that was opened is closed, and only such a key");
    const bool whole = registry.opened && script.queryStatus == kErrorSuccess && registry.reported > 0 &&
                       registry.reported <= registry.room;
    Check(read == whole, "a value reads exactly when it is all there");
    if (!read) {
        Check(KeyVal.empty(), "a failed read leaves an empty value");
        return 0;
    }
    Check(KeyVal == ExpectedValue(registry, script), "the value is made of the kept bytes alone");
    return 0;
}
