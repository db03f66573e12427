// The records: how a won game enters the table, the file's text read and
// written, the data folder, and a save that fails or crashes halfway without
// harming the previous file.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "records/records_file.h"
#include "records/records_store.h"
#include "records/records_table.h"
#include "records/records_text.h"
#include "temp_folder.h"

namespace tessaro {
namespace {

using testing::AsUnprivileged;
using testing::TempFolder;
namespace fs = std::filesystem;
using namespace std::string_literals;

const std::string kSample = "Tessaro records 1\n3 10 83 41\n3 40 620 215 last\n10 5 0 1\n";

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteText(const fs::path& p, const std::string& text) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << text;
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// Writes the first half of the bytes, then fails as a full disk does.
bool HalfThenDiskFull(int fd, std::string_view bytes) {
    (void)WriteAll(fd, bytes.substr(0, bytes.size() / 2));
    errno = ENOSPC;
    return false;
}

// ---------------------------------------------------------------- table

TEST(RecordsTable, KeepsTheLowerTimeAndTheLowerClicksEachOnItsOwn) {
    const RecordKey key{3, 10};
    const RecordKey other{4, 10};
    struct Case {
        const char* what;
        WonGame game;
        RecordBest best;
        bool changed;
        std::optional<RecordKey> last;
    };
    // The table holds 3 x 3 / 10 at 80 s and 40 clicks, last set by 4 x 4 / 10.
    const std::vector<Case> cases = {
        {"new entry", {{3, 5}, 99, 99}, {80, 40}, true, RecordKey{3, 5}},
        {"faster only", {key, 70, 50}, {70, 40}, true, key},
        {"fewer clicks only", {key, 90, 30}, {80, 30}, true, key},
        {"both better", {key, 10, 10}, {10, 10}, true, key},
        {"equal is no record", {key, 80, 40}, {80, 40}, false, other},
        {"worse in both", {key, 81, 41}, {80, 40}, false, other},
    };
    for (const auto& c : cases) {
        RecordsTable table;
        table.entries[key] = {80, 40};
        table.entries[other] = {200, 60};
        table.last = other;
        EXPECT_EQ(MergeWin(table, c.game), c.changed) << c.what;
        if (c.game.key == key) {
            EXPECT_EQ(table.entries[key], c.best) << c.what;
        }
        EXPECT_EQ(table.last, c.last) << c.what;
        EXPECT_EQ(table.entries[other], (RecordBest{200, 60})) << c.what << ": other entries stay";
    }
}

// ---------------------------------------------------------------- text

TEST(RecordsText, WritesTheHeaderThenOneSortedLinePerEntryAndReadsItBack) {
    RecordsTable table;
    table.entries[{10, 5}] = {0, 1};
    table.entries[{3, 40}] = {620, 215};
    table.entries[{3, 10}] = {83, 41};
    table.last = RecordKey{3, 40};
    EXPECT_EQ(FormatRecords(table), kSample);

    const ParsedRecords parsed = ParseRecords(kSample);
    ASSERT_TRUE(parsed.ok());
    EXPECT_EQ(parsed.table, table);

    // The extremes of every number, and a table with no mark or no entry.
    RecordsTable extremes;
    extremes.entries[{2, 1}] = {0, 1};
    extremes.entries[{10, 9999}] = {INT32_MAX, INT32_MAX};
    for (const RecordsTable& t : {extremes, RecordsTable{}}) {
        const ParsedRecords again = ParseRecords(FormatRecords(t));
        ASSERT_TRUE(again.ok()) << FormatRecords(t);
        EXPECT_EQ(again.table, t);
    }
    EXPECT_EQ(FormatRecords(RecordsTable{}), "Tessaro records 1\n");
}

TEST(RecordsText, RefusesAnythingButAWholeWellFormedFile) {
    using E = RecordsTextError;
    const std::string h = "Tessaro records 1\n";
    struct Case {
        std::string text;
        RecordsTextError error;
        int line;
    };
    const std::vector<Case> cases = {
        {"", E::NotRecords, 0},
        {"tessaro records 1\n", E::NotRecords, 0},
        {"Tessaro records 0\n", E::NotRecords, 0},
        {"Tessaro records 01\n", E::NotRecords, 0},
        {"Tessaro records 1 \n", E::NotRecords, 0},
        {"Tessaro records 1\r\n3 10 83 41\r\n", E::NotRecords, 0},
        {"\xEF\xBB\xBFTessaro records 1\n", E::NotRecords, 0},
        {"\x89PNG\r\n\x1a\n", E::NotRecords, 0},
        {"Tessaro records 2\n3 10 83 41 fastest\n", E::NewerVersion, 0},
        {"Tessaro records 1", E::Unfinished, 0},
        {h + "3 10 83 41", E::Unfinished, 0},
        {h + "\n", E::BadLine, 2},
        {h + "3 10 83 41\n\n", E::BadLine, 3},
        {h + "3 10 83\n", E::BadLine, 2},
        {h + "3 10 83 41 7\n", E::BadLine, 2},
        {h + "3 10 83 41 Last\n", E::BadLine, 2},
        {h + "3  10 83 41\n", E::BadLine, 2},
        {h + "3 10 83 41 \n", E::BadLine, 2},
        {h + "3\t10 83 41\n", E::BadLine, 2},
        {h + "3 10 +83 41\n", E::BadLine, 2},
        {h + "3 010 83 41\n", E::BadLine, 2},
        {h + "3 10 8.3 41\n", E::BadLine, 2},
        {h + "3 10 2147483648 41\n", E::BadLine, 2},
        {h + "1 10 83 41\n", E::BadLine, 2},
        {h + "3 0 83 41\n", E::BadLine, 2},
        {h + "3 10000 83 41\n", E::BadLine, 2},
        {h + "3 10 83 0\n", E::BadLine, 2},
        {h + "3 10 83 41\0\n"s, E::BadLine, 2},
        {h + "3 10 83 41 last\n4 10 83 41 last\n", E::BadLine, 3},
        {h + "3 10 83 41\n4 5 1 1\n3 10 90 30\n", E::DuplicateEntry, 4},
        {h + std::string(kMaxRecordsTextSize, '#'), E::TooLarge, 0},
    };
    for (const auto& c : cases) {
        const ParsedRecords parsed = ParseRecords(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        EXPECT_EQ(parsed.line, c.line) << c.text;
        EXPECT_TRUE(parsed.table.entries.empty() && !parsed.table.last) << "nothing half read: " << c.text;
        EXPECT_FALSE(RecordsTextErrorReason(parsed).empty()) << c.text;
    }
    EXPECT_EQ(RecordsTextErrorReason(ParseRecords(h + "3 10 83\n")), "2行目が記録として読めません。");
}

// ---------------------------------------------------------------- folder

TEST(RecordsFolder, DataHomeThenHomeAbsolutePathsOnly) {
    struct Case {
        std::map<std::string, std::string> env;
        fs::path folder;
    };
    const std::vector<Case> cases = {
        {{{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/p"}}, "/data/Tessaro"},
        {{{"HOME", "/home/p"}}, "/home/p/.local/share/Tessaro"},
        {{{"XDG_DATA_HOME", ""}, {"HOME", "/home/p"}}, "/home/p/.local/share/Tessaro"},
        {{{"XDG_DATA_HOME", "data"}, {"HOME", "/home/p"}}, "/home/p/.local/share/Tessaro"},
        {{{"XDG_DATA_HOME", "/data"}}, "/data/Tessaro"},
        {{{"HOME", ""}}, ""},
        {{{"HOME", "home/p"}}, ""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        const auto lookup = [&](const char* name) -> const char* {
            const auto found = c.env.find(name);
            return found == c.env.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(RecordsFolder(lookup, "Tessaro"), c.folder);
    }
}

// ---------------------------------------------------------------- file

TEST(RecordsFile, LoadsTellMissingFromUnreadableFromCorrupt) {
    TempFolder dir;
    const fs::path file = dir.path() / kRecordsFileName;
    EXPECT_EQ(LoadRecordsFile(file).status, RecordsFileStatus::Missing);
    EXPECT_EQ(LoadRecordsFile(dir.path() / "no-folder" / kRecordsFileName).status, RecordsFileStatus::Missing);

    WriteText(file, kSample);
    const RecordsLoad loaded = LoadRecordsFile(file);
    ASSERT_EQ(loaded.status, RecordsFileStatus::Loaded);
    EXPECT_EQ(loaded.parsed.table.entries.size(), 3u);

    WriteText(file, "Tessaro records 1\n3 10 83");
    EXPECT_EQ(LoadRecordsFile(file).status, RecordsFileStatus::Corrupt);

    fs::remove(file);
    fs::create_directory(file);
    const RecordsLoad folder = LoadRecordsFile(file);
    EXPECT_EQ(folder.status, RecordsFileStatus::Unreadable);
    EXPECT_EQ(folder.errorCode, EISDIR);
    fs::remove(file);

    WriteText(file, kSample);
    fs::permissions(file, fs::perms::none);
    AsUnprivileged drop;
    ASSERT_TRUE(drop.ok());
    const RecordsLoad locked = LoadRecordsFile(file);
    EXPECT_EQ(locked.status, RecordsFileStatus::Unreadable);
    EXPECT_EQ(locked.errorCode, EACCES);
}

TEST(RecordsFile, SaveMakesTheFolderAndLeavesOnlyTheFile) {
    TempFolder dir;
    const fs::path folder = dir.path() / "share" / "Tessaro";
    RecordsTable table;
    MergeWin(table, {{3, 10}, 83, 41});
    ASSERT_TRUE(SaveRecordsFile(folder, table, false).ok);
    EXPECT_EQ(ReadAll(folder / kRecordsFileName), "Tessaro records 1\n3 10 83 41 last\n");
    EXPECT_EQ(Names(folder), std::set<std::string>{kRecordsFileName});
}

TEST(RecordsFile, FailedOrCrashedSaveLeavesThePreviousFileWhole) {
    RecordsTable newer;
    for (std::int32_t d = 1; d <= 400; ++d) MergeWin(newer, {{5, d}, d, d});  // several kilobytes

    // A full disk halfway through.
    {
        TempFolder dir;
        WriteText(dir.path() / kRecordsFileName, kSample);
        const RecordsSave saved = SaveRecordsFile(dir.path(), newer, false, HalfThenDiskFull);
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.errorCode, ENOSPC);
        EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), kSample);
        EXPECT_EQ(Names(dir.path()), std::set<std::string>{kRecordsFileName}) << "the temporary file is removed";
    }
    // The program dies halfway through: only a stray temporary file is left.
    {
        TempFolder dir;
        WriteText(dir.path() / kRecordsFileName, kSample);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SaveRecordsFile(dir.path(), newer, false, [](int fd, std::string_view bytes) {
                (void)WriteAll(fd, bytes.substr(0, bytes.size() / 2));
                ::_exit(3);
                return true;
            });
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << "the child died inside its write";
        EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), kSample);
        const RecordsLoad after = LoadRecordsFile(dir.path() / kRecordsFileName);
        EXPECT_EQ(after.status, RecordsFileStatus::Loaded);
    }
    // A folder the player cannot write.
    {
        TempFolder dir;
        WriteText(dir.path() / kRecordsFileName, kSample);
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
        AsUnprivileged drop;
        ASSERT_TRUE(drop.ok());
        const RecordsSave saved = SaveRecordsFile(dir.path(), newer, true);
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.errorCode, EACCES);
        EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), kSample);
        EXPECT_EQ(Names(dir.path()), std::set<std::string>{kRecordsFileName});
    }
}

TEST(RecordsFile, UnreadableFileIsSetAsideUnderAFreeNameBeforeTheNewOne) {
    TempFolder dir;
    const std::string broken = "Tessaro records 1\n3 10 8";
    WriteText(dir.path() / kRecordsFileName, broken);
    WriteText(dir.path() / "records-bad-1.txt", "kept from before");
    RecordsTable table;
    MergeWin(table, {{3, 10}, 83, 41});

    const RecordsSave saved = SaveRecordsFile(dir.path(), table, true);
    ASSERT_TRUE(saved.ok);
    EXPECT_EQ(saved.setAside, dir.path() / "records-bad-2.txt");
    EXPECT_EQ(ReadAll(dir.path() / "records-bad-2.txt"), broken);
    EXPECT_EQ(ReadAll(dir.path() / "records-bad-1.txt"), "kept from before");
    EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), FormatRecords(table));
}

// ---------------------------------------------------------------- store

TEST(RecordsStore, CorruptFileIsToldOnceAndKeptAsideAtTheFirstSave) {
    TempFolder dir;
    WriteText(dir.path() / kRecordsFileName, "not records\n");
    RecordsStore store(dir.path());
    EXPECT_TRUE(store.Table().entries.empty());
    const std::string message = store.TakeMessage();
    EXPECT_NE(message.find("記録ファイルを読めませんでした"), std::string::npos);
    EXPECT_NE(message.find("形式ではありません"), std::string::npos);
    EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), "not records\n") << "untouched until a record is saved";

    store.AddWin({{3, 10}, 83, 41});
    store.AddWin({{3, 10}, 80, 50});
    EXPECT_EQ(store.TakeMessage(), "") << "told once, not on every win";
    EXPECT_EQ(ReadAll(dir.path() / "records-bad-1.txt"), "not records\n");
    EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), "Tessaro records 1\n3 10 80 41 last\n");
}

TEST(RecordsStore, FailedSaveIsToldOnceKeptInMemoryAndRetried) {
    TempFolder dir;
    WriteText(dir.path() / kRecordsFileName, kSample);
    bool diskFull = true;
    int writes = 0;
    RecordsStore store(dir.path(), [&](int fd, std::string_view bytes) {
        ++writes;
        return diskFull ? HalfThenDiskFull(fd, bytes) : WriteAll(fd, bytes);
    });
    EXPECT_EQ(store.Table().entries.size(), 3u);
    EXPECT_EQ(store.TakeMessage(), "");

    store.AddWin({{3, 10}, 50, 50});
    const std::string message = store.TakeMessage();
    EXPECT_NE(message.find("保存できませんでした"), std::string::npos);
    EXPECT_NE(message.find("ディスクの空き"), std::string::npos);
    store.AddWin({{4, 4}, 9, 9});
    EXPECT_EQ(store.TakeMessage(), "") << "the same trouble is not told again";
    EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), kSample);
    EXPECT_EQ(store.Table().entries.size(), 4u);

    // No record beaten, but the unsaved ones are tried again.
    diskFull = false;
    store.AddWin({{3, 10}, 999, 999});
    const ParsedRecords saved = ParseRecords(ReadAll(dir.path() / kRecordsFileName));
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.table, store.Table());
    EXPECT_EQ(saved.table.last, (RecordKey{4, 4}));

    // Once saved, a game that beats nothing writes nothing.
    const int before = writes;
    store.AddWin({{3, 10}, 999, 999});
    EXPECT_EQ(writes, before);
}

TEST(RecordsStore, NoFolderKeepsRecordsForTheRunAndSaysSoOnce) {
    RecordsStore store({});
    EXPECT_TRUE(store.Table().entries.empty());
    EXPECT_NE(store.TakeMessage().find("この実行中だけ"), std::string::npos);
    store.AddWin({{3, 10}, 83, 41});
    EXPECT_EQ(store.TakeMessage(), "");
    EXPECT_EQ(store.Table().entries.at({3, 10}), (RecordBest{83, 41}));
}

}  // namespace
}  // namespace tessaro
