// Replays files through a fuzz target's entry point without libFuzzer, so that
// every saved input runs as an ordinary test in every build. Each argument is
// a file or a folder of files (not descended into); a folder with no file in it
// is an error, so a missing corpus never passes as an empty one. A finding
// fails the way it did under the fuzzer: by aborting, or by a sanitizer report.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Defined only by the targets that need a start-up step.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc < 2) {
        std::cerr << "uso: " << argv[0] << " ARCHIVO|CARPETA...\n";
        return 2;
    }
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    size_t replayed = 0;
    for (int a = 1; a < argc; ++a) {
        std::vector<fs::path> files;
        const fs::path arg = argv[a];
        if (fs::is_directory(arg)) {
            for (const auto& entry : fs::directory_iterator(arg))
                if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                    files.push_back(entry.path());
            if (files.empty()) {
                std::cerr << arg.string() << ": ningún archivo que reproducir\n";
                return 1;
            }
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(arg);
        }
        for (const fs::path& file : files) {
            std::ifstream in(file, std::ios::binary);
            if (!in) {
                std::cerr << file.string() << ": no se puede leer\n";
                return 1;
            }
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            // Named before each run, so that a crash says which input it was.
            std::cerr << file.string() << "\n";
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::cout << replayed << " entradas reproducidas sin fallo\n";
    return 0;
}
