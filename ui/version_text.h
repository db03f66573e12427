#pragma once

#include <QString>

#include "ui/app_info.h"

namespace tessaro {

// "ﾊﾞｰｼﾞｮﾝ 1.0.0": major, minor and revision in plain decimal.
inline QString VersionText() {
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
        .arg(app::kVersionMajor)
        .arg(app::kVersionMinor)
        .arg(app::kVersionRevision);
}

inline QString AppTitle() { return QString::fromUtf8(app::kTitle); }

}  // namespace tessaro
