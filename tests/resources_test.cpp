// The pictures and the click sound: each loads through the toolkit's own
// readers from where the game looks for it, with the sizes, colours and
// transparency the game relies on; the kept files are exactly what the
// generator draws today; and our GIF and icon writers survive a round trip
// through the toolkit's readers.

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QtEndian>
#include <QtTest>
#include <algorithm>

#include "resources/generator/artwork.h"
#include "resources/resource_paths.h"

namespace tessaro {
namespace {

// Which pixels must be transparent. The desktop icons fill their squares
// down to 16 pixels, where only the two corners the cube's receding faces
// leave open stay clear.
enum class Clear { None, Corners, OpenCorners, Everywhere };

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QString KeptFile(const QString& relative) { return QStringLiteral(TESSARO_RESOURCES_SOURCE_DIR "/") + relative; }

QList<QImage> ReadImages(const QString& path) {
    QImageReader reader(path);
    QList<QImage> images;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i) && i > 0) break;
        images << reader.read().convertToFormat(QImage::Format_ARGB32);
    }
    return images;
}

int OpaqueColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

bool EveryAlphaIs(const QImage& image, int alpha) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != alpha) return false;
    return true;
}

// A reproducible scatter of palette indexes, with runs now and then so that
// the LZW coder also meets long repeats.
std::vector<std::uint8_t> Scatter(int count, int colours) {
    std::vector<std::uint8_t> pixels;
    std::uint32_t seed = 2024;
    while (static_cast<int>(pixels.size()) < count) {
        seed = seed * 1103515245u + 12345u;
        const auto index = static_cast<std::uint8_t>((seed >> 16) % static_cast<std::uint32_t>(colours));
        const int run = (seed >> 8) % 7 == 0 ? 40 : 1;
        for (int i = 0; i < run && static_cast<int>(pixels.size()) < count; ++i) pixels.push_back(index);
    }
    return pixels;
}

std::vector<Rgba> DistinctPalette(int colours) {
    std::vector<Rgba> palette;
    for (int i = 0; i < colours; ++i)
        palette.push_back({static_cast<std::uint8_t>(i * 37 % 256), static_cast<std::uint8_t>(255 - i),
                           static_cast<std::uint8_t>(i * 101 % 256), 255});
    return palette;
}

QRgb Expected(const PaletteImage& image, int x, int y) {
    const Rgba c = image.palette[image.pixels[static_cast<std::size_t>(y * image.width + x)]];
    return c.a == 0 ? qRgba(0, 0, 0, 0) : qRgba(c.r, c.g, c.b, 255);
}

QImage Decode(const Bytes& bytes, const char* format) {
    return QImage::fromData(
               QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())), format)
        .convertToFormat(QImage::Format_ARGB32);
}

void CompareDecoded(const QImage& decoded, const PaletteImage& image) {
    QCOMPARE(decoded.size(), QSize(image.width, image.height));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (decoded.pixel(x, y) != Expected(image, x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y)));
}

}  // namespace

class ResourcesTest : public QObject {
    Q_OBJECT
private slots:
    void picturesLoad_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::addColumn<bool>("sixteenColours");
        QTest::addColumn<Clear>("clear");
        QTest::newRow("program icon") << kProgramIconPath << QList<QSize>{{32, 32}} << true << Clear::Corners;
        QTest::newRow("smiley") << kSmileyPath << QList<QSize>{{32, 32}, {16, 16}} << true << Clear::Corners;
        QTest::newRow("invisible") << kInvisiblePointerPath << QList<QSize>{{32, 32}} << true << Clear::Everywhere;
        QTest::newRow("logo") << kLogoPath << QList<QSize>{{323, 321}} << true << Clear::None;
        QTest::newRow("rainbow") << kRainbowPath << QList<QSize>{{192, 134}} << false << Clear::None;
        QTest::newRow("cat") << kCatIconPath << QList<QSize>{{32, 32}} << true << Clear::None;
        for (int s : kThemeIconSizes) {
            QTest::addRow("desktop icon %d", s) << KeptFile(QStringLiteral("icons/%1x%1/tessaro.png").arg(s))
                                                << QList<QSize>{{s, s}} << false << Clear::OpenCorners;
        }
    }
    void picturesLoad() {
        QFETCH(QString, path);
        QFETCH(QList<QSize>, sizes);
        QFETCH(bool, sixteenColours);
        QFETCH(Clear, clear);
        const QList<QImage> images = ReadImages(path);
        QCOMPARE(images.size(), sizes.size());
        for (qsizetype i = 0; i < images.size(); ++i) {
            const QImage& image = images[i];
            QCOMPARE(image.size(), sizes[i]);
            if (sixteenColours) QVERIFY(OpaqueColourCount(image) <= 16);
            const int w = image.width() - 1;
            const int h = image.height() - 1;
            switch (clear) {
            case Clear::None: QVERIFY(EveryAlphaIs(image, 255)); break;
            case Clear::Everywhere: QVERIFY(EveryAlphaIs(image, 0)); break;
            case Clear::Corners:
                QCOMPARE(qAlpha(image.pixel(w, 0)), 0);
                QCOMPARE(qAlpha(image.pixel(0, h)), 0);
                [[fallthrough]];
            case Clear::OpenCorners:
                QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
                QCOMPARE(qAlpha(image.pixel(w, h)), 0);
                QCOMPARE(qAlpha(image.pixel(w / 2, h / 2)), 255);
                break;
            }
        }
    }

    // The toolkit's reader turns every icon into 32-bit pixels, so the
    // 4-bit depth and the mask are checked in the file itself.
    void iconFilesHold4BitImagesWithMasks_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("count");
        QTest::newRow("program icon") << kProgramIconPath << 1;
        QTest::newRow("smiley") << kSmileyPath << 2;
        QTest::newRow("invisible") << kInvisiblePointerPath << 1;
        QTest::newRow("cat") << kCatIconPath << 1;
    }
    void iconFilesHold4BitImagesWithMasks() {
        QFETCH(QString, path);
        QFETCH(int, count);
        const QByteArray file = ReadAll(path);
        const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
        QVERIFY(file.size() >= 6);
        QCOMPARE(qFromLittleEndian<quint16>(bytes + 4), quint16(count));
        for (int i = 0; i < count; ++i) {
            const uchar* entry = bytes + 6 + 16 * i;
            const int side = entry[0];
            QCOMPARE(int(entry[2]), 16);                                  // colours
            QCOMPARE(qFromLittleEndian<quint16>(entry + 6), quint16(4));  // bits per pixel
            const quint32 size = qFromLittleEndian<quint32>(entry + 8);
            const quint32 offset = qFromLittleEndian<quint32>(entry + 12);
            QVERIFY(offset + size <= quint32(file.size()));
            QCOMPARE(qFromLittleEndian<quint16>(bytes + offset + 14), quint16(4));
            QCOMPARE(qFromLittleEndian<qint32>(bytes + offset + 8), qint32(2 * side));
            // Header, 16 palette entries, the 4-bit rows and the 1-bit mask rows.
            const int colourRow = (side * 4 + 31) / 32 * 4;
            const int maskRow = (side + 31) / 32 * 4;
            QCOMPARE(size, quint32(40 + 16 * 4 + side * (colourRow + maskRow)));
        }
    }

    void rainbowIsSoftVerticalBands() {
        const QImage image = ReadImages(kRainbowPath).front();
        for (int y = 1; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) QCOMPARE(image.pixel(x, y), image.pixel(x, 0));
        // Pastel: no channel runs dark. Smooth: no step between neighbours.
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, 0);
            QVERIFY(std::min({c.red(), c.green(), c.blue()}) >= 120);
            if (x == 0) continue;
            const QColor before = image.pixelColor(x - 1, 0);
            QVERIFY(std::abs(c.red() - before.red()) <= 16 && std::abs(c.green() - before.green()) <= 16 &&
                    std::abs(c.blue() - before.blue()) <= 16);
        }
        // Red, pink, violet, blue, cyan, green, yellow, orange: the hue goes
        // round the colour wheel backwards, once, from band to band.
        const int band = image.width() / 8;
        int previous = 361;
        for (int i = 0; i < 8; ++i) {
            int hue = image.pixelColor(i * band + band / 2, 0).hsvHue();
            if (hue < 15) hue += 360;  // red sits at the top of the turn
            QVERIFY2(hue < previous, qPrintable(QStringLiteral("band %1").arg(i)));
            previous = hue;
        }
    }

    // The copy beside the game, which is what the game plays.
    void clickSoundIsShortPcm() {
        const QByteArray file = ReadAll(QStringLiteral(TESSARO_GAME_FOLDER "/") + kClickSoundFileName);
        const auto* b = reinterpret_cast<const uchar*>(file.constData());
        QVERIFY(file.size() > 44);
        QCOMPARE(file.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(b + 4), quint32(file.size() - 8));
        QCOMPARE(file.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint32>(b + 16), quint32(16));
        QCOMPARE(qFromLittleEndian<quint16>(b + 20), quint16(1));  // PCM
        QCOMPARE(qFromLittleEndian<quint16>(b + 22), quint16(1));  // mono
        const quint32 rate = qFromLittleEndian<quint32>(b + 24);
        QVERIFY(rate == 22050 || rate == 44100);
        QCOMPARE(qFromLittleEndian<quint32>(b + 28), rate * 2);
        QCOMPARE(qFromLittleEndian<quint16>(b + 32), quint16(2));
        QCOMPARE(qFromLittleEndian<quint16>(b + 34), quint16(16));
        QCOMPARE(file.mid(36, 4), QByteArray("data"));
        const quint32 dataBytes = qFromLittleEndian<quint32>(b + 40);
        QCOMPARE(dataBytes, quint32(file.size() - 44));
        const double ms = 1000.0 * (dataBytes / 2) / rate;
        QVERIFY2(ms >= 20 && ms <= 40, qPrintable(QString::number(ms)));
        // Audible, not clipped, and ending in silence so it does not pop.
        int peak = 0;
        for (quint32 i = 0; i < dataBytes / 2; ++i)
            peak = std::max(peak, std::abs(qFromLittleEndian<qint16>(b + 44 + 2 * i)));
        QVERIFY(peak > 8000 && peak < 32767);
        QCOMPARE(qFromLittleEndian<qint16>(b + file.size() - 2), qint16(0));
    }

    void generatorRedrawsTheKeptFiles() {
        const std::vector<ResourceFile> files = DrawAllResources();
        QCOMPARE(files.size(), kThemeIconSizes.size() + 7);
        for (const ResourceFile& file : files) {
            const QString path = QString::fromStdString(file.path);
            const QByteArray kept = ReadAll(KeptFile(path));
            const QByteArray drawn(reinterpret_cast<const char*>(file.bytes.data()),
                                   static_cast<qsizetype>(file.bytes.size()));
            QVERIFY2(!drawn.isEmpty(), qPrintable(path));
            QVERIFY2(drawn == kept, qPrintable(path + QStringLiteral(" differs; run resources/generate.sh")));
        }
    }

    void gifWriterRoundTrips_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("colours");
        QTest::newRow("one pixel") << 1 << 1 << 1;
        QTest::newRow("two colours, odd width") << 37 << 5 << 2;
        QTest::newRow("palette padded to 8") << 50 << 20 << 5;
        QTest::newRow("16 colours, table restarts") << 300 << 200 << 16;
        QTest::newRow("256 colours, widest codes") << 128 << 128 << 256;
    }
    void gifWriterRoundTrips() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, colours);
        const PaletteImage image{width, height, DistinctPalette(colours), Scatter(width * height, colours)};
        CompareDecoded(Decode(EncodeGif(image), "gif"), image);
    }

    void icoWriterRoundTrips_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("32 x 32") << 32 << 32;
        QTest::newRow("16 x 16") << 16 << 16;
        QTest::newRow("odd sides") << 13 << 7;
    }
    void icoWriterRoundTrips() {
        QFETCH(int, width);
        QFETCH(int, height);
        std::vector<Rgba> palette = DistinctPalette(16);
        palette[3] = kClear;
        palette[9] = kClear;
        const PaletteImage image{width, height, palette, Scatter(width * height, 16)};
        CompareDecoded(Decode(EncodeIco({image}), "ico"), image);
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::ResourcesTest)
#include "resources_test.moc"
