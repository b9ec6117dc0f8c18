#include "animation/work_folder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace glifora {
namespace {

constexpr mode_t kOwnerOnly = S_IRWXU;

bool EndsWithBmp(const char* name) {
    const size_t n = std::strlen(name);
    return n >= 4 && strcasecmp(name + n - 4, ".bmp") == 0;
}

}  // namespace

bool IsOwnFolder(const std::string& path) {
    struct stat st {};
    if (path.empty() || lstat(path.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid();
}

WorkFolder::WorkFolder(WorkFolder&& other) noexcept
    : path_(std::exchange(other.path_, {})),
      removeOnDestroy_(std::exchange(other.removeOnDestroy_, false)) {}

WorkFolder& WorkFolder::operator=(WorkFolder&& other) noexcept {
    if (this != &other) {
        if (removeOnDestroy_) Clean();
        path_ = std::exchange(other.path_, {});
        removeOnDestroy_ = std::exchange(other.removeOnDestroy_, false);
    }
    return *this;
}

WorkFolder::~WorkFolder() {
    if (removeOnDestroy_) Clean();
}

WorkFolder WorkFolder::Create(const std::string& parent) {
    WorkFolder folder;
    folder.path_ = parent.empty() ? std::string("GLF") : parent + "/GLF";
    // mkdir never follows a link at the last component, so a planted link
    // makes it fail and the check below refuses it.
    if (mkdir(folder.path_.c_str(), kOwnerOnly) != 0 && IsOwnFolder(folder.path_))
        chmod(folder.path_.c_str(), kOwnerOnly);
    return folder;
}

WorkFolder WorkFolder::CreatePrivate(const std::string& parent) {
    WorkFolder folder;
    std::string pattern = (parent.empty() ? std::string(".") : parent) + "/glifora-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) {  // made with mode 0700
        folder.path_ = pattern;
        folder.removeOnDestroy_ = true;
    }
    return folder;
}

bool WorkFolder::Usable() const {
    return IsOwnFolder(path_);
}

std::string WorkFolder::FilePath(const std::string& name) const {
    return path_ + "/" + name;
}

bool WorkFolder::DeleteBitmaps() const {
    if (!Usable()) return false;
    DIR* dir = opendir(path_.c_str());
    if (!dir) return false;
    bool allGone = true;
    // unlink removes a link itself, never what it points to.
    while (const dirent* entry = readdir(dir)) {
        if (!EndsWithBmp(entry->d_name)) continue;
        if (unlink(FilePath(entry->d_name).c_str()) != 0) allGone = false;
    }
    closedir(dir);
    return allGone;
}

void WorkFolder::Clean() const {
    if (!Usable()) return;
    (void)DeleteBitmaps();
    rmdir(path_.c_str());  // stays when something else is left in it
}

}  // namespace glifora
