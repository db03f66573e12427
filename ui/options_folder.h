#pragma once
// Which folder holds "GameOpt.dat". Beside the program whenever a save can
// be written there (a build folder, a copy carried on a stick); an installed
// program lies in a system folder that players cannot write, and then every
// save would fail, so its options go to the player's own configuration
// folder instead. The sound keeps coming from the program's folder.

#include <filesystem>
#include <functional>

namespace tessaro {

// The questions the choice asks of the system; tests give their own answers.
struct OptionsFolderSystem {
    std::function<bool(const std::filesystem::path&)> exists;
    std::function<bool(const std::filesystem::path&)> canWrite;
    // The per-user folder for this program's settings; empty when there is none.
    std::function<std::filesystem::path()> userConfigFolder;
    // Creates the folder with its parents; true when it is there afterwards.
    std::function<bool(const std::filesystem::path&)> makeFolder;
};

// The real answers: write access as the running user, the per-user
// configuration folder named after the game (UserConfigFolder), mkpath.
OptionsFolderSystem RealOptionsFolderSystem();

// The program's folder when it can be written, and so can the options file
// if it is there already. Otherwise the per-user folder, created when
// missing; should that fail too, the program's folder after all, where the
// save then reports its own error.
std::filesystem::path OptionsFolder(const std::filesystem::path& programFolder, const OptionsFolderSystem& system);

}  // namespace tessaro
