#include "iconfile/file_outcome.h"

#include <cerrno>

#include "iconfile/system_error_text.h"

namespace iconfile {

FileOutcome FileOutcome::FromErrno(std::string path, int errorNumber) {
    return Failure(std::move(path), SystemErrorText(errorNumber != 0 ? errorNumber : EIO));
}

}  // namespace iconfile
