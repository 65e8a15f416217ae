#include "params/RunTimeError.h"

#include <cerrno>
#include <system_error>

namespace zet {

RunTimeError RunTimeErrorFromErrno(int errnoValue) {
  int number = errnum::kDeviceIo;
  switch (errnoValue) {
    case ENOENT:
      number = errnum::kFileNotFound;
      break;
    case ENOTDIR:
      number = errnum::kPathNotFound;
      break;
    case EACCES:
    case EPERM:
      number = errnum::kPermissionDenied;
      break;
    case EROFS:
    case EISDIR:
    case ETXTBSY:
      number = errnum::kPathFileAccess;
      break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      number = errnum::kDiskFull;
      break;
    case ENOMEM:
      number = errnum::kOutOfMemory;
      break;
    case EMFILE:
    case ENFILE:
      number = errnum::kTooManyFiles;
      break;
    default:
      break;
  }
  return {number, std::generic_category().message(errnoValue)};
}

RunTimeError OutOfMemoryError() { return {errnum::kOutOfMemory, "Out of memory"}; }

std::string ErrorText(const RunTimeError& error) {
  return "Error " + std::to_string(error.number) + ": " + error.description;
}

}  // namespace zet
