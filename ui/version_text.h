#pragma once

#include <QString>

#include "ui/app_info.h"
#include "ui/game_language.h"

namespace tessaro {

// "ﾊﾞｰｼﾞｮﾝ 1.0.0": major, minor and revision in plain decimal.
inline QString VersionText() {
    //: The version: major, minor and revision.
    return Tr("version_text", "ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
        .arg(app::kVersionMajor)
        .arg(app::kVersionMinor)
        .arg(app::kVersionRevision);
}

inline QString AppTitle() { return QString::fromUtf8(app::kTitle); }

}  // namespace tessaro
