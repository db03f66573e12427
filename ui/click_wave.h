#pragma once
// Whether a file may be handed to the sound player as the click. The player
// reads a file whole into memory, trusting the sizes its header declares; a
// header that claims gigabytes (a sparse file costs no disk space) would have
// it fill the memory and hold up Quit for as long as the reading takes. A
// click lasts a few hundredths of a second, so anything large is not one.
// Window-free: bytes in, yes or no out.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tessaro {

// Far above any click (ours is 2 KiB), far below a harmful read.
inline constexpr std::uintmax_t kMaxClickWaveBytes = 1024 * 1024;

// The whole file: at most kMaxClickWaveBytes, a RIFF/WAVE header whose size
// is the file's, and a "fmt " chunk before a "data" chunk, every chunk up to
// the data within the file (chunks of odd size are followed by a pad byte).
bool IsSaneClickWave(std::span<const std::uint8_t> file);

}  // namespace tessaro
