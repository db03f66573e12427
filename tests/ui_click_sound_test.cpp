// Which files the click sound hands to the player: waves of a click's size
// whose headers agree with the file, and nothing large, which is refused
// without being read.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtTest>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "ui/click_sound.h"
#include "ui/click_wave.h"

namespace tessaro {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& bytes, std::uint64_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutId(Bytes& bytes, const char* id) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(id[i]));
}

// One chunk, with its pad byte when its length is odd.
Bytes Chunk(const char* id, const Bytes& body, bool pad = true) {
    Bytes chunk;
    PutId(chunk, id);
    Put32(chunk, body.size());
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (pad && body.size() % 2 == 1) chunk.push_back(0);
    return chunk;
}

// 16 bits, mono, 22050 Hz.
Bytes Format() {
    Bytes f = {1, 0, 1, 0};
    Put32(f, 22050);
    Put32(f, 44100);
    f.insert(f.end(), {2, 0, 16, 0});
    return f;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
    Bytes body;
    PutId(body, "WAVE");
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes file;
    PutId(file, "RIFF");
    Put32(file, body.size());
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

Bytes Wave(std::size_t samples) { return Riff({Chunk("fmt ", Format()), Chunk("data", Bytes(2 * samples, 0x40))}); }

void Set32(Bytes& bytes, std::size_t at, std::uint64_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes With32(Bytes bytes, std::size_t at, std::uint64_t value) {
    Set32(bytes, at, value);
    return bytes;
}

Bytes With(Bytes bytes, std::size_t at, char a, char b, char c, char d) {
    for (const char byte : {a, b, c, d}) bytes[at++] = static_cast<std::uint8_t>(byte);
    return bytes;
}

void Write(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Bytes this process has read through any call, from any thread.
std::uint64_t BytesRead() {
    std::ifstream io("/proc/self/io");
    for (std::string name; io >> name;) {
        std::uint64_t value = 0;
        io >> value;
        if (name == "rchar:") return value;
    }
    return 0;
}

}  // namespace

class UiClickSoundTest : public QObject {
    Q_OBJECT

private slots:
    void onlyAClickSizedWaveThatAgreesWithItsSizeIsPlayed() {
        const std::size_t dataSize = 40;                            // where the data chunk's size lies in Wave()
        const std::size_t largest = (kMaxClickWaveBytes - 44) / 2;  // samples in the largest file taken
        struct Case {
            const char* what;
            Bytes file;
            bool sane;
        };
        const Bytes small = Wave(8);
        const std::vector<Case> cases = {
            {"a short wave", Wave(600), true},
            {"as large as a click may be", Wave(largest), true},
            {"one sample larger", Wave(largest + 1), false},
            {"an odd chunk, padded, before the data",
             Riff({Chunk("fmt ", Format()), Chunk("LIST", {'a', 'b', 'c'}), Chunk("data", Bytes(8, 1))}), true},
            {"an odd chunk whose pad byte is missing",
             Riff({Chunk("fmt ", Format()), Chunk("LIST", {'a', 'b', 'c'}, false), Chunk("data", Bytes(8, 1))}), false},
            {"odd data last, without its pad byte", Riff({Chunk("fmt ", Format()), Chunk("data", {1, 2, 3}, false)}),
             true},
            {"no format before the data", Riff({Chunk("data", Bytes(8, 1)), Chunk("fmt ", Format())}), false},
            {"a format too short", Riff({Chunk("fmt ", {1, 0, 1, 0}), Chunk("data", Bytes(8, 1))}), false},
            {"no data", Riff({Chunk("fmt ", Format())}), false},
            {"empty", {}, false},
            {"not RIFF", With(Wave(8), 0, 'R', 'I', 'F', 'X'), false},
            {"RIFF, but not a wave", With(Wave(8), 8, 'A', 'V', 'I', ' '), false},
            {"the header cut short", Bytes(small.begin(), small.begin() + 11), false},
            {"a chunk header cut short", Riff({{'f', 'm', 't'}}), false},
            {"RIFF size larger than the file", With32(Wave(8), 4, small.size() - 8 + 2), false},
            {"RIFF size smaller than the file", With32(Wave(8), 4, small.size() - 8 - 2), false},
            {"data beyond the file's end", With32(Wave(8), dataSize, 18), false},
            {"data of 4 GiB in a small file", With32(Wave(8), dataSize, 0xFFFFFFFF), false},
        };
        for (const Case& c : cases) QVERIFY2(IsSaneClickWave(c.file) == c.sane, c.what);

        // The game's own click.
        std::ifstream own(TESSARO_GAME_FOLDER "/Click.wav", std::ios::binary);
        const Bytes click{std::istreambuf_iterator<char>(own), {}};
        QVERIFY(IsSaneClickWave(click));
    }

    // A file of 4 GiB that takes no disk space, with a header that agrees:
    // only its size gives it away, and it is not read.
    void aHugeSparseWaveIsRefusedUnread() {
        testing::TempFolder folder;
        const std::filesystem::path path = folder.path() / "Click.wav";
        const std::uint64_t size = 0xFFFFFFF8;
        Bytes header = Wave(0);
        Set32(header, 4, size - 8);
        Set32(header, 40, size - 44);  // the data chunk's size
        Write(path, header);
        QCOMPARE(::truncate(path.c_str(), off_t(size)), 0);
        struct stat file = {};
        QCOMPARE(::stat(path.c_str(), &file), 0);
        QCOMPARE(std::uint64_t(file.st_size), size);
        QVERIFY(file.st_blocks * 512 < 1024 * 1024);  // sparse indeed

        ClickSound sound(path);
        const std::uint64_t before = BytesRead();
        sound.PlayClick();
        sound.PlayClick();
        QVERIFY(BytesRead() - before < 64 * 1024);
        QVERIFY(!sound.HasPlayer());

        // The same file cut to a click's size, with a header to match, is played.
        Write(path, Wave(600));
        ClickSound fits(path);
        fits.PlayClick();
        QVERIFY(fits.HasPlayer());
    }
};

}  // namespace tessaro

QTEST_MAIN(tessaro::UiClickSoundTest)
#include "ui_click_sound_test.moc"
