#include "ui/frm_help.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "session/help_texts.h"
#include "ui/game_language.h"

namespace tessaro {

namespace {

// Wide enough for about this many ideographs a line.
constexpr int kLineLength = 34;

}  // namespace

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr("frmHelp", kHelpTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setAccessibleName(Tr("frmHelp", kHelpTitle));
    txtHelp->setOpenLinks(false);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHelp->setHtml(Tr("frmHelp", kHelpText));

    cmdOK = new QPushButton(Tr("frmHelp", kHelpClose), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // As wide as a comfortable line in the player's font, as high as the
    // whole text, within most of the screen; the text scrolls beyond that.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const int frame = 2 * txtHelp->frameWidth();
    const int bar = txtHelp->verticalScrollBar()->sizeHint().width();
    const int width = std::min(kLineLength * txtHelp->fontMetrics().horizontalAdvance(QChar(0x3042)) + frame,
                               room.width() * 4 / 5);
    txtHelp->document()->setTextWidth(width - frame);
    const int whole = static_cast<int>(txtHelp->document()->size().height()) + frame;
    const int most = room.height() * 3 / 5;
    // A text that scrolls has the scroll bar beside it, not over it.
    txtHelp->setFixedSize(whole > most ? width + bar : width, std::min(whole, most));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHelp);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The text first: a screen reader reads it, and the arrow keys scroll it.
    txtHelp->setFocus();
}

}  // namespace tessaro
