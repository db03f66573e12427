// The page's language: the English table made from the desktop's
// translation file at the build, looked up as the rooms' texts are made,
// and the language chosen from the browser's preferred ones; and the records
// window's rows, with the numbers of the games that set them.
#include "web/page_language.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "options/marked_text.h"
#include "records/records_table.h"
#include "session/game_number_texts.h"
#include "session/help_texts.h"
#include "web/page_texts.h"
#include "web/records_rows.h"

namespace tessaro {
namespace {

TEST(PageLanguage, TheTableIsInTheOrderItsSearchNeedsAndFindsEveryEntry) {
    ASSERT_GT(kEnglishCount, 100u);
    for (std::size_t i = 0; i < kEnglishCount; ++i) {
        const PageTranslation& entry = kEnglish[i];
        if (i > 0) {
            const PageTranslation& before = kEnglish[i - 1];
            const int context = std::strcmp(before.context, entry.context);
            EXPECT_TRUE(context < 0 || (context == 0 && std::strcmp(before.source, entry.source) < 0))
                << entry.context << ": " << entry.source;
        }
        EXPECT_EQ(EnglishOf(entry.context, entry.source), entry.english) << entry.context << ": " << entry.source;
    }
}

TEST(PageLanguage, EachTextIsFoundUnderItsOwnContextExactlyAsTheFileHasIt) {
    struct Case {
        const char* context;
        const char* text;
        const char* english;  // null: none
    };
    const Case cases[] = {
        {"frmCube", kNumberTitle, "Start from a game number"},
        {"frmCube", kNumberPrompt, "Type a game number\r\n(for example 3-20-4093127)"},  // lupdate's <byte/>
        {"frmHelp", kHelpClose, "Close"},
        {"frmRecords", "閉じる", "Close"},  // the same text in two contexts
        {"OptionsPanel", "ＯＫ", "OK"},
        {"page_texts", "記録の保存先: %1", "Records kept in: %1"},
        {"frmAbout", "ｼｽﾃﾑ情報(&S)...", "&System Info..."},  // "&" as written, not as XML
        {"frmCube", "no such text", nullptr},
        {"no_such_context", "閉じる", nullptr},
        {"", "Option", nullptr},
        {"frmHelp", "", nullptr},
    };
    for (const Case& c : cases) {
        const char* english = EnglishOf(c.context, c.text);
        if (c.english == nullptr) EXPECT_EQ(english, nullptr) << c.context << ": " << c.text;
        else EXPECT_STREQ(english, c.english) << c.context << ": " << c.text;
    }
    // The help's markup comes through as the markup it is.
    const std::string help = EnglishOf("frmHelp", kHelpText);
    EXPECT_EQ(help.rfind("<h3>", 0), 0u) << help;
    EXPECT_NE(help.find("<b>Game &gt; Start</b>"), std::string::npos) << help;
}

TEST(PageLanguage, TheBrowsersPreferencesChooseAndEveryTextMadeThenSpeaksIt) {
    RecordsTable table;
    MergeWin(table, {{3, 20}, 3725, 41, 4093127});
    MergeWin(table, {{2, 7}, 65, 9, std::nullopt});  // set before games had numbers
    table.last = RecordKey{3, 20};

    EXPECT_EQ(UsePreferredLanguages("fr-FR\nen-US\nja"), GameLanguage::English);
    EXPECT_EQ(StorageWhere("tessaro.records.txt"), "Browser storage “tessaro.records.txt”");
    EXPECT_EQ(GameNumberMessage(ReadGameNumber("3-0-5"), "3-0-5"),
              "The shuffle moves of game number “3-0-5” cannot be used.\nThe shuffle moves are 1 to 9999.");
    EXPECT_EQ(RecordsRows(table),
              "\t2×2\t7\t00:01:05\tunknown\t9\tunknown\n"
              "★\t3×3\t20 (Hard)\t01:02:05\t3-20-4093127\t41\t3-20-4093127\n");

    EXPECT_EQ(UsePreferredLanguages("ja-JP\nen-US"), GameLanguage::Japanese);
    EXPECT_EQ(StorageWhere("tessaro.records.txt"), "ブラウザーの保存領域「tessaro.records.txt」");
    EXPECT_EQ(RecordsRows(table),
              "\t2×2\t7回\t00時間01分05秒\t不明\t9回\t不明\n"
              "★\t3×3\t20回 (Hard)\t01時間02分05秒\t3-20-4093127\t41回\t3-20-4093127\n");
    EXPECT_EQ(UsePreferredLanguages(""), GameLanguage::Japanese);
    SetTextTranslator(nullptr);
}

}  // namespace
}  // namespace tessaro
