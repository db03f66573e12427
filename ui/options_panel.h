#pragma once
// sstOption: the options panel that lies hidden on the main window and opens
// in place from the Option menu. OK copies it into the options record and
// saves; Cancel only hides it, leaving whatever was typed and checked.

#include <QTabWidget>

#include <array>
#include <functional>

#include "board/twips.h"
#include "options/options_store.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tessaro {

class OptionsPanel : public QTabWidget {
    Q_OBJECT
public:
    OptionsPanel(QWidget* parent, OptionsStore& store, TwipsScale scale);

    // Tells the player about a file error or a bad block count. Replaced by
    // tests; by default a warning box titled like the main window.
    std::function<void(const QString&)> showMessage;

    void mnuOption_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

    // The state a new game reads: 0 shows the shuffle, 1 runs the
    // demonstration. Read from the check box itself, never from the file.
    bool IsChecked(int index) const;

    QComboBox* cmbOption(int index) const { return cmbOption_.at(static_cast<std::size_t>(index)); }
    QCheckBox* chkOption(int index) const { return chkOption_.at(static_cast<std::size_t>(index)); }
    QLabel* lblOption(int index) const { return lblOption_.at(static_cast<std::size_t>(index)); }
    QPushButton* cmdOk() const { return cmdOk_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placement {
        QWidget* widget;
        int left, top, width, height;  // twips from the panel's top-left corner
    };

    void FitControls();
    void PlaceControls();
    void FocusBlockCount();

    OptionsStore& store_;
    TwipsScale scale_;
    QWidget* page_ = nullptr;
    std::array<QComboBox*, 2> cmbOption_{};
    std::array<QCheckBox*, 2> chkOption_{};
    std::array<QLabel*, 2> lblOption_{};
    QPushButton* cmdOk_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    std::array<Placement, 8> placements_{};
    std::array<QRect, 8> fitted_{};  // pixels from the panel's corner, grown to their captions
};

}  // namespace tessaro
