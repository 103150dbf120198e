#pragma once
// Passes every file operation on to another implementation and logs it; chosen calls fail with
// an errno instead, as a full disk, a read-only file or a failing device would.
#include <cerrno>
#include <string>
#include <vector>

#include "iconfile/file_operations.h"

class ScriptedFileOperations final : public iconfile::FileOperations {
public:
    explicit ScriptedFileOperations(iconfile::FileOperations& real) : real_(real) {}

    // Calls whose 1-based numbers lie in [failFrom, failFrom + failCount) fail, and so do the
    // first `matchingFailures` calls whose log entry is `failMatching` or begins with it and a
    // blank, after `skipMatching` such calls have passed. A failing write with `partialWrites`
    // set first passes half of its bytes on.
    std::size_t failFrom = 0;
    std::size_t failCount = 1;
    std::string failMatching;
    std::size_t matchingFailures = 0;
    std::size_t skipMatching = 0;
    bool partialWrites = false;
    int failErrno = EIO;
    // One entry per call: the operation's name, then its path or, for reads and writes, its offset.
    std::vector<std::string> log;

    iconfile::FileOutcome OpenForUpdate(const std::string& path, iconfile::FileHandle& handle) override {
        return Fails("open-update " + path, path) ? failure_ : real_.OpenForUpdate(path, handle);
    }
    iconfile::FileOutcome OpenForReading(const std::string& path, iconfile::FileHandle& handle) override {
        return Fails("open-read " + path, path) ? failure_ : real_.OpenForReading(path, handle);
    }
    iconfile::FileOutcome CreateNew(const std::string& path, iconfile::FileHandle& handle) override {
        return Fails("create " + path, path) ? failure_ : real_.CreateNew(path, handle);
    }
    iconfile::FileOutcome Length(iconfile::FileHandle handle, std::int64_t& length) override {
        return Fails("length", {}) ? failure_ : real_.Length(handle, length);
    }
    iconfile::FileOutcome ReadAt(iconfile::FileHandle handle, std::int64_t offset, std::span<std::uint8_t> into) override {
        return Fails("read " + std::to_string(offset), {}) ? failure_ : real_.ReadAt(handle, offset, into);
    }
    iconfile::FileOutcome WriteAt(iconfile::FileHandle handle, std::int64_t offset,
                                  std::span<const std::uint8_t> bytes) override {
        if (!Fails("write " + std::to_string(offset), {})) return real_.WriteAt(handle, offset, bytes);
        if (partialWrites && bytes.size() > 1) static_cast<void>(real_.WriteAt(handle, offset, bytes.first(bytes.size() / 2)));
        return failure_;
    }
    iconfile::FileOutcome Sync(iconfile::FileHandle handle) override {
        return Fails("sync", {}) ? failure_ : real_.Sync(handle);
    }
    // A failing close still releases the handle, as the system's does.
    iconfile::FileOutcome Close(iconfile::FileHandle handle) override {
        const bool fails = Fails("close", {});
        const iconfile::FileOutcome closed = real_.Close(handle);
        return fails ? failure_ : closed;
    }
    iconfile::FileOutcome Remove(const std::string& path) override {
        return Fails("remove " + path, path) ? failure_ : real_.Remove(path);
    }
    iconfile::FileOutcome Rename(const std::string& from, const std::string& to) override {
        return Fails("rename " + to, to) ? failure_ : real_.Rename(from, to);
    }
    iconfile::FileOutcome SetPermissions(iconfile::FileHandle handle, const iconfile::FileStatus* like) override {
        return Fails("permissions", {}) ? failure_ : real_.SetPermissions(handle, like);
    }
    iconfile::FileOutcome SyncFolder(const std::string& folder) override {
        return Fails("sync-folder " + folder, folder) ? failure_ : real_.SyncFolder(folder);
    }
    iconfile::FileStatus Status(const std::string& path) override { return real_.Status(path); }
    std::string Canonical(const std::string& path) override { return real_.Canonical(path); }
    bool SameFile(const std::string& a, const std::string& b) override { return real_.SameFile(a, b); }

    // The log without the random part of temporary names: ".out.ani.123.part" reads ".out.ani.part".
    std::vector<std::string> steps() const {
        std::vector<std::string> cleaned;
        for (std::string entry : log) {
            const auto part = entry.rfind(".part");
            const auto dot = part == std::string::npos ? std::string::npos : entry.rfind('.', part - 1);
            if (dot != std::string::npos) entry.erase(dot, part - dot);
            cleaned.push_back(entry);
        }
        return cleaned;
    }

private:
    bool Fails(const std::string& entry, const std::string& path) {
        log.push_back(entry);
        const std::size_t number = log.size();
        bool fails = failFrom != 0 && number >= failFrom && number < failFrom + failCount;
        if (!fails && matchingFailures > 0 && !failMatching.empty() &&
            (entry == failMatching || entry.starts_with(failMatching + " "))) {
            if (skipMatching > 0) {
                --skipMatching;
            } else {
                --matchingFailures;
                fails = true;
            }
        }
        if (fails) failure_ = iconfile::FileOutcome::FromErrno(path, failErrno);
        return fails;
    }

    iconfile::FileOperations& real_;
    iconfile::FileOutcome failure_ = iconfile::FileOutcome::Success();
};
