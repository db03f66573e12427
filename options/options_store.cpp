#include "options/options_store.h"

namespace tessaro {

FileResult OptionsStore::Load() {
    if (!unsaved_.Empty()) {
        FileResult retried = Change({});
        if (!retried.ok) {
            // The player has been told; the newer values stay, over what the
            // file holds for the rest.
            if (OptionsRecord file = record_; LoadOptions(file, folder_).ok) {
                unsaved_.ApplyTo(file);
                record_ = file;
            }
            return {true, 0, retried.path};
        }
    }
    FileResult result = LoadOptions(record_, folder_);
    result.told = !result.ok && !lastLoad_.ok && result.errorCode == lastLoad_.errorCode &&
                  result.path == lastLoad_.path;
    lastLoad_ = result;
    return result;
}

FileResult OptionsStore::Change(const OptionsChange& change) {
    OptionsChange all = unsaved_;
    all.Add(change);
    FileResult result = ChangeOptions(record_, all, folder_);
    if (result.ok) {
        unsaved_ = {};
    } else {
        all.ApplyTo(record_);
        unsaved_ = all;
    }
    return result;
}

}  // namespace tessaro
