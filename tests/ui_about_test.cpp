// The about window, reading registry values through a registry that answers
// anything, and finding the system-information tool.

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>

#include "ui/app_info.h"
#include "ui/frm_about.h"
#include "ui/key_value.h"
#include "ui/pictures.h"

namespace tessaro {
namespace {

struct FakeValue {
    RegStatus status = kErrorSuccess;
    std::uint32_t type = kRegSz;
    std::uint32_t size = 0;  // what the registry reports, true or not
    QByteArray bytes;
};

// Holds whatever keys and values a test puts in, and logs every call to the
// shared log so that the order of look-ups and actions can be checked.
class FakeRegistry final : public Registry {
public:
    explicit FakeRegistry(QStringList& log) : log_(log) {}
    std::map<std::string, std::map<std::string, FakeValue>> keys;
    std::set<RegHandle> openKeys;
    std::uint32_t lastAccess = 0;

    RegStatus RegOpenKeyExA(RegHandle root, const std::string& subKey, std::uint32_t, std::uint32_t samDesired,
                            RegHandle& key) override {
        log_ << QStringLiteral("open ") + QString::fromStdString(subKey);
        lastAccess = samDesired;
        const auto found = keys.find(subKey);
        if (root != kHKeyLocalMachine || found == keys.end()) return kErrorFileNotFound;
        key = next_++;
        handles_[key] = &found->second;
        openKeys.insert(key);
        return kErrorSuccess;
    }
    RegStatus RegQueryValueExA(RegHandle key, const std::string& name, std::uint32_t& type, std::uint8_t* data,
                               std::uint32_t& size) override {
        log_ << QStringLiteral("query ") + QString::fromStdString(name);
        if (openKeys.count(key) == 0) return kErrorInvalidHandle;
        const auto found = handles_[key]->find(name);
        if (found == handles_[key]->end()) return kErrorFileNotFound;
        const FakeValue& value = found->second;
        std::memcpy(data, value.bytes.constData(), std::min<std::size_t>(value.bytes.size(), size));
        type = value.type;
        size = value.size;
        return value.status;
    }
    RegStatus RegCloseKey(RegHandle key) override {
        log_ << QStringLiteral("close");
        return openKeys.erase(key) == 1 ? kErrorSuccess : kErrorInvalidHandle;
    }

private:
    QStringList& log_;
    std::map<RegHandle, std::map<std::string, FakeValue>*> handles_;
    RegHandle next_ = 100;
};

FakeValue Text(const QByteArray& bytes) {
    return {kErrorSuccess, kRegSz, static_cast<std::uint32_t>(bytes.size()), bytes};
}

// Starts nothing and shows nothing; logs what would have happened.
SysInfoActions LoggedActions(QStringList& log, bool startWorks) {
    return {[&log](const QString& file) {
        log << QStringLiteral("exists ") + file;
        return !file.contains(QStringLiteral("missing"));
            },
            [&log, startWorks](const QString& program) {
        log << QStringLiteral("start ") + program;
        if (program == QStringLiteral("throws")) throw std::runtime_error("no");
        return startWorks;
    },
        [&log](const QString& text) { log << QStringLiteral("message ") + text; }};
}

const QString kPathKey = QString::fromUtf8(kMsinfoKey);
const QString kFolderKey = QString::fromUtf8(kSharedToolsLocationKey);
const QString kMessage = QStringLiteral("message 現時点ではｼｽﾃﾑ情報を使用できません");

}  // namespace

class UiAboutTest : public QObject {
    Q_OBJECT
private slots:
    void getKeyValue_data() {
        QTest::addColumn<bool>("keyExists");
        QTest::addColumn<int>("status");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qlonglong>("size");  // -1: the length of bytes
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray z(1, '\0');
        QTest::newRow("text ending in its zero")
            << true << 0 << 1u << QByteArray("/bin/tool") + z << -1LL << true << QByteArray("/bin/tool");
        QTest::newRow("text without its zero")
            << true << 0 << 1u << QByteArray("/bin/tool") << -1LL << true << QByteArray("/bin/tool");
        QTest::newRow("only the last zero goes")
            << true << 0 << 1u << "a" + z + "b" + z + z << -1LL << true << "a" + z + "b" + z;
        QTest::newRow("reported size cuts the text")
            << true << 0 << 1u << QByteArray("abcdef") << 3LL << true << QByteArray("abc");
        QTest::newRow("number, two digits a byte")
            << true << 0 << 4u << QByteArray("\x0A\xB0\x01\x0F") << -1LL << true << QByteArray("&h0F01B00A");
        QTest::newRow("number ending in a zero byte")
            << true << 0 << 4u << "\x01\x02" + z << -1LL << true << QByteArray("&h0201");
        QTest::newRow("other type keeps the old text")
            << true << 0 << 3u << QByteArray("\x01\x02") << -1LL << true << QByteArray("old");
        QTest::newRow("size 0") << true << 0 << 1u << QByteArray("abc") << 0LL << false << QByteArray("");
        QTest::newRow("size past the buffer")
            << true << 0 << 1u << QByteArray(1024, 'x') << 1025LL << false << QByteArray("");
        QTest::newRow("full buffer without zero")
            << true << 0 << 1u << QByteArray(1024, 'x') << -1LL << true << QByteArray(1024, 'x');
        QTest::newRow("query fails") << true << int(kErrorMoreData) << 1u << QByteArray("abc") << 3LL << false
                                     << QByteArray("");
        QTest::newRow("open fails") << false << 0 << 1u << QByteArray("abc") << -1LL << false << QByteArray("");
    }
    void getKeyValue() {
        QFETCH(bool, keyExists);
        QFETCH(int, status);
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        QFETCH(qlonglong, size);
        QFETCH(bool, ok);
        QFETCH(QByteArray, expected);
        QStringList log;
        FakeRegistry registry(log);
        if (keyExists) {
            const auto reported = static_cast<std::uint32_t>(size < 0 ? bytes.size() : size);
            registry.keys["K"]["V"] = {status, type, reported, bytes};
        }
        std::string keyVal = "old";
        QCOMPARE(GetKeyValue(registry, kHKeyLocalMachine, "K", "V", keyVal), ok);
        QCOMPARE(QByteArray::fromStdString(keyVal), expected);
        QCOMPARE(registry.lastAccess, 0x2003Fu);
        // A key that was opened is closed exactly once; one that was not is never closed.
        QVERIFY(registry.openKeys.empty());
        QCOMPARE(log.count(QStringLiteral("close")), keyExists ? 1 : 0);
    }

    void startSysInfo_data() {
        QTest::addColumn<QByteArray>("path");    // empty: no such value
        QTest::addColumn<QByteArray>("folder");  // empty: no such value
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QStringList>("expected");
        const QStringList pathRead = {"open " + kPathKey, "query PATH", "close"};
        const QStringList noPath = {"open " + kPathKey,   "query PATH",   "close",
                                    "open " + kFolderKey, "query MSINFO", "close"};
        QTest::newRow("path is started untested") << QByteArray("/missing/tool\0", 14) << QByteArray("/opt") << true
                                                  << pathRead + QStringList{"start /missing/tool"};
        QTest::newRow("path fails to start")
            << QByteArray("/bin/tool") << QByteArray() << false << pathRead + QStringList{"start /bin/tool", kMessage};
        QTest::newRow("start throws") << QByteArray("throws") << QByteArray() << true
                                      << pathRead + QStringList{"start throws", kMessage};
        QTest::newRow("folder with the program")
            << QByteArray() << QByteArray("/opt/si") << true
            << noPath + QStringList{"exists /opt/si\\MSINFO32.EXE", "start /opt/si\\MSINFO32.EXE"};
        QTest::newRow("folder without the program") << QByteArray() << QByteArray("/missing") << true
                                                    << noPath + QStringList{"exists /missing\\MSINFO32.EXE", kMessage};
        QTest::newRow("neither value") << QByteArray() << QByteArray() << true << noPath + QStringList{kMessage};
    }
    void startSysInfo() {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, folder);
        QFETCH(bool, startWorks);
        QFETCH(QStringList, expected);
        QStringList log;
        FakeRegistry registry(log);
        registry.keys[kMsinfoKey];
        registry.keys[kSharedToolsLocationKey];
        if (!path.isEmpty()) registry.keys[kMsinfoKey]["PATH"] = Text(path);
        if (!folder.isEmpty()) registry.keys[kSharedToolsLocationKey]["MSINFO"] = Text(folder);
        StartSysInfo(registry, LoggedActions(log, startWorks));
        QCOMPARE(log, expected);
    }

    void realStarterRefusesWhatCannotRun() {
        QVERIFY(!StartDetachedProgram(QString()));
        QVERIFY(!StartDetachedProgram(QStringLiteral("/bin/true") + QChar(u'\0') + QStringLiteral("x")));
        QVERIFY(!StartDetachedProgram(QStringLiteral("/nonexistent/tessaro-sysinfo")));
    }

    void linuxLayerFindsTheFirstTool() {
        QTemporaryDir dir;
        auto make = [&](const QString& name, bool executable) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.setPermissions(executable ? QFile::ReadOwner | QFile::ExeOwner : QFile::ReadOwner);
        };
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a/kinfocenter")));  // a folder, not a program
        make(QStringLiteral("a/hardinfo"), false);                          // not executable
        make(QStringLiteral("a/gnome-system-monitor"), true);
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("b")));
        make(QStringLiteral("b/kinfocenter"), true);
        SystemInfoRegistry registry({dir.filePath("a").toStdString(), dir.filePath("b").toStdString()});
        std::string value;
        QVERIFY(GetKeyValue(registry, kHKeyLocalMachine, "software\\microsoft\\shared tools\\msinfo", "Path", value));
        QCOMPARE(QString::fromStdString(value), dir.filePath("b/kinfocenter"));
        QVERIFY(!GetKeyValue(registry, kHKeyLocalMachine, kSharedToolsLocationKey, "MSINFO", value));
        QVERIFY(!GetKeyValue(registry, kHKeyLocalMachine, kMsinfoKey, "MSINFO", value));

        SystemInfoRegistry empty({dir.filePath("b/nowhere").toStdString()});
        QStringList log;
        StartSysInfo(empty, LoggedActions(log, true));
        QCOMPARE(log, QStringList{kMessage});
    }

    void searchPathKeepsAbsoluteFolders() {
        const QByteArray saved = qgetenv("PATH");
        qputenv("PATH", "::/usr/bin:relative:/bin:");
        const auto folders = SystemInfoRegistry::SearchPathFromEnvironment();
        qputenv("PATH", saved);
        QCOMPARE(folders, (std::vector<std::filesystem::path>{"/usr/bin", "/bin"}));
    }

    void windowTextsAndPlaces() {
        QStringList log;
        FakeRegistry registry(log);
        frmAbout about(registry, TwipsScale{15.0});
        QCOMPARE(about.windowTitle(), QStringLiteral("Tessaroのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(about.lblTitle->text(), QStringLiteral("Tessaro"));
        QCOMPARE(about.lblVersion->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0"));
        QCOMPARE(about.lblLegalCopyright->text(), QStringLiteral("著作権 ") + QString::fromUtf8(app::kRightsHolder));
        QCOMPARE(
            about.lblDescription->text(),
            QStringLiteral("正6面体の面色合わせパズルです。3次元立方体ではなく、2次元の展開図とした各ブロックの動きを予"
                           "測して解いて下さい。"
                           "なお、一面のブロック数2×2－10×10まで用意しましたが、貴方は何面まで解読できましたか？"));
        QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("ｼｽﾃﾑ情報(&S)..."));

        const std::vector<std::pair<QWidget*, QRect>> places = {{about.picIcon[1], {16, 16, 32, 32}},
                                                                {about.picIcon[0], {328, 40, 36, 36}},
                                                                {about.lblTitle, {80, 16, 259, 24}},
                                                                {about.lblVersion, {88, 48, 115, 15}},
                                                                {about.lblLegalCopyright, {216, 48, 121, 17}},
                                                                {about.lblDescription, {80, 80, 259, 78}},
                                                                {about.cmdOK, {283, 175, 92, 23}},
                                                                {about.cmdSysInfo, {284, 205, 92, 23}}};
        for (const auto& [control, rect] : places) QCOMPARE(control->geometry(), rect);
        QCOMPARE(about.minimumSize(), QSize(382, 237));
        QCOMPARE(about.maximumSize(), QSize(382, 237));
        QCOMPARE(about.pos(), QPoint(156, 129));
        QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(frmAbout(registry, TwipsScale::ForDpi(192)).minimumSize(), QSize(764, 474));

        // The etching: grey on top, white beneath, between the text and the buttons.
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QImage image = about.grab().toImage();
        QCOMPARE(image.pixelColor(200, 163), QColor(128, 128, 128));
        QCOMPARE(image.pixelColor(200, 164), QColor(Qt::white));
    }

    void picturesStayCrispAtWholeScales() {
        QStringList log;
        FakeRegistry registry(log);
        frmAbout about(registry, TwipsScale{15.0});
        for (QLabel* label : about.picIcon) {
            const QImage source = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
            std::set<QRgb> drawn;
            for (int y = 0; y < source.height(); ++y)
                for (int x = 0; x < source.width(); ++x) drawn.insert(source.pixel(x, y));
            for (int ratio : {2, 3}) {
                QImage shown(label->size() * ratio, QImage::Format_ARGB32);
                shown.fill(Qt::transparent);
                shown.setDevicePixelRatio(ratio);
                label->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
                // Each picture pixel is a ratio x ratio square of its own colour.
                const QPoint corner = label->contentsRect().topLeft() * ratio;
                for (int y = 0; y < source.height() * ratio; ++y)
                    for (int x = 0; x < source.width() * ratio; ++x)
                        QCOMPARE(shown.pixel(corner + QPoint(x, y)), source.pixel(x / ratio, y / ratio));
            }
            QVERIFY(drawn.size() > 2);
        }
    }

    void windowIconOffersEveryInstalledSize() {
        const QList<QSize> sizes = ProgramIcon().availableSizes();
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        QVERIFY(!ProgramIcon().pixmap(QSize(256, 256)).isNull());
    }

    void picturesHaveNamesForScreenReaders() {
        QStringList log;
        FakeRegistry registry(log);
        frmAbout about(registry, TwipsScale{15.0});
        QCOMPARE(QAccessible::queryAccessibleInterface(about.picIcon[1])->text(QAccessible::Name),
                 QStringLiteral("Tessaroのアイコン"));
        QCOMPARE(QAccessible::queryAccessibleInterface(about.picIcon[0])->text(QAccessible::Name),
                 QStringLiteral("招き猫の絵"));
        QCOMPARE(QAccessible::queryAccessibleInterface(about.picIcon[0])->role(), QAccessible::Graphic);
    }

    void tabOrderAndButtons() {
        QStringList log;
        FakeRegistry registry(log);
        frmAbout about(registry, TwipsScale{15.0});
        QList<QWidget*> chain;
        for (QWidget* w = about.cmdOK; chain.size() < 8; w = w->nextInFocusChain()) chain << w;
        QCOMPARE(chain,
                 (QList<QWidget*>{about.cmdOK, about.picIcon[0], about.cmdSysInfo, about.lblTitle, about.lblVersion,
                                  about.lblLegalCopyright, about.lblDescription, about.picIcon[1]}));
        QVERIFY(about.cmdOK->isDefault());

        // The system-information button never closes the window, whatever happens.
        about.SetSysInfoActions(LoggedActions(log, true));
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget(), about.cmdOK);
        QTest::keyClick(about.cmdOK, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about.cmdSysInfo);
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
        QCOMPARE(log.last(), kMessage);
        QVERIFY(about.isVisible());
    }

    void enterAndEscClose_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscClose() {
        QFETCH(int, key);
        QStringList log;
        FakeRegistry registry(log);
        frmAbout about(registry, TwipsScale{15.0});
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget(), about.cmdOK);
        QTest::keyClick(about.cmdOK, Qt::Key(key));
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiAboutTest)
#include "ui_about_test.moc"
