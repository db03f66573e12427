#include "ui/no_display.h"

#include "ui/game_language.h"

#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace tessaro {

namespace {

QString Variable(const std::function<const char*(const char*)>& environment, const char* name) {
    const char* value = environment(name);
    return value != nullptr ? QString::fromLocal8Bit(value) : QString();
}

// One display Qt tried, by its platform's name ("xcb", "wayland", ...).
QString Tried(const QString& platform, const std::function<const char*(const char*)>& environment) {
    if (platform == QLatin1String("xcb")) {
        const QString display = Variable(environment, "DISPLAY");
        if (display.isEmpty())
            return Tr("no_display", "DISPLAY が設定されていないため X のディスプレイに接続できません");
        //: %1 is the X display's name.
        return Tr("no_display", "X のディスプレイ「%1」に接続できません").arg(display);
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        // Without WAYLAND_DISPLAY a Wayland client looks for wayland-0.
        QString display = Variable(environment, "WAYLAND_DISPLAY");
        if (display.isEmpty()) display = QStringLiteral("wayland-0");
        //: %1 is the Wayland display's name.
        return Tr("no_display", "Wayland のディスプレイ「%1」に接続できません").arg(display);
    }
    //: %1 is the name of Qt's platform plugin.
    return Tr("no_display", "表示方式「%1」を使えません").arg(platform);
}

struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};

std::mutex heldLock;
std::vector<HeldMessage> held;
QString heldProgram;
QtMessageHandler previousHandler = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldLock);
    if (type != QtFatalMsg) {
        const auto copy = [](const char* s) { return std::string(s != nullptr ? s : ""); };
        held.push_back({type, copy(context.file), context.line, copy(context.function), copy(context.category), text});
        return;
    }
    QStringList texts;
    for (const HeldMessage& message : held) texts.append(message.text);
    texts.append(text);
    const QString line = NoDisplayText(heldProgram, texts, std::getenv) + QLatin1Char('\n');
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

QString NoDisplayText(const QString& program, const QStringList& qtMessages,
                      const std::function<const char*(const char*)>& environment) {
    // Qt names each platform it could not start in its messages, in the order it tried them.
    static const QRegularExpression named(QStringLiteral("platform plugin \"([^\"]+)\""));
    QStringList platforms;
    for (const QString& message : qtMessages)
        for (const QRegularExpressionMatch& match : named.globalMatch(message))
            if (!platforms.contains(match.captured(1))) platforms.append(match.captured(1));

    QStringList tried;
    for (const QString& platform : platforms) tried.append(Tried(platform, environment));
    // Some other failure: Qt's own first line says what.
    if (tried.isEmpty() && !qtMessages.isEmpty()) tried.append(qtMessages.last().section(QLatin1Char('\n'), 0, 0));
    //: %1 is the program's name.
    if (tried.isEmpty()) return Tr("no_display", "%1: 画面を開けません。").arg(program);
    //: What stands between two of the displays tried in the line below.
    const QString between = Tr("no_display", "。");
    //: %1 is the program's name, %2 every display tried, each as one of the sentences above.
    return Tr("no_display", "%1: 画面を開けません: %2。").arg(program, tried.join(between));
}

DisplayWatch::DisplayWatch(QString program) {
    const std::lock_guard lock(heldLock);
    heldProgram = std::move(program);
    previousHandler = qInstallMessageHandler(HoldMessage);
}

DisplayWatch::~DisplayWatch() { Opened(); }

void DisplayWatch::Opened() {
    if (!watching_) return;
    watching_ = false;
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(heldLock);
        qInstallMessageHandler(previousHandler);
        messages.swap(held);
    }
    for (const HeldMessage& m : messages) {
        const QMessageLogContext context(m.file.empty() ? nullptr : m.file.c_str(), m.line,
                                         m.function.empty() ? nullptr : m.function.c_str(),
                                         m.category.empty() ? nullptr : m.category.c_str());
        previousHandler(m.type, context, m.text);
    }
}

}  // namespace tessaro
