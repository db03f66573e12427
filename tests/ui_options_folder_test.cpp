// Where the options file lives: beside the program when a save can be
// written there, else in the player's own configuration folder, else beside
// the program after all. First with made-up answers about the system, then
// with real folders whose modes say no.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include "temp_folder.h"

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "options/options_file.h"
#include "ui/options_folder.h"

namespace tessaro {
namespace {

using testing::AsUnprivileged;
using testing::TempFolder;

namespace fs = std::filesystem;

const fs::path kProgram = "/opt/game";
const fs::path kOptionsFile = kProgram / kOptionsFileName;
const fs::path kUser = "/home/player/.config/Tessaro";

struct Answers {
    bool programWritable;
    bool fileExists;
    bool fileWritable;
    fs::path userFolder;  // empty: the system has none
    bool makeSucceeds;
};

struct Asked {
    std::vector<fs::path> made;
};

OptionsFolderSystem Scripted(const Answers& a, Asked& asked) {
    OptionsFolderSystem system;
    system.exists = [a](const fs::path& p) { return p == kProgram || (p == kOptionsFile && a.fileExists); };
    system.canWrite = [a](const fs::path& p) {
        if (p == kProgram) return a.programWritable;
        if (p == kOptionsFile) return a.fileExists && a.fileWritable;
        ADD_FAILURE() << "asked whether " << p << " can be written";
        return false;
    };
    system.userConfigFolder = [a] { return a.userFolder; };
    system.makeFolder = [a, &asked](const fs::path& p) {
        asked.made.push_back(p);
        return a.makeSucceeds;
    };
    return system;
}

TEST(OptionsFolder, ChoosesByWhatCanBeWritten) {
    struct Case {
        const char* what;
        bool installed;
        Answers answers;
        fs::path expected;
        std::vector<fs::path> made;
    };
    const std::vector<Case> cases = {
        {"build folder, no file yet", false, {true, false, false, kUser, true}, kProgram, {}},
        {"portable copy with its file", false, {true, true, true, kUser, true}, kProgram, {}},
        {"a writable folder, even with no per-user folder", false, {true, false, false, "", false}, kProgram, {}},
        {"read-only file in a writable folder", false, {true, true, false, kUser, true}, kUser, {kUser}},
        {"system folder, no file", false, {false, false, false, kUser, true}, kUser, {kUser}},
        {"a writable file does not make the folder writable", false, {false, true, true, kUser, true}, kUser, {kUser}},
        {"per-user folder cannot be made: back to the program's",
         false,
         {false, false, false, kUser, false},
         kProgram,
         {kUser}},
        {"no per-user folder at all: back to the program's", false, {false, false, false, "", true}, kProgram, {}},
        // Installed: never beside the program, also when it could be written there (root).
        {"installed, folder writable", true, {true, false, false, kUser, true}, kUser, {kUser}},
        {"installed, a writable file left beside", true, {true, true, true, kUser, true}, kUser, {kUser}},
        {"installed, system folder", true, {false, false, false, kUser, true}, kUser, {kUser}},
        {"installed, per-user folder cannot be made: the save reports it there",
         true,
         {true, false, false, kUser, false},
         kUser,
         {kUser}},
        // No home at all (root from a bare environment): no folder, so loads
        // and saves fail with a message, never falling back to /usr/games.
        {"installed, no per-user folder at all: none", true, {true, false, false, "", true}, "", {}},
    };
    for (const Case& c : cases) {
        Asked asked;
        EXPECT_EQ(OptionsFolder(kProgram, c.installed, Scripted(c.answers, asked)), c.expected) << c.what;
        EXPECT_EQ(asked.made, c.made) << c.what;
    }
}

// ---- real folders ----

TEST(OptionsFolder, RealModesDecideAndThePerUserFolderIsCreated) {
    enum class File { None, Writable, ReadOnly };
    struct Case {
        const char* what;
        fs::perms programMode;
        File file;
        bool installed;
        bool expectUser;
    };
    const std::vector<Case> cases = {
        {"writable folder", fs::perms::all, File::None, false, false},
        {"writable folder and file", fs::perms::all, File::Writable, false, false},
        {"read-only file", fs::perms::all, File::ReadOnly, false, true},
        {"read-only folder",
         fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec, File::None,
         false, true},
        {"installed in a writable folder", fs::perms::all, File::Writable, true, true},
    };
    for (const Case& c : cases) {
        TempFolder root;
        const fs::path program = root.path() / "game";
        const fs::path user = root.path() / "home" / ".config" / "Tessaro";
        fs::create_directory(program);
        if (c.file != File::None) {
            std::ofstream(program / kOptionsFileName) << "0123456789";
            fs::permissions(program / kOptionsFileName,
                            c.file == File::ReadOnly ? fs::perms::owner_read | fs::perms::others_read : fs::perms::all);
        }
        fs::permissions(program, c.programMode);

        OptionsFolderSystem system = RealOptionsFolderSystem();
        system.userConfigFolder = [&] { return user; };
        fs::path chosen;
        {
            AsUnprivileged drop;
            ASSERT_TRUE(drop.ok());
            chosen = OptionsFolder(program, c.installed, system);
        }
        EXPECT_EQ(chosen, c.expectUser ? user : program) << c.what;
        EXPECT_EQ(fs::is_directory(user), c.expectUser) << c.what;
    }
}

// The program knows it is installed when it runs from its install folder,
// by whatever path it was reached.
TEST(OptionsFolder, InstalledOnlyInTheInstallFolder) {
    TempFolder root;
    const fs::path games = root.path() / "usr" / "games";
    fs::create_directories(games);
    fs::create_directory(root.path() / "copy");
    fs::create_directory_symlink(root.path() / "usr", root.path() / "link");
    const InstallFolders install{games, root.path() / "usr" / "share" / "games" / "tessaro"};
    struct Case {
        fs::path programFolder;
        InstallFolders install;
        bool expected;
    };
    const std::vector<Case> cases = {
        {games, install, true},
        {games / ".", install, true},
        {root.path() / "link" / "games", install, true},
        {root.path() / "usr" / ".." / "usr" / "games", install, true},
        {root.path() / "copy", install, false},
        {root.path() / "usr", install, false},
        {games, {root.path() / "missing", install.data}, false},
        {root.path() / "missing", {root.path() / "missing", install.data}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsInstalled(c.programFolder, c.install), c.expected) << c.programFolder << " " << c.install.program;

    // The build names absolute install folders.
    EXPECT_TRUE(BuiltInstallFolders().program.is_absolute());
    EXPECT_TRUE(BuiltInstallFolders().data.is_absolute());
}

// The click sound of an installed game lies in its data folder, never beside
// the program (nothing of the game's lies in /usr/games but the program); a
// game run from anywhere else has it beside the program, also when an
// installed copy exists.
TEST(OptionsFolder, TheClickSoundLiesInTheDataFolderOnlyWhenInstalled) {
    TempFolder root;
    const fs::path games = root.path() / "usr" / "games";
    const fs::path data = root.path() / "usr" / "share" / "games" / "tessaro";
    const fs::path build = root.path() / "build";
    for (const fs::path& folder : {games, data, build}) fs::create_directories(folder);
    fs::create_directory_symlink(root.path() / "usr", root.path() / "link");
    const InstallFolders install{games, data};
    struct Case {
        fs::path programFolder;
        fs::path expected;
    };
    const std::vector<Case> cases = {
        {games, data},
        {root.path() / "link" / "games", data},
        {build, build},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClickSoundFolder(c.programFolder, IsInstalled(c.programFolder, install), install), c.expected)
            << c.programFolder;
}

}  // namespace
}  // namespace tessaro
