// The value store over a file of any content: reading never fails loudly, and
// once a write succeeds the value reads back as written.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hostsettings/value_store.h"

namespace {

// On a memory file system when there is one: every successful write syncs
// the file, which on a disk would set the pace of the run.
// Removed at exit, so that the replay tests leave nothing behind (after a
// crash it stays, holding the last input written).
std::string StorePath() {
    static char folder[] = "/dev/shm/glifora-fuzz-XXXXXX";
    if (access("/dev/shm", W_OK) != 0) std::memcpy(folder, "/tmp/glifora-fuzz-XXXXXX", 25);
    if (!mkdtemp(folder)) std::abort();
    std::atexit([] {
        const std::string file = std::string(folder) + "/registro.reg";
        std::remove(file.c_str());
        rmdir(folder);
    });
    return std::string(folder) + "/registro.reg";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glifora;
    static const std::string path = StorePath();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)ParseRegData(bytes);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    ValueStore store(path);
    constexpr std::string_view key = "Software\\Microsoft\\Notepad";
    (void)store.ReadRegDword(RegRoot::CurrentUser, key, "iPointSize");
    (void)store.ReadRegValue(RegRoot::CurrentUser, key, "lfFaceName");
    (void)store.ReadRegValue(RegRoot::CurrentUser, key, "StatusBar");
    RegValue value;
    value.type = RegType::Dword;
    value.number = 0x64;
    if (store.Write(RegRoot::CurrentUser, key, "iPointSize", value) &&
        store.ReadRegDword(RegRoot::CurrentUser, key, "iPointSize") != 0x64)
        std::abort();
    return 0;
}
