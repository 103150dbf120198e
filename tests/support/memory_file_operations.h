#pragma once
// Files kept in memory, for the fuzz targets: every write, flush and rename is seen without
// touching the disk. Folders exist when named; other paths are regular files or nothing.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "iconfile/file_operations.h"
#include "iconfile/system_error_text.h"

class MemoryFileOperations final : public iconfile::FileOperations {
public:
    using Bytes = std::vector<std::uint8_t>;
    std::map<std::string, Bytes> files;
    std::set<std::string> folders;
    std::set<std::string> fifos;
    int syncs = 0;
    int folderSyncs = 0;

    std::size_t openCount() const { return open_.size(); }

    iconfile::FileOutcome OpenForUpdate(const std::string& path, iconfile::FileHandle& handle) override {
        if (auto refused = Irregular(path); !refused.succeeded()) return refused;
        files.try_emplace(path);
        return Adopt(path, handle);
    }
    iconfile::FileOutcome OpenForReading(const std::string& path, iconfile::FileHandle& handle) override {
        if (auto refused = Irregular(path); !refused.succeeded()) return refused;
        if (!files.contains(path)) return iconfile::FileOutcome::FromErrno(path, ENOENT);
        return Adopt(path, handle);
    }
    iconfile::FileOutcome CreateNew(const std::string& path, iconfile::FileHandle& handle) override {
        if (Status(path).kind != iconfile::FileKind::Missing) return iconfile::FileOutcome::FromErrno(path, EEXIST);
        files[path];
        return Adopt(path, handle);
    }
    iconfile::FileOutcome Length(iconfile::FileHandle handle, std::int64_t& length) override {
        Bytes* bytes = Find(handle);
        if (bytes == nullptr) return iconfile::FileOutcome::FromErrno(open_[handle], ENOENT);
        length = static_cast<std::int64_t>(bytes->size());
        return iconfile::FileOutcome::Success();
    }
    iconfile::FileOutcome ReadAt(iconfile::FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) override {
        Bytes* bytes = Find(handle);
        if (bytes == nullptr || offset < 0 || static_cast<std::uint64_t>(offset) + into.size() > bytes->size())
            return iconfile::FileOutcome::FromErrno(open_[handle], EIO);
        std::copy_n(bytes->begin() + offset, into.size(), into.begin());
        return iconfile::FileOutcome::Success();
    }
    iconfile::FileOutcome WriteAt(iconfile::FileHandle handle, std::int64_t offset,
                                  std::span<const std::uint8_t> bytes) override {
        Bytes* file = Find(handle);
        if (file == nullptr || offset < 0 || offset > (std::int64_t{1} << 32))
            return iconfile::FileOutcome::FromErrno(open_[handle], EIO);
        const auto end = static_cast<std::size_t>(offset) + bytes.size();
        if (file->size() < end) file->resize(end);
        std::copy(bytes.begin(), bytes.end(), file->begin() + offset);
        return iconfile::FileOutcome::Success();
    }
    iconfile::FileOutcome Sync(iconfile::FileHandle handle) override {
        ++syncs;
        return Find(handle) ? iconfile::FileOutcome::Success() : iconfile::FileOutcome::FromErrno({}, EBADF);
    }
    iconfile::FileOutcome Close(iconfile::FileHandle handle) override {
        return open_.erase(handle) ? iconfile::FileOutcome::Success() : iconfile::FileOutcome::FromErrno({}, EBADF);
    }
    iconfile::FileOutcome Remove(const std::string& path) override {
        return files.erase(path) ? iconfile::FileOutcome::Success() : iconfile::FileOutcome::FromErrno(path, ENOENT);
    }
    iconfile::FileOutcome Rename(const std::string& from, const std::string& to) override {
        auto found = files.find(from);
        if (found == files.end()) return iconfile::FileOutcome::FromErrno(to, ENOENT);
        if (folders.contains(to)) return iconfile::FileOutcome::FromErrno(to, EISDIR);
        Bytes moved = std::move(found->second);
        files.erase(found);
        files[to] = std::move(moved);
        return iconfile::FileOutcome::Success();
    }
    iconfile::FileOutcome SetPermissions(iconfile::FileHandle handle, const iconfile::FileStatus*) override {
        return Find(handle) != nullptr ? iconfile::FileOutcome::Success() : iconfile::FileOutcome::FromErrno({}, EBADF);
    }
    iconfile::FileOutcome SyncFolder(const std::string&) override {
        ++folderSyncs;
        return iconfile::FileOutcome::Success();
    }
    iconfile::FileStatus Status(const std::string& path) override {
        iconfile::FileStatus status;
        if (folders.contains(path)) status.kind = iconfile::FileKind::Folder;
        else if (fifos.contains(path)) status.kind = iconfile::FileKind::Other;
        else if (auto found = files.find(path); found != files.end()) {
            status.kind = iconfile::FileKind::Regular;
            status.size = static_cast<std::int64_t>(found->second.size());
        }
        return status;
    }
    std::string Canonical(const std::string& path) override {
        return std::filesystem::path(path).lexically_normal().string();
    }
    bool SameFile(const std::string& a, const std::string& b) override {
        return Status(a).kind != iconfile::FileKind::Missing && Canonical(a) == Canonical(b);
    }

private:
    iconfile::FileOutcome Irregular(const std::string& path) {
        if (folders.contains(path)) return iconfile::FileOutcome::FromErrno(path, EISDIR);
        if (fifos.contains(path)) return iconfile::FileOutcome::FromErrno(path, iconfile::kNotARegularFile);
        return iconfile::FileOutcome::Success();
    }
    iconfile::FileOutcome Adopt(const std::string& path, iconfile::FileHandle& handle) {
        handle = next_++;
        open_[handle] = path;
        return iconfile::FileOutcome::Success();
    }
    // An open file follows its name here: removing the name takes the bytes away.
    Bytes* Find(iconfile::FileHandle handle) {
        auto open = open_.find(handle);
        if (open == open_.end()) return nullptr;
        auto file = files.find(open->second);
        return file == files.end() ? nullptr : &file->second;
    }

    std::map<iconfile::FileHandle, std::string> open_;
    iconfile::FileHandle next_ = 1;
};
