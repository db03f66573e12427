#include "options/options_store.h"

namespace tessaro {

FileResult OptionsStore::Load() {
    if (unsaved_) {
        FileResult retried = Save();
        if (!retried.ok) return {true, 0, retried.path};  // the player has been told; keep the newer values
    }
    return LoadOptions(record_, folder_);
}

FileResult OptionsStore::Save() {
    FileResult result = SaveOptions(record_, folder_);
    unsaved_ = !result.ok;
    return result;
}

}  // namespace tessaro
