// The program's name and version as the windows show it in their captions.
#pragma once

#include <QString>

#include "circuitfile.h"

namespace vorn {

inline QString ProgramTitleText() {
    return QString::fromUtf8(ProgramTitle.data(), static_cast<qsizetype>(ProgramTitle.size()));
}

}  // namespace vorn
