#include "memorystatus.h"

#include <sys/sysinfo.h>

#include <QFile>
#include <QList>

namespace vorn {

namespace {

// The value of a "Name:   12345 kB" line; nullopt when it is not one.
std::optional<quint64> KiBValue(const QByteArray& rest) {
    QList<QByteArray> parts = rest.simplified().split(' ');
    if (parts.size() != 2 || parts.at(1) != "kB") return std::nullopt;
    bool ok = false;
    const quint64 value = parts.at(0).toULongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace

std::optional<MemoryStatus> ParseMemInfo(const QByteArray& text) {
    std::optional<quint64> total, available;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0) continue;
        const QByteArray name = line.left(colon);
        if (name == "MemTotal")
            total = KiBValue(line.mid(colon + 1));
        else if (name == "MemAvailable")
            available = KiBValue(line.mid(colon + 1));
    }
    if (!total || !available) return std::nullopt;
    return MemoryStatus{*total, *available};
}

quint64 KiBFromBytes(quint64 bytes) {
    quint64 kib = bytes / 1024;
    const quint64 rest = bytes % 1024;
    if (rest > 512 || (rest == 512 && kib % 2 == 1)) ++kib;
    return kib;
}

std::optional<MemoryStatus> ReadMemoryStatus() {
    QFile file(QStringLiteral("/proc/meminfo"));
    if (file.open(QIODevice::ReadOnly)) {
        // A file of the proc file system has no size: read until its end.
        if (std::optional<MemoryStatus> status = ParseMemInfo(file.readAll())) return status;
    }
    struct sysinfo info {};
    if (sysinfo(&info) != 0) return std::nullopt;
    const quint64 unit = info.mem_unit == 0 ? 1 : info.mem_unit;
    return MemoryStatus{KiBFromBytes(static_cast<quint64>(info.totalram) * unit),
                        KiBFromBytes(static_cast<quint64>(info.freeram) * unit)};
}

}  // namespace vorn
