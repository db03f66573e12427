#pragma once
// The options and the records in the browser's storage, which keeps text
// under a name. The options are the same 10-byte record as GameOpt.dat,
// kept as 20 hexadecimal digits; the records the same text as records.txt.
// Stored data that cannot be read is told once and never thrown away: the
// records are set aside under a second name before new ones are saved.
// Storage that cannot be used at all (a private window, a full quota) is
// told once; the game then plays with what it has in memory.

#include <optional>
#include <string>
#include <vector>

#include "options/options_record.h"
#include "records/records_table.h"
#include "records/records_text.h"

namespace tessaro {

// The browser's storage, or a stand-in in the tests.
class TextStorage {
public:
    virtual ~TextStorage() = default;
    // The text under the name; none when there is none. `ok` becomes false
    // when the storage cannot be used at all.
    virtual std::optional<std::string> Get(const std::string& name, bool& ok) = 0;
    // False when the text could not be kept (no storage, or full).
    virtual bool Set(const std::string& name, const std::string& text) = 0;
};

inline constexpr char kOptionsKey[] = "tessaro.GameOpt.dat";
inline constexpr char kRecordsKey[] = "tessaro.records.txt";

// The record as 20 hexadecimal digits, two per byte in file order.
std::string OptionsToText(const OptionsRecord& record);
// Reads those digits; none for anything else.
std::optional<OptionsRecord> OptionsFromText(const std::string& text);

class PageStorage {
public:
    explicit PageStorage(TextStorage& storage) : storage_(storage) {}

    OptionsRecord& Record() { return record_; }
    const OptionsRecord& Record() const { return record_; }

    // Reads the stored record into Record(); nothing stored is all zero.
    // Stored text that is no record leaves the record as it was (and is
    // left as it is until a save replaces it).
    void LoadOptions();
    // Sets the change's fields over what is stored now (another tab may
    // have saved since), and the record becomes that. When it cannot be
    // kept, the change holds in memory for this visit.
    void ChangeOptions(const OptionsChange& change);

    // The records: what is stored now, with this visit's wins not saved yet.
    const RecordsTable& Records();
    // Enters a won game, with every earlier one not yet saved.
    void AddWin(const WonGame& game);
    // One line on where the records are, for the records window.
    std::string RecordsStatus() const;

    // What to tell the player, once each; empty when nothing is new.
    std::string TakeMessage();

private:
    void Tell(const std::string& text);
    void StorageFailed(bool saving, const std::string& what);
    // Reads the stored records; a table when they can be used.
    std::optional<RecordsTable> ReadRecords(std::optional<std::string>& text);
    std::string FreeBadName();

    TextStorage& storage_;
    OptionsRecord record_;
    OptionsChange unsaved_;
    RecordsTable table_;
    std::vector<WonGame> pending_;
    bool storageTold_ = false;
    bool optionsBadTold_ = false;
    bool recordsBadTold_ = false;
    bool recordsUnsaved_ = false;
    std::string message_;
};

}  // namespace tessaro
