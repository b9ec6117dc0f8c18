#pragma once
// The working folder that holds the frame files of an animated GIF. It lives
// in the per-user temporary folder, is made for its owner only, and is used
// only while it is a real folder of ours: a symbolic link or a folder of
// another user is refused, so nothing is ever written or deleted through it.

#include <string>
#include <vector>

namespace glifora {

class WorkFolder {
  public:
    WorkFolder() = default;
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    WorkFolder(WorkFolder&& other) noexcept;
    WorkFolder& operator=(WorkFolder&& other) noexcept;
    // A private folder (from CreatePrivate) is cleaned up when destroyed.
    ~WorkFolder();

    // The window's folder: `parent`/"GLF", created for its owner only. An
    // existing folder is taken when it is a folder of ours (its permissions
    // are then narrowed to the owner); anything else leaves it unusable.
    [[nodiscard]] static WorkFolder Create(const std::string& parent);
    // A fresh folder of its own ("glifora-XXXXXX" under `parent`) for one run
    // of the command line, so parallel runs never share frame files.
    [[nodiscard]] static WorkFolder CreatePrivate(const std::string& parent);

    [[nodiscard]] const std::string& Path() const { return path_; }
    // True while the folder exists, is not a link and belongs to this user.
    [[nodiscard]] bool Usable() const;
    // path + "/" + name.
    [[nodiscard]] std::string FilePath(const std::string& name) const;

    // Deletes the ".bmp" files (any case) directly inside the folder; true
    // when none is left. Does nothing to an unusable folder.
    bool DeleteBitmaps() const;
    // Shutdown: the bitmaps, then the folder itself when that leaves it empty.
    void Clean() const;

  private:
    std::string path_;
    bool removeOnDestroy_ = false;
};

// A folder is ours when it is a directory (not a link to one) owned by this
// process's user.
[[nodiscard]] bool IsOwnFolder(const std::string& path);

}  // namespace glifora
