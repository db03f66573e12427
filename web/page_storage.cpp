#include "web/page_storage.h"

#include <utility>

#include "options/options_messages.h"
#include "records/records_messages.h"
#include "web/page_texts.h"

namespace tessaro {

namespace {

constexpr char kDigits[] = "0123456789abcdef";

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Where(const char* key) { return StorageWhere(key); }

}  // namespace

std::string OptionsToText(const OptionsRecord& record) {
    std::string text;
    for (const std::uint8_t byte : EncodeOptions(record)) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

std::optional<OptionsRecord> OptionsFromText(const std::string& text) {
    if (text.size() != 2 * kOptionsRecordSize) return std::nullopt;
    OptionsBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = DigitValue(text[2 * i]);
        const int low = DigitValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return DecodeOptions(bytes);
}

void PageStorage::Tell(const std::string& text) {
    if (!message_.empty()) message_ += "\n\n";
    message_ += text;
}

std::string PageStorage::TakeMessage() { return std::exchange(message_, {}); }

void PageStorage::StorageFailed(bool saving, const std::string& what) {
    // Once for the whole visit: without storage every Start would say it again.
    if (std::exchange(storageTold_, true)) return;
    Tell(saving ? OptionsSaveMessage(what, StorageUnusableText())
                : OptionsLoadMessage(what, StorageUnusableText()));
}

void PageStorage::LoadOptions() {
    bool ok = true;
    const std::optional<std::string> text = storage_.Get(kOptionsKey, ok);
    if (!ok) {
        StorageFailed(false, Where(kOptionsKey));
        return;
    }
    OptionsRecord stored;
    if (text) {
        const auto read = OptionsFromText(*text);
        if (!read) {
            if (!std::exchange(optionsBadTold_, true)) Tell(OptionsLoadMessage(Where(kOptionsKey), OptionsUnreadableText()));
            return;
        }
        stored = *read;
    }
    optionsBadTold_ = false;
    // Choices that could not be kept before stay over what is stored.
    unsaved_.ApplyTo(stored);
    record_ = stored;
    if (!unsaved_.Empty()) ChangeOptions({});
}

void PageStorage::ChangeOptions(const OptionsChange& change) {
    OptionsChange all = unsaved_;
    all.Add(change);
    bool ok = true;
    const std::optional<std::string> text = storage_.Get(kOptionsKey, ok);
    OptionsRecord stored = record_;
    if (ok && text)
        if (const auto read = OptionsFromText(*text)) stored = *read;
    all.ApplyTo(stored);
    record_ = stored;
    if (ok && storage_.Set(kOptionsKey, OptionsToText(stored))) {
        unsaved_ = {};
        return;
    }
    unsaved_ = all;
    StorageFailed(true, Where(kOptionsKey));
}

std::optional<RecordsTable> PageStorage::ReadRecords(std::optional<std::string>& text) {
    bool ok = true;
    text = storage_.Get(kRecordsKey, ok);
    if (!ok) {
        StorageFailed(false, Where(kRecordsKey));
        return std::nullopt;
    }
    if (!text) return RecordsTable{};
    const ParsedRecords parsed = ParseRecords(*text);
    if (parsed.ok()) {
        recordsBadTold_ = false;
        return parsed.table;
    }
    if (!std::exchange(recordsBadTold_, true))
        Tell(RecordsUnreadableMessage(Where(kRecordsKey), RecordsTextErrorReason(parsed), "", FreeBadName()));
    return std::nullopt;
}

std::string PageStorage::FreeBadName() {
    bool ok = true;
    for (int n = 1;; ++n) {
        const std::string name = std::string(kRecordsBadPrefix) + std::to_string(n) + ".txt";
        if (!storage_.Get(name, ok) || !ok) return name;
    }
}

const RecordsTable& PageStorage::Records() {
    std::optional<std::string> text;
    RecordsTable table = ReadRecords(text).value_or(RecordsTable{});
    for (const WonGame& win : pending_) MergeWin(table, win);
    table_ = std::move(table);
    return table_;
}

void PageStorage::AddWin(const WonGame& game) {
    pending_.push_back(game);
    std::optional<std::string> text;
    const std::optional<RecordsTable> stored = ReadRecords(text);
    RecordsTable table = stored.value_or(RecordsTable{});
    bool changed = false;
    for (const WonGame& win : pending_) changed = MergeWin(table, win) || changed;
    table_ = table;
    if (!changed) {
        pending_.clear();
        return;
    }
    // Stored records that cannot be read keep a second name first.
    std::string setAside;
    bool ok = true;
    if (!stored && text) {
        setAside = FreeBadName();
        ok = storage_.Set(setAside, *text);
    }
    if (ok && storage_.Set(kRecordsKey, FormatRecords(table))) {
        pending_.clear();
        recordsUnsaved_ = false;
        if (!setAside.empty()) {
            Tell(RecordsUnreadableMessage(Where(kRecordsKey), RecordsTextErrorReason(ParseRecords(*text)), setAside,
                                          setAside));
            recordsBadTold_ = false;
        }
        return;
    }
    if (!std::exchange(recordsUnsaved_, true)) {
        if (std::exchange(storageTold_, true)) return;
        Tell(RecordsSaveFailedMessage(Where(kRecordsKey), StorageUnusableText()));
    }
}

std::string PageStorage::RecordsStatus() const {
    if (recordsUnsaved_) return RecordsUnsavedStatusText(Where(kRecordsKey));
    return RecordsStatusText(Where(kRecordsKey));
}

}  // namespace tessaro
