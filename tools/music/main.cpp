// Writes the game's background music frostel.mid, or checks a written one.
#include "check.hpp"
#include "tune.hpp"

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: make_music OUTPUT_FILE\n"
                         "       make_music --check FILE\n"
                         "       make_music --self-test\n");
    return 2;
}

int write(const std::string& path)
{
    const music::Bytes file = music::writeFile(music::composeTune());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out) {
        std::fprintf(stderr, "make_music: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("wrote %s (%zu bytes)\n", path.c_str(), file.size());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const std::string first = argc > 1 ? argv[1] : "";
        if (argc == 2 && first == "--self-test") {
            return music::selfTest();
        }
        if (argc == 3 && first == "--check") {
            return music::checkFile(argv[2]);
        }
        if (argc == 2 && !first.starts_with("-")) {
            return write(first);
        }
        return usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_music: %s\n", e.what());
        return 1;
    }
}
