// The computer's physical memory, for the about box.
#pragma once

#include <optional>

#include <QByteArray>
#include <QtGlobal>

namespace vorn {

struct MemoryStatus {
    quint64 totalKiB = 0;      // physical memory
    quint64 availableKiB = 0;  // what programs can still get without swapping
};

// MemTotal and MemAvailable from the text of /proc/meminfo, which the kernel
// gives in KiB already; nullopt when either line is missing or malformed.
std::optional<MemoryStatus> ParseMemInfo(const QByteArray& text);

// bytes / 1024, rounded to the nearest integer, halves to the even one.
quint64 KiBFromBytes(quint64 bytes);

// The figures of /proc/meminfo; where that cannot be read or lacks
// MemAvailable (kernels before 3.14), sysinfo(2)'s total and free RAM
// converted with KiBFromBytes. nullopt when neither source answers.
std::optional<MemoryStatus> ReadMemoryStatus();

}  // namespace vorn
