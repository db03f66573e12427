#include "ui/registry.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace tessaro {

namespace {

// Key and value names compare without regard to ASCII case, as the names
// the program asks for were always treated.
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

bool IsExecutableFile(const std::filesystem::path& candidate) {
    std::error_code error;
    return std::filesystem::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0;
}

}  // namespace

SystemInfoRegistry::SystemInfoRegistry(std::vector<std::filesystem::path> searchPath)
    : searchPath_(std::move(searchPath)) {}

std::vector<std::filesystem::path> SystemInfoRegistry::SearchPathFromEnvironment() {
    std::vector<std::filesystem::path> folders;
    const char* path = std::getenv("PATH");
    if (path == nullptr) return folders;
    std::string_view rest(path);
    while (true) {
        const std::size_t colon = rest.find(':');
        const std::filesystem::path folder(rest.substr(0, colon));
        if (folder.is_absolute()) folders.push_back(folder);
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return folders;
}

std::optional<std::filesystem::path> SystemInfoRegistry::FindTool() const {
    for (std::string_view tool : kSysInfoTools) {
        for (const std::filesystem::path& folder : searchPath_) {
            std::filesystem::path candidate = folder / tool;
            if (IsExecutableFile(candidate)) return candidate;
        }
    }
    return std::nullopt;
}

RegStatus SystemInfoRegistry::RegOpenKeyExA(RegHandle root, const std::string& subKey, std::uint32_t /*options*/,
                                            std::uint32_t /*samDesired*/, RegHandle& key) {
    if (root != kHKeyLocalMachine || !SameName(subKey, kMsinfoKey)) return kErrorFileNotFound;
    // Handles stay below the predefined roots, so the two can never be confused.
    if (nextKey_ >= kHKeyLocalMachine) nextKey_ = 1;
    while (openKeys_.count(nextKey_) != 0) ++nextKey_;
    key = nextKey_++;
    openKeys_.insert(key);
    return kErrorSuccess;
}

RegStatus SystemInfoRegistry::RegQueryValueExA(RegHandle key, const std::string& valueName, std::uint32_t& type,
                                               std::uint8_t* data, std::uint32_t& size) {
    if (openKeys_.count(key) == 0) return kErrorInvalidHandle;
    if (!SameName(valueName, kMsinfoPathValue)) return kErrorFileNotFound;
    const std::optional<std::filesystem::path> tool = FindTool();
    if (!tool) return kErrorFileNotFound;

    // Stored text carries its terminating zero, as text values usually do.
    const std::string& text = tool->native();
    const std::size_t needed = text.size() + 1;
    if (needed > UINT32_MAX) return kErrorMoreData;
    type = kRegSz;
    const std::uint32_t room = size;
    size = static_cast<std::uint32_t>(needed);
    if (data == nullptr) return kErrorSuccess;
    if (room < needed) return kErrorMoreData;
    std::memcpy(data, text.c_str(), needed);
    return kErrorSuccess;
}

RegStatus SystemInfoRegistry::RegCloseKey(RegHandle key) {
    return openKeys_.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace tessaro
