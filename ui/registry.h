#pragma once
// A small registry of our own: the three operations the about window needs to
// find the system-information tool, shaped like the classic system calls
// (status 0 for success, handles and sizes as 32-bit numbers) so that the
// reading code keeps its familiar form. Nothing here uses Qt.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

using RegHandle = std::uint32_t;
using RegStatus = long;

// The predefined local-machine root.
inline constexpr RegHandle kHKeyLocalMachine = 0x80000002u;

// Value types.
inline constexpr std::uint32_t kRegSz = 1;     // text
inline constexpr std::uint32_t kRegDword = 4;  // 32-bit number, low byte first

// Status codes.
inline constexpr RegStatus kErrorSuccess = 0;
inline constexpr RegStatus kErrorFileNotFound = 2;
inline constexpr RegStatus kErrorInvalidHandle = 6;
inline constexpr RegStatus kErrorMoreData = 234;

// The key holding the full path of the system-information program, and the
// key holding the folder it is installed in.
inline constexpr char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kMsinfoPathValue[] = "PATH";
inline constexpr char kSharedToolsLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kSharedToolsMsinfoValue[] = "MSINFO";

class Registry {
public:
    virtual ~Registry() = default;

    // Opens subKey under root (a predefined root or a handle from an earlier
    // open) and stores the new handle in key.
    virtual RegStatus RegOpenKeyExA(RegHandle root, const std::string& subKey, std::uint32_t options,
                                    std::uint32_t samDesired, RegHandle& key) = 0;

    // Reads a value into data, a caller buffer of size bytes. On return, type
    // is the value's type and size its length in bytes. A source may report
    // any size, 0 or more than the buffer holds; callers must not trust it.
    virtual RegStatus RegQueryValueExA(RegHandle key, const std::string& valueName, std::uint32_t& type,
                                       std::uint8_t* data, std::uint32_t& size) = 0;

    virtual RegStatus RegCloseKey(RegHandle key) = 0;
};

// Graphical system-information tools, most specific first. The first one found
// on the search path is what the about window's button starts.
inline constexpr std::array<std::string_view, 6> kSysInfoTools = {
    "hardinfo2",             // hardware and system report
    "hardinfo",              // its predecessor, still packaged by many distributions
    "kinfocenter",           // KDE's system information centre
    "cpu-x",                 // processor, memory and system summary
    "gnome-system-monitor",  // GNOME: system tab with hardware and OS
    "mate-system-monitor",   // MATE: the same
};

// The registry as seen on Linux, read-only: the program-path key answers
// "PATH" with the full path of the first tool of kSysInfoTools found on the
// search path; every other key and value is missing. There is no write
// operation at all, so any access mask is granted.
class SystemInfoRegistry final : public Registry {
public:
    explicit SystemInfoRegistry(std::vector<std::filesystem::path> searchPath = SearchPathFromEnvironment());

    // The folders of the PATH environment variable. Empty and relative entries
    // are left out: they would make the answer depend on the current folder.
    static std::vector<std::filesystem::path> SearchPathFromEnvironment();

    // The first tool, in the order of kSysInfoTools, that is an executable
    // regular file in one of the search folders (earlier folders first).
    std::optional<std::filesystem::path> FindTool() const;

    RegStatus RegOpenKeyExA(RegHandle root, const std::string& subKey, std::uint32_t options, std::uint32_t samDesired,
                            RegHandle& key) override;
    RegStatus RegQueryValueExA(RegHandle key, const std::string& valueName, std::uint32_t& type, std::uint8_t* data,
                               std::uint32_t& size) override;
    RegStatus RegCloseKey(RegHandle key) override;

private:
    std::vector<std::filesystem::path> searchPath_;
    std::set<RegHandle> openKeys_;
    RegHandle nextKey_ = 1;
};

}  // namespace tessaro
