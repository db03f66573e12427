// The options record and its 10-byte file: byte-exact encoding, short and
// long files, and every way the file can refuse to be read or written. Also
// the reading of typed numbers, and the marked texts of the rooms and their
// language.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include "temp_folder.h"

#include <cerrno>
#include <climits>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "options/marked_text.h"
#include "options/number_text.h"
#include "options/options_file.h"
#include "options/options_record.h"
#include "options/options_store.h"
#include "options/text_language.h"

namespace tessaro {
namespace {

using testing::AsUnprivileged;
using testing::TempFolder;

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

fs::path OptionsFile(const TempFolder& dir) { return dir.path() / kOptionsFileName; }

Bytes ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& p, const Bytes& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

TEST(OptionsRecord, EncodesPackedLittleEndianAndDecodesBack) {
    struct Case {
        OptionsRecord record;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {{5, 5, -1}, {0x05, 0, 0, 0, 0x05, 0, 0, 0, 0xFF, 0xFF}},
        {{10, 40, -1}, {0x0A, 0, 0, 0, 0x28, 0, 0, 0, 0xFF, 0xFF}},
        {{0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {{3, 7, 1}, {0x03, 0, 0, 0, 0x07, 0, 0, 0, 0x01, 0x00}},  // a raw 01 00 goes back as it came
        {{-1, INT_MIN, 0x1234}, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x34, 0x12}},
        {{INT_MAX, 300, -2}, {0xFF, 0xFF, 0xFF, 0x7F, 0x2C, 0x01, 0, 0, 0xFE, 0xFF}},
    };
    for (const auto& c : cases) {
        const OptionsBytes encoded = EncodeOptions(c.record);
        EXPECT_EQ(Bytes(encoded.begin(), encoded.end()), c.bytes);
        EXPECT_EQ(DecodeOptions(c.bytes), c.record);
    }
}

TEST(OptionsRecord, DecodesFilesOfAnyLengthWithMissingBytesAsZero) {
    const Bytes full = {0x0A, 0x01, 0x02, 0x03, 0x28, 0x11, 0x12, 0x13, 0x01, 0x80, 0xEE, 0xEE};
    const std::vector<OptionsRecord> expected = {
        {0, 0, 0},
        {0x0A, 0, 0},
        {0x010A, 0, 0},
        {0x02010A, 0, 0},
        {0x0302010A, 0, 0},
        {0x0302010A, 0x28, 0},
        {0x0302010A, 0x1128, 0},
        {0x0302010A, 0x121128, 0},
        {0x0302010A, 0x13121128, 0},
        {0x0302010A, 0x13121128, 0x01},
        {0x0302010A, 0x13121128, static_cast<std::int16_t>(0x8001)},
        {0x0302010A, 0x13121128, static_cast<std::int16_t>(0x8001)},  // the tail is ignored
        {0x0302010A, 0x13121128, static_cast<std::int16_t>(0x8001)},
    };
    for (std::size_t len = 0; len <= full.size(); ++len)
        EXPECT_EQ(DecodeOptions(std::span(full.data(), len)), expected[len]) << len << " bytes";
}

TEST(OptionsFile, MissingFileIsCreatedEmptyAndLoadsAllZero) {
    TempFolder dir;
    OptionsRecord record{9, 9, -1};
    const FileResult r = LoadOptions(record, dir.path());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(record, OptionsRecord{});
    ASSERT_TRUE(fs::exists(OptionsFile(dir)));
    EXPECT_EQ(fs::file_size(OptionsFile(dir)), 0u);
}

TEST(OptionsFile, SaveWritesTheExactTenBytesAndLoadReadsThemBack) {
    TempFolder dir;
    ASSERT_TRUE(SaveOptions({10, 40, -1}, dir.path()).ok);
    EXPECT_EQ(ReadAll(OptionsFile(dir)), (Bytes{0x0A, 0, 0, 0, 0x28, 0, 0, 0, 0xFF, 0xFF}));
    OptionsRecord back;
    ASSERT_TRUE(LoadOptions(back, dir.path()).ok);
    EXPECT_EQ(back, (OptionsRecord{10, 40, -1}));
}

TEST(OptionsFile, LongerFileKeepsItsTailAndShortFilesLoadPadded) {
    TempFolder dir;
    WriteAll(OptionsFile(dir), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0xAB, 0xCD});
    OptionsRecord record;
    ASSERT_TRUE(LoadOptions(record, dir.path()).ok);
    EXPECT_EQ(record, DecodeOptions(Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    ASSERT_TRUE(SaveOptions({2, 5, 0}, dir.path()).ok);
    EXPECT_EQ(ReadAll(OptionsFile(dir)), (Bytes{2, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0xAB, 0xCD}));

    for (std::size_t len = 1; len <= 9; ++len) {
        const Bytes full = {3, 0, 0, 0, 5, 0, 0, 0, 0xFF, 0xFF};
        WriteAll(OptionsFile(dir), Bytes(full.begin(), full.begin() + static_cast<long>(len)));
        ASSERT_TRUE(LoadOptions(record, dir.path()).ok);
        EXPECT_EQ(record, DecodeOptions(std::span(full.data(), len)));
        EXPECT_EQ(fs::file_size(OptionsFile(dir)), len) << "loading never writes";
    }
}

TEST(OptionsFile, ShowShuffleOneZeroLoadsAsTrueAndIsWrittenBackUnchanged) {
    TempFolder dir;
    WriteAll(OptionsFile(dir), {5, 0, 0, 0, 7, 0, 0, 0, 0x01, 0x00});
    OptionsRecord record;
    ASSERT_TRUE(LoadOptions(record, dir.path()).ok);
    EXPECT_NE(record.ShowShuffle, 0);
    ASSERT_TRUE(SaveOptions(record, dir.path()).ok);
    EXPECT_EQ(ReadAll(OptionsFile(dir)), (Bytes{5, 0, 0, 0, 7, 0, 0, 0, 0x01, 0x00}));
}

TEST(OptionsFile, ReadOnlyFileStillLoadsAndAFailedSaveChangesNothing) {
    TempFolder dir;
    const Bytes stored = {4, 0, 0, 0, 10, 0, 0, 0, 0, 0};
    WriteAll(OptionsFile(dir), stored);
    fs::permissions(OptionsFile(dir), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    AsUnprivileged drop;
    ASSERT_TRUE(drop.ok());

    OptionsRecord record;
    ASSERT_TRUE(LoadOptions(record, dir.path()).ok);
    EXPECT_EQ(record, (OptionsRecord{4, 10, 0}));

    const FileResult saved = SaveOptions({9, 9, -1}, dir.path());
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.errorCode, EACCES);
    EXPECT_EQ(ReadAll(OptionsFile(dir)), stored);
    EXPECT_NE(OptionsFileMessage(saved, true).find("保存できません"), std::string::npos);
}

TEST(OptionsFile, UnwritableFolderWithoutTheFileFailsWithoutTouchingTheRecord) {
    TempFolder dir;
    fs::permissions(dir.path(),
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    AsUnprivileged drop;
    ASSERT_TRUE(drop.ok());
    OptionsRecord record{3, 5, -1};
    const FileResult r = LoadOptions(record, dir.path());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorCode, EACCES) << "the reason is the folder, not the missing file";
    EXPECT_TRUE(r.missing);
    const std::string message = OptionsFileMessage(r, false);
    EXPECT_NE(message.find("ファイルがありません。このフォルダには書き込めないため"), std::string::npos) << message;
    EXPECT_EQ(message.find("権限がありません"), std::string::npos) << message;
    EXPECT_EQ(record, (OptionsRecord{3, 5, -1}));
    EXPECT_FALSE(SaveOptions(record, dir.path()).ok);

    // The player hears of it at the first load, not at every one.
    OptionsStore store(dir.path());
    EXPECT_FALSE(store.Load().told);
    EXPECT_TRUE(store.Load().told);
    EXPECT_TRUE(store.Load().told);
}

TEST(OptionsFile, PathsThatCannotBeOpenedFailCleanly) {
    TempFolder dir;
    WriteAll(dir.path() / "plain", {1});
    fs::create_directory(dir.path() / "dir");
    fs::create_directory(dir.path() / "dir" / kOptionsFileName);
    fs::create_directory(dir.path() / "fifo");
    ASSERT_EQ(::mkfifo((dir.path() / "fifo" / kOptionsFileName).c_str(), 0666), 0);

    struct Case {
        fs::path folder;
        int error;
    };
    const std::vector<Case> cases = {
        {dir.path() / "plain", ENOTDIR},  // the folder is a regular file
        {dir.path() / "missing" / "deeper", ENOENT},
        {dir.path() / "dir", EISDIR},   // a folder where the file should be
        {dir.path() / "fifo", EINVAL},  // a pipe: must not hang the game
        {fs::path(), ENOENT},           // no folder: never the current one
    };
    const fs::path before = fs::current_path();
    fs::current_path(dir.path());
    for (const auto& c : cases) {
        OptionsRecord record{6, 20, -1};
        const FileResult loaded = LoadOptions(record, c.folder);
        EXPECT_FALSE(loaded.ok) << c.folder;
        EXPECT_EQ(loaded.errorCode, c.error) << c.folder;
        EXPECT_EQ(record, (OptionsRecord{6, 20, -1}));
        const FileResult saved = SaveOptions(record, c.folder);
        EXPECT_FALSE(saved.ok) << c.folder;
        EXPECT_FALSE(OptionsFileMessage(loaded, false).empty());
    }
    EXPECT_FALSE(fs::exists(dir.path() / kOptionsFileName));
    fs::current_path(before);
}

TEST(OptionsStore, ChoicesThatCouldNotBeSavedSurviveTheNextLoad) {
    TempFolder dir;
    WriteAll(OptionsFile(dir), {3, 0, 0, 0, 5, 0, 0, 0, 0, 0});
    fs::permissions(OptionsFile(dir), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    OptionsStore store(dir.path());
    {
        AsUnprivileged drop;
        ASSERT_TRUE(drop.ok());
        ASSERT_TRUE(store.Load().ok);
        EXPECT_EQ(store.Record(), (OptionsRecord{3, 5, 0}));
        store.Record() = {8, 20, -1};
        EXPECT_FALSE(store.Save().ok);
        EXPECT_TRUE(store.Load().ok);
        EXPECT_EQ(store.Record(), (OptionsRecord{8, 20, -1})) << "not replaced by the older file";
    }
    // Once the file can be written again, the kept choices reach it.
    fs::permissions(OptionsFile(dir), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(store.Load().ok);
    EXPECT_EQ(ReadAll(OptionsFile(dir)), (Bytes{8, 0, 0, 0, 20, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(store.Record(), (OptionsRecord{8, 20, -1}));
}

// A save changes only the fields it sets, on top of what the file holds at
// that moment; every other byte stays.
TEST(OptionsFile, AChangeSetsOnlyItsFieldsOverWhatTheFileHolds) {
    struct Case {
        const char* what;
        std::optional<Bytes> before;  // none: no file
        OptionsChange change;
        Bytes after;
    };
    const std::vector<Case> cases = {
        {"moves alone", Bytes{7, 0, 0, 0, 20, 0, 0, 0, 0xFF, 0xFF}, {{}, 3, {}}, {7, 0, 0, 0, 3, 0, 0, 0, 0xFF, 0xFF}},
        {"a raw 01 00 stays", Bytes{5, 0, 0, 0, 7, 0, 0, 0, 0x01, 0x00}, {{}, 9, {}}, {5, 0, 0, 0, 9, 0, 0, 0, 1, 0}},
        {"block count and switch, moves kept",
         Bytes{5, 0, 0, 0, 7, 0, 0, 0, 0x01, 0x00},
         {10, {}, -1},
         {10, 0, 0, 0, 7, 0, 0, 0, 0xFF, 0xFF}},
        {"the tail stays",
         Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0xAB, 0xCD},
         {{}, 0x0201, {}},
         {1, 2, 3, 4, 1, 2, 0, 0, 9, 10, 0xAB, 0xCD}},
        {"a short file is made whole", Bytes{4, 0, 0}, {{}, {}, -1}, {4, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF}},
        {"an empty file", Bytes{}, {{}, 3, {}}, {0, 0, 0, 0, 3, 0, 0, 0, 0, 0}},
        {"no file", std::nullopt, {{}, 3, {}}, {0, 0, 0, 0, 3, 0, 0, 0, 0, 0}},
        {"every field", Bytes{1, 0, 0, 0, 1, 0, 0, 0, 1, 0}, {-1, 40, 0}, {0xFF, 0xFF, 0xFF, 0xFF, 40, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        if (c.before) WriteAll(OptionsFile(dir), *c.before);
        OptionsRecord record{99, 99, 99};  // what this copy of the game had: none of it counts
        ASSERT_TRUE(ChangeOptions(record, c.change, dir.path()).ok) << c.what;
        EXPECT_EQ(ReadAll(OptionsFile(dir)), c.after) << c.what;
        EXPECT_EQ(record, DecodeOptions(c.after)) << c.what;
    }
}

TEST(OptionsStore, PracticeBeforeAnyLoadKeepsTheBlockCountAndTheSwitch) {
    TempFolder dir;
    WriteAll(OptionsFile(dir), {7, 0, 0, 0, 20, 0, 0, 0, 0xFF, 0xFF});
    OptionsStore store(dir.path());
    OptionsChange practice;
    practice.Difficulty = 3;
    ASSERT_TRUE(store.Change(practice).ok);
    EXPECT_EQ(ReadAll(OptionsFile(dir)), (Bytes{7, 0, 0, 0, 3, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(store.Record(), (OptionsRecord{7, 3, -1})) << "what the file holds now";
}

// Two copies of the game on one options file: neither undoes what the
// other saved after it last loaded, not even with a change that could not
// be saved at first.
TEST(OptionsStore, TwoCopiesOnOneFileKeepEachOthersFields) {
    TempFolder dir;
    WriteAll(OptionsFile(dir), {3, 0, 0, 0, 5, 0, 0, 0, 0, 0});
    OptionsStore a(dir.path()), b(dir.path());
    ASSERT_TRUE(a.Load().ok);
    ASSERT_TRUE(b.Load().ok);
    OptionsChange ok{7, std::nullopt, -1};  // OK with a difficulty box that holds no word
    ASSERT_TRUE(a.Change(ok).ok);
    OptionsChange practice;
    practice.Difficulty = 9;
    ASSERT_TRUE(b.Change(practice).ok);
    EXPECT_EQ(ReadAll(OptionsFile(dir)), (Bytes{7, 0, 0, 0, 9, 0, 0, 0, 0xFF, 0xFF}));
    EXPECT_EQ(b.Record(), (OptionsRecord{7, 9, -1}));

    // A's practice cannot be saved; B's OK can, later. A's next load puts
    // only A's own change on top of B's.
    fs::permissions(OptionsFile(dir), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    {
        AsUnprivileged drop;
        ASSERT_TRUE(drop.ok());
        practice.Difficulty = 2;
        EXPECT_FALSE(a.Change(practice).ok);
        EXPECT_EQ(a.Record(), (OptionsRecord{7, 2, -1})) << "kept in memory";
    }
    fs::permissions(OptionsFile(dir), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(b.Change({4, 20, 0}).ok);
    ASSERT_TRUE(a.Load().ok);
    EXPECT_EQ(ReadAll(OptionsFile(dir)), (Bytes{4, 0, 0, 0, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(a.Record(), (OptionsRecord{4, 2, 0}));
    ASSERT_TRUE(b.Load().ok);
    EXPECT_EQ(b.Record(), (OptionsRecord{4, 2, 0}));
}

struct NumberCase {
    std::string text;
    NumberTextStatus status;
    std::int32_t value = 0;
};

constexpr auto kOk = NumberTextStatus::Ok;
constexpr auto kNaN = NumberTextStatus::NotANumber;
constexpr auto kRange = NumberTextStatus::OutOfRange;

TEST(NumberText, ReadsPlainDecimalNumbersRoundingHalvesToEvenOnTheDigits) {
    const std::string zeros(2 << 20, '0'), nines(2 << 20, '9');
    const std::vector<NumberCase> cases = {
        {"12", kOk, 12},
        {"007", kOk, 7},
        {"  5\t", kOk, 5},
        {"\t-3 ", kOk, -3},
        {"+4", kOk, 4},
        {"-0", kOk, 0},
        {".5", kOk, 0},
        {".51", kOk, 1},
        {"5.", kOk, 5},
        {"2.50", kOk, 2},
        {"2.5", kOk, 2},
        {"3.5", kOk, 4},
        {"-2.5", kOk, -2},
        {"-3.5", kOk, -4},
        {"1.5", kOk, 2},
        {"9.9", kOk, 10},
        {"-0.4", kOk, 0},
        {"-0.6", kOk, -1},
        {"2.4999999999999999999", kOk, 2},  // a double would call this 2.5
        {"2.5000000001", kOk, 3},
        {"2.50000000000000000000000000000000000001", kOk, 3},
        // The edges of 32 bits, after rounding.
        {"2147483647", kOk, INT_MAX},
        {"2147483647.4", kOk, INT_MAX},
        {"2147483646.5", kOk, 2147483646},
        {"2147483647.5", kRange},
        {"2147483648", kRange},
        {"-2147483648", kOk, INT_MIN},
        {"-2147483648.5", kOk, INT_MIN},
        {"-2147483648.6", kRange},
        {"-2147483649", kRange},
        {"4294967296", kRange},
        {"18446744073709551616", kRange},  // 0 once wrapped to 32 or 64 bits
        {"00000000000000000000002147483647", kOk, INT_MAX},
        // Megabytes of digits.
        {nines, kRange},
        {"-" + nines, kRange},
        {zeros + "42", kOk, 42},
        {"3." + nines, kOk, 4},
        {"2.5" + zeros, kOk, 2},
        {"2.5" + zeros + "1", kOk, 3},
        {nines + "x", kNaN},
        // Not numbers.
        {"", kNaN},
        {"   ", kNaN},
        {"abc", kNaN},
        {"12abc", kNaN},
        {"1e99", kNaN},
        {"1E2", kNaN},
        {"0x10", kNaN},
        {"&H10", kNaN},
        {"1,000", kNaN},
        {"1 2", kNaN},
        {"- 5", kNaN},
        {"+", kNaN},
        {"-", kNaN},
        {".", kNaN},
        {"-.", kNaN},
        {"1.2.3", kNaN},
        {"--1", kNaN},
        {"+-1", kNaN},
        {"12\n", kNaN},
        {std::string("1\0"
                     "2",
                     3),
         kNaN},
        {"inf", kNaN},
        {"NaN", kNaN},
        {"\xEF\xBC\x91\xEF\xBC\x92", kNaN},  // full-width 12
        {"\xE3\x80\x80"
         "12",
         kNaN},                           // an ideographic space before 12
        {"99999999999999999999x", kNaN},  // not a number, rather than too large
    };
    for (const auto& c : cases) {
        const WholeNumber got = ParseWholeNumber(c.text);
        const std::string shown = c.text.substr(0, 40);
        EXPECT_EQ(got.status, c.status) << '"' << shown << '"';
        if (c.status == kOk) {
            EXPECT_EQ(got.value, c.value) << '"' << shown << '"';
        }
    }
}

TEST(MarkedText, FillsEachPlaceholderOnceWithWhatEverThePieceHolds) {
    struct Case {
        std::string_view text;
        std::vector<std::string> pieces;
        std::string filled;
    };
    const Case cases[] = {
        {"記録ファイル: %1", {"/home/a/records.txt"}, "記録ファイル: /home/a/records.txt"},
        {"%1\n%2\n", {"a", "b"}, "a\nb\n"},
        {"%2 before %1", {"one", "two"}, "two before one"},  // a language's own order
        {"%1 and %1", {"x"}, "x and x"},
        {"「%1」", {"%2"}, "「%2」"},  // a piece is not filled in again
        {"%1: %2", {"%2", "end"}, "%2: end"},
        {"%3 %1", {"a"}, "%3 a"},          // no piece: the placeholder stays
        {"100%", {"a"}, "100%"},           // a per cent sign at the end
        {"%0 %a %%1", {"p"}, "%0 %a %p"},  // only %1 to %9 are placeholders
        {"", {"a"}, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string_view> views(c.pieces.begin(), c.pieces.end());
        std::string filled;
        switch (views.size()) {
        case 1: filled = FillText(c.text, {views[0]}); break;
        case 2: filled = FillText(c.text, {views[0], views[1]}); break;
        default: FAIL();
        }
        EXPECT_EQ(filled, c.filled) << c.text;
    }
}

TEST(MarkedText, StaysAsWrittenUntilTheWindowRoomSetsATranslator) {
    EXPECT_EQ(TESSARO_TEXT("options_test", "同じ名前のフォルダがあります。"), "同じ名前のフォルダがあります。");
    SetTextTranslator([](const char* context, const char* text) { return std::string(context) + "|" + text; });
    EXPECT_EQ(TESSARO_TEXT("options_test", "同じ名前のフォルダがあります。"),
              "options_test|同じ名前のフォルダがあります。");
    // Whatever a message is made of goes through it.
    FileResult failed{false, EISDIR, "/a/GameOpt.dat", false, false};
    EXPECT_EQ(OptionsFileMessage(failed, true),
              "options_file|オプションを保存できませんでした。\n/a/GameOpt.dat\n"
              "file_error_text|同じ名前のフォルダがあります。\n設定はこの実行中だけ有効です。");
    SetTextTranslator(nullptr);
    EXPECT_EQ(OptionsFileMessage(failed, true),
              "オプションを保存できませんでした。\n/a/GameOpt.dat\n同じ名前のフォルダがあります。\n"
              "設定はこの実行中だけ有効です。");
}

// One rule for the desktop's list (QLocale::uiLanguages) and a browser's
// (navigator.languages): the first of English and Japanese wins.
TEST(TextLanguage, EnglishOnlyWhenItComesBeforeJapanese) {
    const GameLanguage en = GameLanguage::English;
    const GameLanguage ja = GameLanguage::Japanese;
    const std::vector<std::pair<std::vector<std::string>, GameLanguage>> cases = {
        {{"en-US", "en"}, en},
        {{"en-GB", "en-Latn-GB", "ja", "ja-Jpan-JP"}, en},
        {{"ja", "en-US", "en"}, ja},
        {{"fr-FR", "fr", "en-US"}, en},
        {{"de-DE", "ja", "en"}, ja},
        {{"zh-TW", "zh"}, ja},
        {{"C"}, ja},
        {{"C", "en"}, en},
        {{}, ja},
        {{""}, ja},
        {{"", "-", "_"}, ja},
        {{"en_US.UTF-8"}, en},
        {{"EN-us"}, en},
        {{"JA", "en"}, ja},
        {{"eng", "enx-ZZ", "jav"}, ja},
        {{"e", "n", "en"}, en},
    };
    for (const auto& [preferred, language] : cases) {
        std::string shown;
        for (const std::string& name : preferred) shown += "[" + name + "]";
        EXPECT_EQ(ChooseLanguage(preferred), language) << shown;
    }
}

}  // namespace
}  // namespace tessaro
