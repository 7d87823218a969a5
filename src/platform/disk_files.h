#pragma once
// The position-log files on disk, under one data root folder.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/services.h"

namespace shortmsg {

// Files under `root`. A path is relative, uses "/", and never leaves the root (no "..",
// no empty or "." part); missing folders on the way are created.
class DiskFiles final : public TextFiles {
  public:
    explicit DiskFiles(std::filesystem::path root);

    bool Append(const std::string& path, std::string_view bytes, std::string& error) override;
    bool Output(const std::string& path, std::string_view bytes, std::string& error) override;

    const std::filesystem::path& Root() const { return root_; }

  private:
    bool Write(const std::string& path, std::string_view bytes, const char* mode,
               std::string& error);
    std::filesystem::path root_;
};

// Whether `path` stays inside the root it is relative to (see DiskFiles).
bool IsSafeRelativePath(std::string_view path);

// The data root: $XDG_DATA_HOME/shortmsg, else $HOME/.local/share/shortmsg ("" when
// neither is set: the current folder).
std::filesystem::path DataRootFor(const char* xdgDataHome, const char* home);
std::filesystem::path DefaultDataRoot();

// Passes every call on to another TextFiles and reports each write that succeeded.
class RecordingFiles final : public TextFiles {
  public:
    using Hook = std::function<void(const std::string& path, std::string_view bytes)>;
    RecordingFiles(TextFiles& inner, Hook onWrite);

    bool Append(const std::string& path, std::string_view bytes, std::string& error) override;
    bool Output(const std::string& path, std::string_view bytes, std::string& error) override;

  private:
    TextFiles& inner_;
    Hook onWrite_;
};

}  // namespace shortmsg
