// Draws the game's pictures and click sound and writes them into the folder
// given on the command line (resources/generate.sh passes resources/).
// Messages are in Japanese, like the rest of the game.

#include <filesystem>
#include <fstream>
#include <iostream>

#include "resources/generator/artwork.h"

namespace tessaro {
namespace {

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !error && out.good();
}

int Run(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "使い方: draw_resources <出力フォルダ>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    for (const ResourceFile& file : DrawAllResources()) {
        const std::filesystem::path path = folder / file.path;
        if (file.bytes.empty()) {
            std::cerr << "画像を作れませんでした: " << path.string() << '\n';
            return 1;
        }
        if (!WriteFile(path, file.bytes)) {
            std::cerr << "ファイルに書き込めませんでした: " << path.string() << '\n';
            return 1;
        }
        std::cout << path.string() << " (" << file.bytes.size() << " バイト)\n";
    }
    return 0;
}

}  // namespace
}  // namespace tessaro

int main(int argc, char** argv) { return tessaro::Run(argc, argv); }
