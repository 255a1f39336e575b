// The memory figures: /proc/meminfo's lines, the byte-to-KiB rounding of
// the fallback, and the real system's figures.
#include <QtTest>

#include "memorystatus.h"

using namespace vorn;

class MemoryStatusTest : public QObject {
    Q_OBJECT

private slots:
    void meminfoLinesAreRead() {
        const std::optional<MemoryStatus> status = ParseMemInfo(
            "MemTotal:       16314520 kB\nMemFree:          812340 kB\nMemAvailable:    9123456 kB\nBuffers: 1 kB\n");
        QVERIFY(status);
        QCOMPARE(status->totalKiB, 16314520u);
        QCOMPARE(status->availableKiB, 9123456u);

        QVERIFY(!ParseMemInfo("MemTotal: 1000 kB\nMemFree: 500 kB\n"));  // no MemAvailable
        QVERIFY(!ParseMemInfo("MemTotal: lots kB\nMemAvailable: 5 kB\n"));
        QVERIFY(!ParseMemInfo("MemTotal: 1000 MB\nMemAvailable: 5 kB\n"));
        QVERIFY(!ParseMemInfo(""));
    }

    void bytesRoundToTheNearestKiBHalvesToEven() {
        // Halves go to the even neighbour: 0.5, 1.5, 2.5, 3.5 KiB, and 16 GiB and a half KiB.
        const std::pair<quint64, quint64> cases[] = {{0, 0},    {511, 0},  {512, 0},  {513, 1},
                                                     {1536, 2}, {2560, 2}, {2559, 2}, {3584, 4},
                                                     {17179869184ull + 512, 16777216}};
        for (const auto& [bytes, kib] : cases) QCOMPARE(KiBFromBytes(bytes), kib);
    }

    void theSystemAnswers() {
        const std::optional<MemoryStatus> status = ReadMemoryStatus();
        QVERIFY(status);
        QVERIFY(status->totalKiB > 0);
        QVERIFY(status->availableKiB > 0);
        QVERIFY(status->availableKiB <= status->totalKiB);
    }
};

QTEST_GUILESS_MAIN(MemoryStatusTest)
#include "memorystatus_test.moc"
