#include "ui/sys_info.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <string>

#include "ui/app_info.h"
#include "ui/game_language.h"
#include "ui/key_value.h"
#include "ui/plain_message.h"

namespace tessaro {

namespace {

QString FromRegistryText(const std::string& text) {
    return QFile::decodeName(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

SysInfoActions DefaultSysInfoActions(QWidget* messageParent) {
    SysInfoActions actions;
    actions.fileExists = [](const QString& file) { return QFileInfo::exists(file); };
    actions.start = &StartDetachedProgram;
    actions.showMessage = [parent = QPointer<QWidget>(messageParent)](const QString& text) {
        PlainMessageBox(parent.data(), QMessageBox::NoIcon, QString::fromUtf8(app::kTitle), text)->exec();
    };
    return actions;
}

bool StartDetachedProgram(const QString& program) {
    if (program.isEmpty() || program.contains(QChar(u'\0'))) return false;
    return QProcess::startDetached(program, QStringList());
}

void StartSysInfo(Registry& registry, const SysInfoActions& actions) {
    bool started = false;
    try {
        const QString suffix = QString::fromUtf8(kSysInfoProgramSuffix);
        std::string path;
        QString program;
        bool found = false;
        if (GetKeyValue(registry, kHKeyLocalMachine, kMsinfoKey, kMsinfoPathValue, path)) {
            // The program-path value is trusted as it stands; a wrong path
            // shows up as a failed start.
            program = FromRegistryText(path);
            found = true;
        } else if (GetKeyValue(registry, kHKeyLocalMachine, kSharedToolsLocationKey, kSharedToolsMsinfoValue, path)) {
            program = FromRegistryText(path) + suffix;
            found = actions.fileExists(program);
        }
        started = found && actions.start(program);
    } catch (...) {
        // Whatever went wrong, the player gets the message and the about
        // window stays usable.
        started = false;
    }
    if (!started && actions.showMessage) actions.showMessage(Tr("sys_info", kSysInfoUnavailable));
}

}  // namespace tessaro
