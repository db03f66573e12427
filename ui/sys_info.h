#pragma once
// Finding and starting the system's system-information tool from the about
// window.

#include <QString>
#include <functional>

#include "options/marked_text.h"
#include "ui/registry.h"

class QWidget;

namespace tessaro {

// Shown as Tr("sys_info", kSysInfoUnavailable).
inline constexpr char kSysInfoUnavailable[] = TESSARO_NOOP("sys_info", "現時点ではｼｽﾃﾑ情報を使用できません");
// The program looked for inside the folder named by the tools-location key.
inline constexpr char kSysInfoProgramSuffix[] = "\\MSINFO32.EXE";

// Everything StartSysInfo does to the world besides reading the registry, so
// that tests neither start programs nor wait on a message box.
struct SysInfoActions {
    std::function<bool(const QString& file)> fileExists;
    // Starts the program and returns at once; false if it could not start.
    std::function<bool(const QString& program)> start;
    std::function<void(const QString& text)> showMessage;
};

// Real files, real processes, and a message box over messageParent titled
// with the application title.
SysInfoActions DefaultSysInfoActions(QWidget* messageParent);

// Starts program without arguments and without waiting for it. An empty name
// or one with a zero character in it is refused rather than cut short.
bool StartDetachedProgram(const QString& program);

// Starts the program named by the program-path value; failing that, the one
// in the folder of the tools-location value if that file exists. When neither
// works, or the start fails, the player is told that system information is
// not available now.
void StartSysInfo(Registry& registry, const SysInfoActions& actions);

}  // namespace tessaro
