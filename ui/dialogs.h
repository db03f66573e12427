#pragma once
// The main window's modal boxes and windows. Each returns when it has been
// closed; tests replace them so that nothing waits for a person.

#include <QString>
#include <cstdint>
#include <functional>

#include "board/twips.h"
#include "records/records_table.h"

class QWidget;

namespace tessaro {

class Registry;

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A warning titled like the program.
    virtual void ShowMessage(QWidget* owner, const QString& text) = 0;
    // The text typed, or an empty text for Cancel.
    virtual QString InputBox(QWidget* owner, const QString& title, const QString& prompt) = 0;
    // The congratulations window at a place in twips from the top-left
    // corner of the owner's screen; `ok` runs when its OK is pressed.
    virtual void ShowCongratulations(QWidget* owner, TwipsScale scale, double left, std::int32_t top,
                                     std::function<void()> ok) = 0;
    // The about window; the registry is where it looks up the
    // system-information tool.
    virtual void ShowAbout(QWidget* owner, Registry& registry, TwipsScale scale) = 0;
    // The records window; `status` tells where the records are kept.
    virtual void ShowRecords(QWidget* owner, const RecordsTable& table, const QString& status) = 0;
    // The "How to play" window.
    virtual void ShowHelp(QWidget* owner) = 0;
};

// The real ones.
class WindowDialogs : public Dialogs {
public:
    void ShowMessage(QWidget* owner, const QString& text) override;
    QString InputBox(QWidget* owner, const QString& title, const QString& prompt) override;
    void ShowCongratulations(QWidget* owner, TwipsScale scale, double left, std::int32_t top,
                             std::function<void()> ok) override;
    void ShowAbout(QWidget* owner, Registry& registry, TwipsScale scale) override;
    void ShowRecords(QWidget* owner, const RecordsTable& table, const QString& status) override;
    void ShowHelp(QWidget* owner) override;
};

}  // namespace tessaro
