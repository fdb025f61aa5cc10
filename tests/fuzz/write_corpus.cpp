// Writes the broken files of the reader's tests into a folder, as seeds
// for the fuzzer and for the replay.

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bmp_fixture.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    int n = 0;
    for (const auto& broken : velmora::testing::brokenBmps()) {
        std::ofstream out(folder / ("broken-" + std::to_string(++n) + ".bmp"), std::ios::binary);
        out.write(reinterpret_cast<const char*>(broken.bytes.data()),
                  std::streamsize(broken.bytes.size()));
    }
    std::ofstream good(folder / "good.bmp", std::ios::binary);
    const std::vector<std::uint8_t> file = velmora::testing::makeBmp({.paddingByte = 0xAB});
    good.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    return 0;
}
