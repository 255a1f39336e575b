// System facts about errors: the calling thread's last error number (errno)
// and the system's text for an error number.
#pragma once

#include <QString>

namespace vorn {

// errno of the calling thread, read without changing it.
int LastSystemError();

// The system's message text for an error number (strerror_r), in the
// language of the user's locale as the C library knows it (QApplication sets
// the C locale from the environment), decoded from the locale's 8-bit
// encoding. Never empty: an unknown number gives the library's
// "Unknown error N". Does not change errno.
QString SystemErrorText(int errorNumber);

}  // namespace vorn
