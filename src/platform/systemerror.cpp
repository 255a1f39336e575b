#include "systemerror.h"

#include <cerrno>
#include <cstring>

namespace vorn {

int LastSystemError() { return errno; }

namespace {

// strerror_r comes in two shapes; these overloads accept either result.
[[maybe_unused]] const char* ErrorTextResult(int result, const char* buffer) {
    return result == 0 ? buffer : nullptr;
}
[[maybe_unused]] const char* ErrorTextResult(const char* result, const char*) { return result; }

}  // namespace

QString SystemErrorText(int errorNumber) {
    const int saved = errno;
    char buffer[256] = {};
    const char* text = ErrorTextResult(strerror_r(errorNumber, buffer, sizeof buffer), buffer);
    QString result = text && *text ? QString::fromLocal8Bit(text)
                                   : QStringLiteral("Unknown error %1").arg(errorNumber);
    errno = saved;
    return result;
}

}  // namespace vorn
