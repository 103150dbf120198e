#include "iconfile/file_outcome.h"

#include <system_error>

namespace iconfile {

FileOutcome FileOutcome::FromErrno(std::string path, int errorNumber) {
    return Failure(std::move(path), std::generic_category().message(errorNumber));
}

}  // namespace iconfile
