// Files found by their bytes: a program folder whose name is not valid
// UTF-8, the player's configuration folder from the environment.

#include <gtest/gtest.h>

#include <QFile>
#include <fstream>
#include <map>
#include <string>

#include "temp_folder.h"
#include "ui/file_names.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

TEST(FileNames, ConfigFolderComesFromAbsolutePathsOnly) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> environment;
        fs::path expected;
    };
    const std::vector<Case> cases = {
        {"XDG_CONFIG_HOME first", {{"XDG_CONFIG_HOME", "/x/config"}, {"HOME", "/home/p"}}, "/x/config/Tessaro"},
        {"no XDG_CONFIG_HOME", {{"HOME", "/home/p"}}, "/home/p/.config/Tessaro"},
        {"an empty one is not set", {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/p"}}, "/home/p/.config/Tessaro"},
        {"a relative one is ignored", {{"XDG_CONFIG_HOME", "conf"}, {"HOME", "/home/p"}}, "/home/p/.config/Tessaro"},
        {"no HOME either", {{"XDG_CONFIG_HOME", "conf"}}, ""},
        {"nor a relative HOME", {{"HOME", "p"}}, ""},
        {"nothing", {}, ""},
    };
    for (const Case& c : cases) {
        const auto environment = [&](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(UserConfigFolder(environment, "Tessaro"), c.expected) << c.what;
    }
}

TEST(FileNames, TheProgramsFolderHoldsTheTest) { EXPECT_TRUE(fs::exists(ProgramFolder() / "ui_file_names_test")); }

TEST(FileNames, AFileInAFolderNamedInLatin1CanBeOpenedByQt) {
    testing::TempFolder root;
    for (const std::string folder : {"plain", "caf\xE9", "caf\xC3\xA9"}) {
        const fs::path file = root.path() / folder / "Click.wav";
        fs::create_directory(file.parent_path());
        std::ofstream(file, std::ios::binary) << "RIFF" << folder;
        const OpenableName name(file);
        QFile opened(name.Name());
        ASSERT_TRUE(opened.open(QIODevice::ReadOnly)) << folder;
        EXPECT_EQ(opened.readAll().toStdString(), "RIFF" + folder);
    }
    EXPECT_TRUE(OpenableName(root.path() / "caf\xE9" / "none.wav").Name().isEmpty());
}

}  // namespace
}  // namespace tessaro
