// Writes the game's sound effects 100.wav .. 113.wav, or checks written ones.
#include "check.hpp"
#include "effects.hpp"
#include "wav.hpp"

#include <cstdio>
#include <exception>
#include <string>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER\n"
                         "       make_sounds --check FOLDER\n"
                         "       make_sounds --self-test\n");
    return 2;
}

int writeAll(const std::string& folder)
{
    for (int id = sounds::kFirstEffect; id <= sounds::kLastEffect; ++id) {
        const std::string path = folder + "/" + std::to_string(id) + ".wav";
        sounds::writeFile(path, sounds::encodeWav(sounds::makeEffect(id)));
    }
    std::printf("wrote %d effects to %s\n", sounds::kLastEffect - sounds::kFirstEffect + 1,
                folder.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        const std::string first = argc > 1 ? argv[1] : "";
        if (argc == 2 && first == "--self-test") {
            return sounds::selfTest();
        }
        if (argc == 3 && first == "--check") {
            return sounds::checkFolder(argv[2]);
        }
        if (argc == 2 && !first.starts_with("-")) {
            return writeAll(first);
        }
        return usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sounds: %s\n", e.what());
        return 1;
    }
}
