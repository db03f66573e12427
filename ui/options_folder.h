#pragma once
// Which folder holds "GameOpt.dat". An installed game keeps it in the
// player's own configuration folder: its program lies in a system folder
// that no player may write and no package owns a file in, also when root
// plays. A game run from anywhere else (a build folder, a copy carried on a
// stick) keeps it beside the program whenever a save can be written there,
// and otherwise also in the player's folder.

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

// Where `cmake --install` puts the program and "Click.wav", fixed when the
// game is built (a Debian package: /usr/games, /usr/share/games/tessaro).
struct InstallFolders {
    std::filesystem::path program;
    std::filesystem::path data;
};
InstallFolders BuiltInstallFolders();

// Whether the program runs from its install folder, reached by any path
// (links resolved). A missing install folder means no.
bool IsInstalled(const std::filesystem::path& programFolder, const InstallFolders& install);

// Where "Click.wav" lies: an installed game has it in its data folder, where
// the package puts it; any other beside the program.
std::filesystem::path ClickSoundFolder(const std::filesystem::path& programFolder, bool installed,
                                       const InstallFolders& install);

// The real answers: write access as the running user, the per-user
// configuration folder named after the game (UserConfigFolder), mkpath.
OptionsFolderSystem RealOptionsFolderSystem();

// Installed: the per-user folder, created when missing; should that fail,
// the save reports its own error there; with no per-user folder at all, no
// folder (an empty path, where loads and saves fail). Otherwise the program's folder when
// it can be written, and so can the options file if it is there already;
// else the per-user folder, created when missing; should that fail too, the
// program's folder after all, where the save then reports its own error.
std::filesystem::path OptionsFolder(const std::filesystem::path& programFolder, bool installed,
                                    const OptionsFolderSystem& system);

}  // namespace tessaro
