#include "clips.h"

#include "clipscripts.h"

namespace vorn {

ClipScript BuiltInClip(int number) { return clipdata::Clip(number); }

int BuiltInClipNumber(int length) {
    for (int number = 1; number <= kBuiltInClipCount; ++number)
        if (static_cast<int>(BuiltInClip(number).size()) == length) return number;
    return 0;
}

int ProgressPosition(int eventIndex) {
    const int whole = eventIndex / 10;
    const int rest = eventIndex % 10;
    if (rest > 5 || (rest == 5 && whole % 2 == 1)) return whole + 1;
    return whole;
}

}  // namespace vorn
