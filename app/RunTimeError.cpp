#include "app/RunTimeError.h"

#include <cerrno>
#include <cstring>

namespace zet {

RunTimeError RunTimeErrorFromErrno(int errnum) {
  int number = 75;
  switch (errnum) {
    case ENOENT: number = 53; break;
    case ENOTDIR: number = 76; break;
    case EACCES:
    case EPERM:
    case EROFS: number = 70; break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: number = 61; break;
    case ENOMEM: number = 7; break;
    case EIO: number = 57; break;
    default: break;
  }
  return {number, std::strerror(errnum)};
}

RunTimeError OutOfMemoryError() { return {7, "Out of memory"}; }

}  // namespace zet
