#pragma once
// Why a file of the game could not be read or written, as one sentence in
// the player's language. Shared by every file the game keeps; header only,
// so that a room can use it without linking the options.

#include <cerrno>
#include <cstring>
#include <string>

namespace tessaro {

inline std::string FileErrorReason(int errorCode) {
    switch (errorCode) {
    case EACCES:
    case EPERM: return "書き込みまたは読み込みの権限がありません。";
    case EROFS: return "読み取り専用の場所にあります。";
    case ENOSPC:
    case EDQUOT: return "ディスクの空きが足りません。";
    case ENOENT:
    case ENOTDIR: return "保存先のフォルダが見つかりません。";
    case EISDIR: return "同じ名前のフォルダがあります。";
    case EINVAL: return "通常のファイルではありません。";
    default: return std::strerror(errorCode);
    }
}

}  // namespace tessaro
