// The page's storage of the options and the records, over a stand-in for
// the browser's: what is read, what is kept when it cannot be read, and
// what the player is told, once.
#include "web/page_storage.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "options/options_record.h"
#include "web/page_texts.h"

namespace tessaro {
namespace {

class FakeStorage final : public TextStorage {
public:
    std::map<std::string, std::string> kept;
    bool usable = true;  // false: every access fails, as in a blocked private window
    bool full = false;   // true: reading works, keeping fails

    std::optional<std::string> Get(const std::string& name, bool& ok) override {
        ok = usable;
        if (!usable || kept.count(name) == 0) return std::nullopt;
        return kept.at(name);
    }
    bool Set(const std::string& name, const std::string& text) override {
        if (!usable || full) return false;
        kept[name] = text;
        return true;
    }
};

TEST(PageStorage, TheOptionsAreTheTenByteRecordInHexadecimal) {
    struct Case {
        OptionsRecord record;
        const char* text;
    };
    for (const Case& c : {Case{{10, 40, -1}, "0a00000028000000ffff"}, Case{{5, 5, -1}, "0500000005000000ffff"},
                          Case{{-2, 9999, 0},
                               "feffffff0f270000"
                               "0000"}}) {
        EXPECT_EQ(OptionsToText(c.record), c.text);
        EXPECT_EQ(OptionsFromText(c.text), c.record);
    }
    // Any 10 bytes are a record; anything else is not.
    EXPECT_EQ(OptionsFromText("05000000070000000100"), (OptionsRecord{5, 7, 1}));
    EXPECT_EQ(OptionsFromText("0A00000028000000FFFF"), (OptionsRecord{10, 40, -1}));
    for (const char* bad :
         {"", "0a00000028000000ffff00", "0a00000028000000fff", "0a0000002800000gffff", "not a record at all!"})
        EXPECT_FALSE(OptionsFromText(bad).has_value()) << bad;
}

TEST(PageStorage, OptionsThatCannotBeReadAreToldOnceAndLeftUntilASaveReplacesThem) {
    FakeStorage browser;
    browser.kept[kOptionsKey] = "garbage";
    PageStorage storage(browser);
    storage.Record() = {3, 5, 0};
    storage.LoadOptions();
    EXPECT_EQ(storage.Record(), (OptionsRecord{3, 5, 0})) << "the game goes on with what it has";
    EXPECT_NE(storage.TakeMessage().find("オプションを読み込めませんでした。"), std::string::npos);
    storage.LoadOptions();
    EXPECT_EQ(storage.TakeMessage(), "") << "told once";
    EXPECT_EQ(browser.kept[kOptionsKey], "garbage");
    OptionsChange practice;
    practice.Difficulty = 2;
    storage.ChangeOptions(practice);
    EXPECT_EQ(browser.kept[kOptionsKey], OptionsToText({3, 2, 0}));
}

TEST(PageStorage, AChangeSetsOnlyItsFieldsOverWhatAnotherTabSaved) {
    FakeStorage browser;
    PageStorage storage(browser);
    storage.LoadOptions();
    EXPECT_EQ(storage.Record(), OptionsRecord{}) << "nothing stored is all zero";
    browser.kept[kOptionsKey] = OptionsToText({7, 20, -1});  // another tab's OK
    OptionsChange practice;
    practice.Difficulty = 3;
    storage.ChangeOptions(practice);
    EXPECT_EQ(browser.kept[kOptionsKey], OptionsToText({7, 3, -1}));
    EXPECT_EQ(storage.Record(), (OptionsRecord{7, 3, -1}));
}

TEST(PageStorage, WithoutStorageTheChoicesHoldForTheVisitAndThePlayerIsToldOnce) {
    for (const bool full : {false, true}) {
        FakeStorage browser;
        browser.usable = full;  // full: it reads; else nothing works at all
        browser.full = full;
        PageStorage storage(browser);
        storage.LoadOptions();
        storage.ChangeOptions({4, 10, -1});
        EXPECT_EQ(storage.Record(), (OptionsRecord{4, 10, -1})) << full;
        const std::string told = storage.TakeMessage();
        EXPECT_NE(told.find("保存領域を使えません"), std::string::npos) << full << told;
        storage.LoadOptions();
        EXPECT_EQ(storage.Record(), (OptionsRecord{4, 10, -1})) << full << ": a load keeps the unsaved choices";
        storage.AddWin({{4, 10}, 30, 12});
        EXPECT_EQ(storage.Records().entries.size(), 1u) << full << ": the win holds for the visit";
        EXPECT_EQ(storage.TakeMessage(), "") << full << ": told once for the whole visit";
        // The storage comes back: the choices and the win reach it.
        browser.usable = true;
        browser.full = false;
        storage.LoadOptions();
        EXPECT_EQ(browser.kept[kOptionsKey], OptionsToText({4, 10, -1})) << full;
        storage.AddWin({{3, 5}, 50, 20});
        EXPECT_EQ(ParseRecords(browser.kept[kRecordsKey]).table.entries.size(), 2u) << full;
    }
}

TEST(PageStorage, RecordsThatCannotBeReadAreToldAndKeptUnderTheNextFreeNameAtTheNextWin) {
    FakeStorage browser;
    const std::string bad = "Tessaro records 1\n3 5 x\n";
    browser.kept[kRecordsKey] = bad;
    browser.kept[std::string(kRecordsBadPrefix) + "1.txt"] = "an older one";
    PageStorage storage(browser);
    EXPECT_TRUE(storage.Records().entries.empty());
    const std::string told = storage.TakeMessage();
    EXPECT_NE(told.find("2行目が記録として読めません。"), std::string::npos) << told;
    EXPECT_NE(told.find("tessaro.records-bad-2.txt"), std::string::npos) << told;
    storage.Records();
    EXPECT_EQ(storage.TakeMessage(), "") << "told once";
    EXPECT_EQ(browser.kept[kRecordsKey], bad) << "left alone until a win";

    storage.AddWin({{3, 5}, 83, 41});
    EXPECT_EQ(browser.kept[std::string(kRecordsBadPrefix) + "2.txt"], bad);
    EXPECT_EQ(browser.kept[std::string(kRecordsBadPrefix) + "1.txt"], "an older one");
    EXPECT_EQ(browser.kept[kRecordsKey], "Tessaro records 1\n3 5 83 41 last\n");
    EXPECT_NE(storage.TakeMessage().find("として同じフォルダに残し"), std::string::npos);
}

TEST(PageStorage, AWinMergesIntoWhatAnotherTabSavedAndAWinThatBeatsNothingWritesNothing) {
    FakeStorage browser;
    browser.kept[kRecordsKey] = "Tessaro records 1\n3 5 60 20\n";
    PageStorage storage(browser);
    storage.AddWin({{3, 5}, 90, 15});
    EXPECT_EQ(browser.kept[kRecordsKey], "Tessaro records 1\n3 5 60 15 last\n");
    browser.kept[kRecordsKey] = "Tessaro records 1\n3 5 60 15\n";  // saved again elsewhere, unmarked
    storage.AddWin({{3, 5}, 70, 16});
    EXPECT_EQ(browser.kept[kRecordsKey], "Tessaro records 1\n3 5 60 15\n") << "beats nothing: left as it is";
    EXPECT_EQ(storage.TakeMessage(), "");
}

}  // namespace
}  // namespace tessaro
