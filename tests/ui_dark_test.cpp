// Every window under a dark colour scheme (Fusion with a palette like Breeze
// Dark), offscreen: each text is measured from the grabbed window, its
// letters' colour against what surrounds them, and must reach the WCAG's
// 4.5:1.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTextBrowser>
#include <QtTest>
#include <map>

#include "options/options_store.h"
#include "records/records_store.h"
#include "scripted_random.h"
#include "ui/click_sound.h"
#include "ui/clock.h"
#include "ui/dialogs.h"
#include "ui/frm_about.h"
#include "ui/frm_congratulations.h"
#include "ui/frm_cube.h"
#include "ui/frm_help.h"
#include "ui/frm_splash.h"
#include "ui/options_panel.h"
#include "ui/plain_message.h"
#include "ui/readable_text.h"
#include "ui/registry.h"

namespace tessaro {

namespace {

QPalette DarkPalette() {
    QPalette p;
    const std::pair<QPalette::ColorRole, QColor> colours[] = {{QPalette::Window, QColor(42, 46, 50)},
                                                              {QPalette::WindowText, QColor(252, 252, 252)},
                                                              {QPalette::Base, QColor(27, 30, 32)},
                                                              {QPalette::AlternateBase, QColor(35, 38, 41)},
                                                              {QPalette::Text, QColor(252, 252, 252)},
                                                              {QPalette::Button, QColor(49, 54, 59)},
                                                              {QPalette::ButtonText, QColor(252, 252, 252)},
                                                              {QPalette::Highlight, QColor(61, 174, 233)},
                                                              {QPalette::HighlightedText, QColor(252, 252, 252)},
                                                              {QPalette::ToolTipBase, QColor(49, 54, 59)},
                                                              {QPalette::ToolTipText, QColor(252, 252, 252)},
                                                              {QPalette::Light, QColor(64, 70, 76)},
                                                              {QPalette::Midlight, QColor(54, 59, 64)},
                                                              {QPalette::Mid, QColor(37, 41, 44)},
                                                              {QPalette::Dark, QColor(25, 27, 29)},
                                                              {QPalette::Shadow, QColor(16, 17, 18)},
                                                              {QPalette::BrightText, QColor(255, 255, 255)},
                                                              {QPalette::Link, QColor(29, 153, 243)},
                                                              {QPalette::PlaceholderText, QColor(161, 169, 177)}};
    for (const auto& [role, colour] : colours) p.setColor(role, colour);
    return p;
}

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

struct Measured {
    int letters = 0;  // pixels of the text's own colour
    QColor around;    // the colour that most often surrounds them
    double contrast = 0;
};

// The text's own colour is where its letters are fully covered; around
// them, past the blended edge, lies what the text is read against: the
// ground, or a halo.
Measured Measure(const QImage& image, const QColor& text) {
    Measured m;
    std::map<QRgb, int> around;
    const QRgb t = text.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (Distance(image.pixel(x, y), t) > 48) continue;
            ++m.letters;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) {
                    const QPoint p(x + dx, y + dy);
                    if (image.valid(p) && Distance(image.pixel(p), t) > 96) ++around[image.pixel(p) | 0xFF000000];
                }
        }
    if (around.empty()) return m;
    const auto most = std::max_element(around.begin(), around.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    m.around = QColor(most->first);
    m.contrast = ContrastRatio(text, m.around);
    return m;
}

class NoRegistry final : public Registry {
public:
    RegStatus RegOpenKeyExA(RegHandle, const std::string&, std::uint32_t, std::uint32_t, RegHandle&) override {
        return kErrorFileNotFound;
    }
    RegStatus RegQueryValueExA(RegHandle, const std::string&, std::uint32_t&, std::uint8_t*, std::uint32_t&) override {
        return kErrorFileNotFound;
    }
    RegStatus RegCloseKey(RegHandle) override { return 0; }
};

}  // namespace

class UiDarkTest : public QObject {
    Q_OBJECT

    // Each text of a shown window, grabbed as the window shows it.
    void CheckTexts(QWidget& window, const std::vector<std::pair<QWidget*, QColor>>& texts) {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const auto& [widget, colour] : texts) {
            QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
            const QRect place(widget->mapTo(&window, QPoint(0, 0)), widget->size());
            const QImage image = window.grab(place).toImage().convertToFormat(QImage::Format_RGB32);
            const Measured m = Measure(image, colour);
            const QString what = QStringLiteral("%1 in %2: %3 letter pixels of %4 against %5, %6:1")
                                     .arg(widget->objectName(), window.objectName())
                                     .arg(m.letters)
                                     .arg(colour.name(), m.around.name())
                                     .arg(m.contrast, 0, 'f', 2);
            QVERIFY2(m.letters > 0, qPrintable(what));
            QVERIFY2(m.contrast >= kReadableContrast, qPrintable(what));
        }
    }
    static QColor Foreground(const QWidget* w) { return w->palette().color(w->foregroundRole()); }
    static std::pair<QWidget*, QColor> Own(QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return {w, Foreground(w)};
    }

private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }

    void mainWindowAndOptionsPanel() {
        QTemporaryDir dir;
        OptionsStore options(dir.path().toStdString());
        RecordsStore records(dir.filePath(QStringLiteral("data")).toStdString());
        testing::ScriptedRandom random;
        WindowDialogs dialogs;
        ClickSound sound(dir.filePath(QStringLiteral("Click.wav")).toStdString());
        SystemInfoRegistry registry(std::vector<std::filesystem::path>{});
        SystemClock clock;
        frmCube w({options, records, random, dialogs, sound, registry, clock, TwipsScale{15}});
        w.setObjectName(QStringLiteral("main window"));
        w.show();
        w.resize(900, 600);
        for (auto [mes, text] : {std::pair{Mes::Faces, "現在全色一致している面数は　2　面です"},
                                 std::pair{Mes::Time, "所要時間　00時間00分01秒　です"},
                                 std::pair{Mes::Clicks, "今までのクリック回数は　1　回です"}}) {
            w.PlaceLabel(mes, 200, 300 + 500 * static_cast<int>(mes));
            w.SetLabelText(mes, text);
            w.SetLabelVisible(mes, true);
        }
        w.ShowNotice(3000, 300, "ただいまデモ中につき自動操作中");
        CheckTexts(w, {Own(w.lblMes(0), "lblMes(0)"), Own(w.lblMes(1), "lblMes(1)"), Own(w.lblMes(2), "lblMes(2)"),
                       Own(w.lblMes(3), "lblMes(3)"), Own(w.menuBar(), "menu bar")});
        w.ShowNotice(3000, 300, "");
        w.lblMes(3)->hide();

        w.mnuOption_Click();
        OptionsPanel& panel = *w.sstOption();
        panel.cmbOption(0)->lineEdit()->deselect();  // selected text is the palette's own pair
        CheckTexts(w, {Own(panel.lblOption(0), "lblOption(0)"), Own(panel.lblOption(1), "lblOption(1)"),
                       Own(panel.chkOption(0), "chkOption(0)"), Own(panel.chkOption(1), "chkOption(1)"),
                       Own(panel.cmdOk(), "cmdOk"), Own(panel.cmdCancel(), "cmdCancel"),
                       Own(panel.cmbOption(0)->lineEdit(), "cmbOption(0)"),
                       Own(panel.cmbOption(1)->lineEdit(), "cmbOption(1)"), Own(panel.tabBar(), "tab")});
    }

    void aboutSplashAndCongratulations() {
        NoRegistry registry;
        frmAbout about(registry, TwipsScale{15});
        about.setObjectName(QStringLiteral("about"));
        about.show();
        CheckTexts(about,
                   {Own(about.lblTitle, "lblTitle"), Own(about.lblVersion, "lblVersion"),
                    Own(about.lblLegalCopyright, "lblLegalCopyright"), Own(about.lblDescription, "lblDescription"),
                    Own(about.cmdOK, "cmdOK"), Own(about.cmdSysInfo, "cmdSysInfo")});

        frmSplash splash(TwipsScale{15});
        splash.setObjectName(QStringLiteral("splash"));
        splash.show();
        CheckTexts(splash, {Own(splash.lblProductName(), "lblProductName"), Own(splash.lblVersion(), "lblVersion"),
                            Own(splash.lblCopyright(), "lblCopyright")});

        frmCongratulations won(nullptr, TwipsScale{15}, 0, 0, QPoint(), [] {});
        won.setObjectName(QStringLiteral("congratulations"));
        won.show();
        CheckTexts(won, {Own(won.Label1(), "Label1"), Own(won.cmdOK(), "cmdOK")});
    }

    void howToPlay() {
        frmHelp help;
        help.setObjectName(QStringLiteral("how to play"));
        help.show();
        QWidget* text = help.txtHelp->viewport();
        text->setObjectName(QStringLiteral("txtHelp"));
        CheckTexts(help, {{text, help.txtHelp->palette().color(QPalette::Text)}, Own(help.cmdOK, "cmdOK")});
    }

    void messageAndInputBoxes() {
        auto box = PlainMessageBox(nullptr, QMessageBox::Warning, QStringLiteral("Tessaro"),
                                   QStringLiteral("オプションを読み込めませんでした。"));
        box->setObjectName(QStringLiteral("message box"));
        box->show();
        CheckTexts(*box, {Own(box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")), "text"),
                          Own(box->button(QMessageBox::Ok), "OK")});

        QInputDialog input;
        input.setObjectName(QStringLiteral("input box"));
        input.setLabelText(QStringLiteral("半角で数値を入力して下さい"));
        input.setTextValue(QStringLiteral("12"));
        input.show();
        input.findChild<QLineEdit*>()->deselect();  // selected text is the palette's own pair
        std::vector<std::pair<QWidget*, QColor>> texts = {Own(input.findChild<QLabel*>(), "prompt"),
                                                          Own(input.findChild<QLineEdit*>(), "typed")};
        for (QPushButton* button : input.findChildren<QPushButton*>()) texts.push_back(Own(button, "button"));
        CheckTexts(input, texts);
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiDarkTest)
#include "ui_dark_test.moc"
