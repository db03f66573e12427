// The records: how a won game enters the table, the file's text read and
// written, the data folder, a save that fails or is killed at any step
// without harming the previous file, and two copies of the game sharing
// one file.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <functional>
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

RecordsTable TableOf(const std::string& text) {
    const ParsedRecords parsed = ParseRecords(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.table;
}

// The hidden name of a save's temporary file.
bool IsTemporary(const std::string& name) {
    return name.size() == std::string(".records.txt.XXXXXX").size() && name.starts_with(".records.txt.");
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

// Each best keeps the number of the game that set it: a record set from a
// typed number is a win like any other.
TEST(RecordsTable, EachBestKeepsTheSeedOfTheGameThatSetIt) {
    const RecordKey key{3, 10};
    struct Case {
        const char* what;
        WonGame game;
        RecordBest best;
    };
    // The table holds 3 x 3 / 10 at 80 s by game 7 and 40 clicks by game 8.
    const std::vector<Case> cases = {
        {"new entry: both from the one game", {{3, 5}, 99, 99, 4}, {99, 99, 4, 4}},
        {"faster only", {key, 70, 50, 9}, {70, 40, 9, 8}},
        {"fewer clicks only", {key, 90, 30, 9}, {80, 30, 7, 9}},
        {"both better", {key, 10, 10, 9}, {10, 10, 9, 9}},
        {"a tie keeps the game that set it first", {key, 80, 40, 9}, {80, 40, 7, 8}},
        {"a win without a number leaves the best without one", {key, 70, 30}, {70, 30, std::nullopt, std::nullopt}},
    };
    for (const auto& c : cases) {
        RecordsTable table;
        table.entries[key] = {80, 40, 7, 8};
        MergeWin(table, c.game);
        EXPECT_EQ(table.entries[c.game.key], c.best) << c.what;
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

// With the games' seeds the file is version 2, each best followed by its
// seed or "-"; a table without any seed stays version 1, which every copy
// of the game reads, and version 1 files read as they always did.
TEST(RecordsText, SeedsMakeVersionTwoAndVersionOneStillReads) {
    RecordsTable table;
    table.entries[{3, 10}] = {83, 41, 4093127, 4093127};
    table.entries[{3, 40}] = {620, 215, std::nullopt, 1800266};
    table.entries[{10, 9999}] = {INT32_MAX, INT32_MAX, 0, INT32_MAX};
    table.entries[{10, 5}] = {0, 1};
    table.last = RecordKey{3, 40};
    const std::string text =
        "Tessaro records 2\n3 10 83 41 4093127 4093127\n3 40 620 215 - 1800266 last\n10 5 0 1 - -\n"
        "10 9999 2147483647 2147483647 0 2147483647\n";
    EXPECT_EQ(FormatRecords(table), text);
    EXPECT_EQ(ParseRecords(text).table, table);

    // The sample of version 1 reads without seeds, and is written as it was.
    const ParsedRecords old = ParseRecords(kSample);
    ASSERT_TRUE(old.ok());
    for (const auto& [key, best] : old.table.entries) EXPECT_FALSE(best.secondsSeed || best.clicksSeed);
    EXPECT_EQ(FormatRecords(old.table), kSample);
    // A version 2 file without any seed reads as the same table.
    EXPECT_EQ(ParseRecords("Tessaro records 2\n3 10 83 41 - -\n3 40 620 215 - - last\n10 5 0 1 - -\n").table,
              old.table);
    // Once one game's number joins it, every entry gets its fields.
    RecordsTable merged = old.table;
    MergeWin(merged, {{3, 10}, 90, 30, 5});
    EXPECT_EQ(FormatRecords(merged), "Tessaro records 2\n3 10 83 30 - 5 last\n3 40 620 215 - -\n10 5 0 1 - -\n");
}

TEST(RecordsText, RefusesAnythingButAWholeWellFormedFile) {
    using E = RecordsTextError;
    const std::string h = "Tessaro records 1\n";
    const std::string h2 = "Tessaro records 2\n";
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
        {"Tessaro records 3\n3 10 83 41 fastest\n", E::NewerVersion, 0},
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
        // Seeds belong to version 2 only, and there in both fields.
        {h + "3 10 83 41 5 5\n", E::BadLine, 2},
        {h + "3 10 83 41 - -\n", E::BadLine, 2},
        {h2 + "3 10 83 41\n", E::BadLine, 2},
        {h2 + "3 10 83 41 5\n", E::BadLine, 2},
        {h2 + "3 10 83 41 5 5 5\n", E::BadLine, 2},
        {h2 + "3 10 83 41 5 - 5 last\n", E::BadLine, 2},
        {h2 + "3 10 83 41 05 5\n", E::BadLine, 2},
        {h2 + "3 10 83 41 +5 5\n", E::BadLine, 2},
        {h2 + "3 10 83 41 -5 5\n", E::BadLine, 2},
        {h2 + "3 10 83 41 -- -\n", E::BadLine, 2},
        {h2 + "3 10 83 41 2147483648 5\n", E::BadLine, 2},
        {h2 + "3 10 83 41 5 5 Last\n", E::BadLine, 2},
        {h2 + "3 10 83 41 5  5\n", E::BadLine, 2},
        {h2 + "3 10 83 41 last 5 5\n", E::BadLine, 2},
        {h2 + "3 10 83 41 5 5\n3 10 83 41 - -\n", E::DuplicateEntry, 3},
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
    const RecordsSave saved = SaveRecordsFile(folder, {{{3, 10}, 83, 41}});
    ASSERT_TRUE(saved.ok);
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(ReadAll(folder / kRecordsFileName), "Tessaro records 1\n3 10 83 41 last\n");
    EXPECT_EQ(Names(folder), (std::set<std::string>{kRecordsFileName, kRecordsLockName}));
}

TEST(RecordsFile, FailedOrCrashedSaveLeavesThePreviousFileWhole) {
    std::vector<WonGame> newer;
    for (std::int32_t d = 1; d <= 400; ++d) newer.push_back({{5, d}, d, d});  // several kilobytes

    // A full disk halfway through.
    {
        TempFolder dir;
        WriteText(dir.path() / kRecordsFileName, kSample);
        const RecordsSave saved = SaveRecordsFile(dir.path(), newer, HalfThenDiskFull);
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.errorCode, ENOSPC);
        EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), kSample);
        EXPECT_EQ(Names(dir.path()), (std::set<std::string>{kRecordsFileName, kRecordsLockName}))
            << "the temporary file is removed";
    }
    // The program dies halfway through: only a stray temporary file is left.
    {
        TempFolder dir;
        WriteText(dir.path() / kRecordsFileName, kSample);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SaveRecordsFile(dir.path(), newer, [](int fd, std::string_view bytes) {
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
        const RecordsSave saved = SaveRecordsFile(dir.path(), newer);
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

    const RecordsSave saved = SaveRecordsFile(dir.path(), {{{3, 10}, 83, 41}});
    ASSERT_TRUE(saved.ok);
    EXPECT_EQ(saved.setAside, dir.path() / "records-bad-2.txt");
    EXPECT_EQ(ReadAll(dir.path() / "records-bad-2.txt"), broken);
    EXPECT_EQ(ReadAll(dir.path() / "records-bad-1.txt"), "kept from before");
    EXPECT_EQ(ReadAll(dir.path() / kRecordsFileName), FormatRecords(table));
}

// ---------------------------------------------------------------- one file, many saves

TEST(RecordsFile, WinsEnterWhatTheFileHoldsNowAndOnlyAChangeWrites) {
    const std::string h = "Tessaro records 1\n";
    struct Case {
        const char* what;
        std::string before;  // empty: no file
        std::vector<WonGame> wins;
        std::string after;  // empty: still no file
        bool written;
    };
    const std::vector<Case> cases = {
        {"fewer clicks: the mark moves",
         kSample,
         {{{3, 10}, 90, 30}},
         h + "3 10 83 30 last\n3 40 620 215\n10 5 0 1\n",
         true},
        {"beats nothing: the file and its mark stay", kSample, {{{3, 10}, 90, 50}}, kSample, false},
        {"the latest win that changed an entry is marked",
         kSample,
         {{{4, 4}, 9, 9}, {{3, 10}, 999, 999}},
         h + "3 10 83 41\n3 40 620 215\n4 4 9 9 last\n10 5 0 1\n",
         true},
        {"two wins of one entry, the file missing", "", {{{2, 1}, 5, 5}, {{2, 1}, 9, 1}}, h + "2 1 5 1 last\n", true},
        {"no wins, no file", "", {}, "", false},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const fs::path file = dir.path() / kRecordsFileName;
        if (!c.before.empty()) WriteText(file, c.before);
        const RecordsSave saved = SaveRecordsFile(dir.path(), c.wins);
        EXPECT_TRUE(saved.ok) << c.what;
        EXPECT_EQ(saved.written, c.written) << c.what;
        EXPECT_EQ(fs::exists(file) ? ReadAll(file) : "", c.after) << c.what;
        if (!c.after.empty()) {
            EXPECT_EQ(saved.table, TableOf(c.after)) << c.what;
        }
    }
}

TEST(RecordsFile, TheLockIsHeldFromTheReadingUntilTheNewFileHasTheName) {
    TempFolder dir;
    WriteText(dir.path() / kRecordsFileName, "not records\n");  // so that every step is taken
    const fs::path lockFile = dir.path() / kRecordsLockName;
    auto lockedElsewhere = [&] {
        const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
        const bool locked = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        if (fd >= 0) ::close(fd);
        return locked;
    };
    std::vector<RecordsSaveStep> seen;
    const RecordsSave saved = SaveRecordsFile(dir.path(), {{{3, 10}, 83, 41}}, WriteAll, [&](RecordsSaveStep step) {
        seen.push_back(step);
        EXPECT_TRUE(lockedElsewhere()) << "step " << static_cast<int>(step);
    });
    ASSERT_TRUE(saved.ok);
    using S = RecordsSaveStep;
    EXPECT_EQ(seen, (std::vector{S::Locked, S::TemporariesRemoved, S::Read, S::Created, S::Written, S::SetAside,
                                 S::Replaced}));
    EXPECT_FALSE(lockedElsewhere()) << "released when the save is over";
}

TEST(RecordsFile, ASaveRemovesOnlyTheTemporaryFilesThatKilledSavesLeft) {
    TempFolder dir;
    const std::vector<std::string> stay = {".records.txt.a1B2c",   ".records.txt.a1B2c3d", ".records.txt.a1-2c3",
                                           "records.txt.a1B2c3",   ".other.txt.a1B2c3",    "notes.txt",
                                           ".records.txt.a1B2c3~", "records-bad-1.txt"};
    for (const std::string& name : stay) WriteText(dir.path() / name, "mine");
    WriteText(dir.path() / ".records.txt.a1B2c3", "Tessaro records 1\n2 1 5");
    WriteText(dir.path() / ".records.txt.ZZZZZZ", "");
    fs::create_directory(dir.path() / ".records.txt.Zz9Zz9");  // not a file
    fs::create_directory(dir.path() / "sub");
    WriteText(dir.path() / "sub" / ".records.txt.a1B2c3", "another folder's");

    ASSERT_TRUE(SaveRecordsFile(dir.path(), {{{3, 10}, 83, 41}}).ok);
    std::set<std::string> expected(stay.begin(), stay.end());
    expected.insert({kRecordsFileName, kRecordsLockName, ".records.txt.Zz9Zz9", "sub"});
    EXPECT_EQ(Names(dir.path()), expected);
    EXPECT_TRUE(fs::exists(dir.path() / "sub" / ".records.txt.a1B2c3"));
}

// A save killed after each of its steps, over a whole file and over one
// that cannot be read: records.txt is there at every moment, old or new
// and whole, and the next save leaves nothing behind but the kept file.
TEST(RecordsFile, KilledAtAnyStepASaveLeavesOneWholeFileAndTheNextSaveTidiesUp) {
    using S = RecordsSaveStep;
    const std::string corrupt = "Tessaro records 1\n3 10 8";
    const WonGame first{{2, 1}, 5, 1}, second{{4, 1}, 9, 1};
    for (const std::string& old : {kSample, corrupt}) {
        const bool bad = old == corrupt;
        for (const S step :
             {S::Locked, S::TemporariesRemoved, S::Read, S::Created, S::Written, S::SetAside, S::Replaced}) {
            if (step == S::SetAside && !bad) continue;  // a whole file is never set aside
            const std::string what = (bad ? "unreadable, killed at step " : "whole, killed at step ") +
                                     std::to_string(static_cast<int>(step));
            TempFolder dir;
            const fs::path file = dir.path() / kRecordsFileName;
            WriteText(file, old);
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                SaveRecordsFile(dir.path(), {first}, WriteAll, [step](S done) {
                    if (done == step) ::raise(SIGKILL);
                });
                ::_exit(0);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << what;

            RecordsTable withFirst = bad ? RecordsTable{} : TableOf(old);
            MergeWin(withFirst, first);
            const bool replaced = step == S::Replaced;
            EXPECT_EQ(ReadAll(file), replaced ? FormatRecords(withFirst) : old) << what;
            std::set<std::string> kept = {kRecordsFileName, kRecordsLockName};
            if (bad && step >= S::SetAside) kept.insert("records-bad-1.txt");
            std::set<std::string> strays;
            for (const std::string& name : Names(dir.path()))
                if (!kept.contains(name)) strays.insert(name);
            const bool temporary = step >= S::Created && !replaced;
            EXPECT_EQ(strays.size(), temporary ? 1u : 0u) << what;
            for (const std::string& name : strays) EXPECT_TRUE(IsTemporary(name)) << what << ": " << name;

            const RecordsSave next = SaveRecordsFile(dir.path(), {second});
            ASSERT_TRUE(next.ok) << what;
            RecordsTable expected = replaced ? withFirst : bad ? RecordsTable{} : TableOf(old);
            MergeWin(expected, second);
            EXPECT_EQ(TableOf(ReadAll(file)), expected) << what;
            kept = {kRecordsFileName, kRecordsLockName};
            if (bad) kept.insert("records-bad-1.txt");
            EXPECT_EQ(Names(dir.path()), kept) << what;
            if (bad) {
                EXPECT_EQ(ReadAll(dir.path() / "records-bad-1.txt"), corrupt) << what;
            }
        }
    }
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

TEST(RecordsStore, OnceTheBadFileIsKeptLaterSavesLeaveTheNewFileInPlace) {
    TempFolder dir;
    const fs::path file = dir.path() / kRecordsFileName;
    WriteText(file, "not records\n");
    RecordsStore store(dir.path());
    store.Table();
    EXPECT_NE(store.TakeMessage(), "");
    EXPECT_EQ(store.StatusLine(), "読めなかった記録ファイルはそのまま残しています: " + file.string());

    store.AddWin({{3, 10}, 83, 41});
    EXPECT_EQ(store.StatusLine(), "記録ファイル: " + file.string());
    store.AddWin({{3, 10}, 80, 50});
    store.AddWin({{4, 10}, 90, 60});
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{kRecordsFileName, kRecordsLockName, "records-bad-1.txt"}));
    EXPECT_EQ(ReadAll(dir.path() / "records-bad-1.txt"), "not records\n");
    EXPECT_EQ(ReadAll(file), "Tessaro records 1\n3 10 80 41\n4 10 90 60 last\n");
    EXPECT_EQ(store.TakeMessage(), "");
    EXPECT_EQ(store.StatusLine(), "記録ファイル: " + file.string());
}

TEST(RecordsStore, AFileMendedWhileTheGameRunsIsReadAgainAndNeverSetAside) {
    TempFolder dir;
    const fs::path file = dir.path() / kRecordsFileName;
    WriteText(file, "garbage");
    RecordsStore store(dir.path());
    EXPECT_TRUE(store.Table().entries.empty());
    EXPECT_NE(store.TakeMessage().find("記録ファイルを読めませんでした"), std::string::npos);

    WriteText(file, kSample);  // the player puts the good file back
    EXPECT_EQ(store.Table(), TableOf(kSample));
    EXPECT_EQ(store.TakeMessage(), "");
    EXPECT_EQ(store.StatusLine(), "記録ファイル: " + file.string());
    store.AddWin({{4, 4}, 9, 9});
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{kRecordsFileName, kRecordsLockName}));
    EXPECT_EQ(ReadAll(file), "Tessaro records 1\n3 10 83 41\n3 40 620 215\n4 4 9 9 last\n10 5 0 1\n");

    // Broken once more: a new problem, told again.
    WriteText(file, "garbage");
    EXPECT_TRUE(store.Table().entries.empty());
    EXPECT_NE(store.TakeMessage(), "");
}

TEST(RecordsStore, AFolderOrOtherNonFileNamedLikeTheRecordsIsSetAsideForItsTrueReason) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        std::string reason;
        fs::file_type kept;
    };
    const std::vector<Case> cases =
        {
            {"folder",
             [](const fs::path& p) {
        fs::create_directory(p);
        WriteText(p / "notes", "mine");
             },
             "同じ名前のフォルダがあります。", fs::file_type::directory},
            {"pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
             "通常のファイルではありません。", fs::file_type::fifo},
            {"link to a folder",
             [](const fs::path& p) {
        fs::create_directory(p.parent_path() / "elsewhere");
        fs::create_directory_symlink("elsewhere", p);
             },
             "同じ名前のフォルダがあります。", fs::file_type::symlink},
                            };
    for (const auto& c : cases) {
        for (const bool lookedFirst : {true, false}) {
            const std::string what = std::string(c.what) + (lookedFirst ? ", looked at first" : ", won at once");
            TempFolder dir;
            const fs::path file = dir.path() / kRecordsFileName;
            c.make(file);
            RecordsStore store(dir.path());
            if (lookedFirst) {
                EXPECT_TRUE(store.Table().entries.empty()) << what;
                const std::string message = store.TakeMessage();
                EXPECT_NE(message.find(c.reason), std::string::npos) << what << ": " << message;
            }
            store.AddWin({{3, 10}, 83, 41});
            const std::string message = store.TakeMessage();
            if (lookedFirst) {
                EXPECT_EQ(message, "") << what;
            } else {
                EXPECT_NE(message.find(c.reason), std::string::npos) << what << ": " << message;
                EXPECT_NE(message.find("「records-bad-1.txt」として"), std::string::npos) << what << ": " << message;
            }
            EXPECT_EQ(fs::symlink_status(dir.path() / "records-bad-1.txt").type(), c.kept) << what;
            EXPECT_EQ(fs::symlink_status(file).type(), fs::file_type::regular) << what;
            EXPECT_EQ(ReadAll(file), "Tessaro records 1\n3 10 83 41 last\n") << what;
            EXPECT_EQ(store.StatusLine(), "記録ファイル: " + file.string()) << what;
            if (c.kept == fs::file_type::directory) {
                EXPECT_EQ(ReadAll(dir.path() / "records-bad-1.txt" / "notes"), "mine") << what;
            }
        }
    }
}

// Two copies of the game on one folder, each with its own store: whatever
// the order of their lookings and wins, and whatever saves failed, every
// win ends up in the file, and each copy sees the other's.
TEST(RecordsStore, TwoCopiesOnOneFolderLoseNoWinInAnyOrder) {
    enum What { Look, Win, WinDiskFull };
    struct Act {
        int copy;
        What what;
        WonGame game = {};
    };
    const std::string h = "Tessaro records 1\n";
    struct Case {
        const char* what;
        std::string before;
        std::vector<Act> acts;
        std::string after;
        bool keptBad = false;
    };
    const WonGame a{{2, 1}, 5, 1}, b{{3, 1}, 9, 1}, c{{4, 1}, 7, 1};
    const std::vector<Case> cases = {
        {"both look, then each wins",
         "",
         {{0, Look}, {1, Look}, {0, Win, a}, {1, Win, b}},
         h + "2 1 5 1\n3 1 9 1 last\n"},
        {"the other way round", "", {{1, Look}, {0, Look}, {1, Win, b}, {0, Win, a}}, h + "2 1 5 1 last\n3 1 9 1\n"},
        {"one entry, each beats one best",
         "",
         {{0, Look}, {1, Look}, {0, Win, {{3, 10}, 50, 60}}, {1, Win, {{3, 10}, 70, 40}}},
         h + "3 10 50 40 last\n"},
        {"a win that beats nothing in the file changes nothing",
         kSample,
         {{1, Look}, {0, Win, {{3, 10}, 80, 40}}, {1, Win, {{3, 10}, 81, 41}}},
         h + "3 10 80 40 last\n3 40 620 215\n10 5 0 1\n"},
        {"a win whose save failed joins the other copy's at the next save",
         "",
         {{0, Look}, {1, Look}, {0, WinDiskFull, a}, {1, Win, b}, {0, Win, c}},
         h + "2 1 5 1\n3 1 9 1\n4 1 7 1 last\n"},
        {"a win whose save failed keeps its best beside the other copy's",
         "",
         {{0, WinDiskFull, a}, {1, Win, {{2, 1}, 3, 3}}, {0, Win, b}},
         h + "2 1 3 1\n3 1 9 1 last\n"},
        {"each copy's game numbers reach the file with its best",
         "",
         {{0, Look}, {1, Look}, {0, Win, {{3, 10}, 50, 60, 11}}, {1, Win, {{3, 10}, 70, 40, 22}}},
         "Tessaro records 2\n3 10 50 40 11 22 last\n"},
        {"an old file's bests keep no number until a numbered game beats them",
         kSample,
         {{0, Look}, {1, Win, {{3, 10}, 90, 30, 5}}, {0, Win, {{10, 5}, 0, 1, 6}}},
         "Tessaro records 2\n3 10 83 30 - 5 last\n3 40 620 215 - -\n10 5 0 1 - -\n"},
        {"a bad file the other copy set aside is not set aside again",
         "not records\n",
         {{0, Look}, {1, Look}, {1, Win, a}, {0, Win, b}},
         h + "2 1 5 1\n3 1 9 1 last\n",
         true},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const fs::path file = dir.path() / kRecordsFileName;
        if (!c.before.empty()) WriteText(file, c.before);
        bool diskFull[2] = {false, false};
        auto writer = [&](int copy) {
            return [&diskFull, copy](int fd, std::string_view bytes) {
                return diskFull[copy] ? HalfThenDiskFull(fd, bytes) : WriteAll(fd, bytes);
            };
        };
        RecordsStore copies[2] = {RecordsStore(dir.path(), writer(0)), RecordsStore(dir.path(), writer(1))};
        for (const Act& act : c.acts) {
            RecordsStore& store = copies[act.copy];
            if (act.what == Look) {
                store.Table();
                continue;
            }
            diskFull[act.copy] = act.what == WinDiskFull;
            store.AddWin(act.game);
            diskFull[act.copy] = false;
        }
        EXPECT_EQ(ReadAll(file), c.after) << c.what;
        for (RecordsStore& store : copies) EXPECT_EQ(store.Table(), TableOf(c.after)) << c.what;
        std::set<std::string> names = {kRecordsFileName, kRecordsLockName};
        if (c.keptBad) names.insert("records-bad-1.txt");
        EXPECT_EQ(Names(dir.path()), names) << c.what;
    }
}

// Two real processes saving at the same time, again and again: the lock
// lets one at a time read and replace the file, so no win is lost.
TEST(RecordsStore, TwoProcessesSavingAtOnceKeepEveryWin) {
    constexpr std::int32_t kWins = 40;
    TempFolder dir;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    pid_t children[2] = {};
    for (std::int32_t copy = 0; copy < 2; ++copy) {
        children[copy] = ::fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0) {
            ::close(start[1]);
            char go = 0;
            (void)!::read(start[0], &go, 1);  // both set off when the pipe closes
            RecordsStore store(dir.path());
            for (std::int32_t d = 1; d <= kWins; ++d) store.AddWin({{2 + copy, d}, d, d});
            ::_exit(store.TakeMessage().empty() ? 0 : 1);
        }
    }
    ::close(start[0]);
    ::close(start[1]);
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    const RecordsTable table = TableOf(ReadAll(dir.path() / kRecordsFileName));
    EXPECT_EQ(table.entries.size(), static_cast<std::size_t>(2 * kWins));
    for (std::int32_t copy = 0; copy < 2; ++copy)
        for (std::int32_t d = 1; d <= kWins; ++d) {
            const auto entry = table.entries.find({2 + copy, d});
            EXPECT_TRUE(entry != table.entries.end() && entry->second == (RecordBest{d, d}))
                << "the win of copy " << copy << " with " << d << " moves";
        }
    EXPECT_EQ(Names(dir.path()), (std::set<std::string>{kRecordsFileName, kRecordsLockName}));
}

}  // namespace
}  // namespace tessaro
