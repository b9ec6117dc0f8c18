#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>

namespace glifora {
namespace {

// Writes all of `bytes`, through interruptions and short writes.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// A link is written through: the file it names is replaced, the link stays.
std::string WrittenPath(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* target = realpath(path.c_str(), nullptr);
    if (target == nullptr) return path;
    std::string resolved = target;
    std::free(target);
    return resolved;
}

// Opens a new file beside `target` named after it, created with the user's
// default permissions (the kernel applies the umask).
int CreateTemporary(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    // A dot and six letters or digits, so a name close to the system's length
    // limit still has room; the process, the time and a counter vary them.
    const uint64_t seed =
        static_cast<uint64_t>(getpid()) * 0x9E3779B97F4A7C15ull ^
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int attempt = 0; attempt < 100; ++attempt) {
        uint64_t v = seed + counter++ * 0xBF58476D1CE4E5B9ull;
        v ^= v >> 29;
        name = target + ".";
        for (int i = 0; i < 6; ++i, v /= 36)
            name.push_back("0123456789abcdefghijklmnopqrstuvwxyz"[v % 36]);
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Pieces smaller than this are gathered before they are written.
constexpr size_t kGatherBytes = 64u << 10;
// Written data is handed to the disk in runs of this size while the rest is
// still being made, so the sync before the rename has little left to wait for.
constexpr off_t kWritebackBytes = off_t{8} << 20;

}  // namespace

struct AtomicFileWriter::State {
    std::string target;
    std::string temporary;  // empty when written in place (not a regular file)
    int fd = -1;
    std::string gathered;
    off_t written = 0;
    off_t handedToDisk = 0;
    const char* error = nullptr;  // the first failure, kept for Commit

    bool Write(std::string_view bytes) {
        if (!WriteAll(fd, bytes)) {
            error = "no se puede escribir el archivo";
            return false;
        }
        written += static_cast<off_t>(bytes.size());
        if (!temporary.empty() && written - handedToDisk >= kWritebackBytes) {
            // Only starts the writeback; a failure shows in the final sync.
            sync_file_range(fd, handedToDisk, written - handedToDisk, SYNC_FILE_RANGE_WRITE);
            handedToDisk = written;
        }
        return true;
    }
    bool Flush() {
        if (!gathered.empty()) Write(gathered);
        gathered.clear();
        return error == nullptr;
    }
    void Abandon() {
        if (fd < 0) return;
        close(fd);
        fd = -1;
        if (!temporary.empty()) unlink(temporary.c_str());
    }
};

AtomicFileWriter::AtomicFileWriter(const std::string& path) : state_(std::make_unique<State>()) {
    if (path.empty()) {
        state_->error = "ruta vacía";
        return;
    }
    struct stat existing {};
    const bool exists = stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        state_->error = "es una carpeta";
        return;
    }
    // A device, a pipe or a terminal (/dev/stdout, a named pipe) is written
    // as it comes: it cannot be replaced, and must not be.
    if (exists && !S_ISREG(existing.st_mode)) {
        state_->fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (state_->fd < 0) state_->error = "no se puede crear el archivo";
        return;
    }
    state_->target = WrittenPath(path);
    state_->fd = CreateTemporary(state_->target, state_->temporary);
    if (state_->fd < 0) {
        state_->error = "no se puede crear el archivo";
        return;
    }
    // A replaced file keeps its permissions.
    if (exists) fchmod(state_->fd, existing.st_mode & 07777);
}

AtomicFileWriter::~AtomicFileWriter() {
    state_->Abandon();
}

bool AtomicFileWriter::Append(std::string_view bytes) {
    if (state_->error) return false;
    if (state_->gathered.size() + bytes.size() <= kGatherBytes) {
        state_->gathered.append(bytes);
        return true;
    }
    if (!state_->Flush()) return false;
    if (bytes.size() < kGatherBytes) {
        state_->gathered.append(bytes);
        return true;
    }
    return state_->Write(bytes);
}

bool AtomicFileWriter::Commit(std::string* error) {
    State& s = *state_;
    // The data reaches the disk before the name does, so a crash leaves the
    // old file or the new one, never a torn one.
    const bool inPlace = s.temporary.empty();
    if (!s.error && (!s.Flush() || (!inPlace && fdatasync(s.fd) != 0)))
        s.error = "no se puede escribir el archivo";
    if (!s.error) {
        const int fd = s.fd;
        s.fd = -1;
        if (close(fd) != 0 || (!inPlace && rename(s.temporary.c_str(), s.target.c_str()) != 0)) {
            if (!inPlace) unlink(s.temporary.c_str());
            s.error = "no se puede escribir el archivo";
        }
    }
    if (!s.error) return true;
    s.Abandon();
    if (error) *error = s.error;
    return false;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    AtomicFileWriter writer(path);
    writer.Append(bytes);
    return writer.Commit(error);
}

std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t limit,
                                         std::string* error) {
    auto fail = [&](const char* why) -> std::optional<std::string> {
        if (error) *error = why;
        return std::nullopt;
    };
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return fail(errno == ENOENT || errno == ENOTDIR ? "no existe el archivo"
                                                        : "no se puede leer el archivo");
    if (S_ISDIR(info.st_mode)) return fail("es una carpeta, no un archivo");
    if (S_ISREG(info.st_mode) && static_cast<uint64_t>(info.st_size) > limit)
        return fail("el archivo es demasiado grande");
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail("no se puede leer el archivo");
    std::string data;
    // A regular file is read at its size; anything else (a pipe, a file of
    // the system) until its end, within the limit.
    data.resize(S_ISREG(info.st_mode) ? static_cast<size_t>(info.st_size) + 1 : 64u << 10);
    const uint64_t past = limit == UINT64_MAX ? limit : limit + 1;  // one byte over tells
    size_t got = 0;
    for (;;) {
        if (got == data.size()) {
            if (got > limit) break;
            data.resize(static_cast<size_t>(std::min<uint64_t>(uint64_t{data.size()} * 2, past)));
        }
        const ssize_t n = read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(fd);
            return fail("no se puede leer el archivo");
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    close(fd);
    if (got > limit) return fail("el archivo es demasiado grande");
    data.resize(got);
    return data;
}

}  // namespace glifora
