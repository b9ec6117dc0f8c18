#pragma once
// Helpers shared by the tests: temporary folders, files, and running the
// glifora program itself.

#include <QTemporaryDir>
#include <map>
#include <string>
#include <vector>

#include "platform/raster.h"
#include "platform/shell.h"

namespace glifora::test {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built glifora with `args` (no shell), stdin closed, without the
// environment variables named in `unset`.
[[nodiscard]] CommandResult RunGlifora(const std::vector<std::string>& args,
                                       const std::vector<std::string>& unset = {});
// Runs `program` with `args`, stdin closed, the environment changed by `env`:
// each name set to its value, or removed when the value is empty.
[[nodiscard]] CommandResult RunProgram(const std::string& program,
                                       const std::vector<std::string>& args,
                                       const std::map<std::string, std::string>& env = {});

[[nodiscard]] std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
[[nodiscard]] bool FileExists(const std::string& path);

// A picture of random colours (deterministic for a seed).
[[nodiscard]] Raster RandomRaster(int w, int h, unsigned seed);

// Encodes a raster with Qt's writer ("BMP", "PNG", "JPG", "GIF" is not writable).
[[nodiscard]] std::string EncodePicture(const Raster& r, const char* format, int quality = -1);

// Records what the program hands to the shell to open, while it lives.
class RecordedShell {
  public:
    RecordedShell()
        : previous_(SetShellOpener([this](const std::string& t) { opened.push_back(t); })) {}
    ~RecordedShell() { SetShellOpener(previous_); }
    std::vector<std::string> opened;

  private:
    ShellOpener previous_;
};

}  // namespace glifora::test
