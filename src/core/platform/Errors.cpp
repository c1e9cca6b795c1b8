#include "core/platform/Errors.h"

#include <cerrno>

namespace bs {

void ThrowDivisionByZero() {
  throw MathError(kDivisionByZero);
}
void ThrowInvalidOperation() {
  throw MathError(kInvalidOperation);
}
void ThrowOverflow() {
  throw MathError(kOverflow);
}

InOutError InOutErrorFromErrno(int err) {
  switch (err) {
    case EACCES:
    case EPERM:
    case EROFS:
      return InOutError("File access denied", 5);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return InOutError("Disk full", 101);
    default:
      return InOutError("I/O error " + std::to_string(err), err);
  }
}

void ThrowInOut(int err) {
  throw InOutErrorFromErrno(err);
}

void ThrowReadBeyondEnd() {
  throw InOutError("Read beyond end of file", 100);
}

}  // namespace bs
