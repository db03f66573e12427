#pragma once
// Why a file of the game could not be read or written, as one sentence in
// the player's language. Shared by every file the game keeps.

#include <cerrno>
#include <cstring>
#include <string>

#include "options/marked_text.h"

namespace tessaro {

inline std::string FileErrorReason(int errorCode) {
    switch (errorCode) {
    case EACCES:
    case EPERM: return TESSARO_TEXT("file_error_text", "書き込みまたは読み込みの権限がありません。");
    case EROFS: return TESSARO_TEXT("file_error_text", "読み取り専用の場所にあります。");
    case ENOSPC:
    case EDQUOT: return TESSARO_TEXT("file_error_text", "ディスクの空きが足りません。");
    case ENOENT:
    case ENOTDIR: return TESSARO_TEXT("file_error_text", "保存先のフォルダが見つかりません。");
    case EISDIR: return TESSARO_TEXT("file_error_text", "同じ名前のフォルダがあります。");
    case EINVAL: return TESSARO_TEXT("file_error_text", "通常のファイルではありません。");
    default: return std::strerror(errorCode);
    }
}

}  // namespace tessaro
