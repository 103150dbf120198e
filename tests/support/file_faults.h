#pragma once
// The failures a replaced file must survive, as the file-operation seam reports them: each with
// the operation that fails, its errno and the Czech reason the user reads.
#include <cerrno>
#include <cstddef>

struct FileFault {
    const char* operation;  // the log entry's first word in ScriptedFileOperations
    int errorNumber;
    const char* reason;
    std::size_t skip = 0;  // matching calls that pass first
};

inline constexpr FileFault kReplacementFaults[] = {
    {"write", ENOSPC, "Na zařízení nezbývá místo"},
    {"open-update", EACCES, "Přístup odepřen"},  // the old file is read-only
    {"create", EROFS, "Systém souborů je jen pro čtení"},
    {"open-read", ENOENT, "Soubor nebo složka neexistuje"},  // the input vanished
    {"sync", EIO, "Chyba vstupu/výstupu"},
    {"close", EIO, "Chyba vstupu/výstupu", 2},  // the new file's, after two others
    {"rename", EACCES, "Přístup odepřen"},
};
