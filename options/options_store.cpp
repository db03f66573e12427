#include "options/options_store.h"

namespace tessaro {

FileResult OptionsStore::Load() {
    if (unsaved_) {
        FileResult retried = Save();
        if (!retried.ok) return {true, 0, retried.path};  // the player has been told; keep the newer values
    }
    FileResult result = LoadOptions(record_, folder_);
    result.told = !result.ok && !lastLoad_.ok && result.errorCode == lastLoad_.errorCode &&
                  result.path == lastLoad_.path;
    lastLoad_ = result;
    return result;
}

FileResult OptionsStore::Save() {
    FileResult result = SaveOptions(record_, folder_);
    unsaved_ = !result.ok;
    return result;
}

}  // namespace tessaro
