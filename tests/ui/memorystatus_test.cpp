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
        QCOMPARE(KiBFromBytes(0), 0u);
        QCOMPARE(KiBFromBytes(511), 0u);
        QCOMPARE(KiBFromBytes(512), 0u);   // 0.5 -> 0
        QCOMPARE(KiBFromBytes(513), 1u);
        QCOMPARE(KiBFromBytes(1536), 2u);  // 1.5 -> 2
        QCOMPARE(KiBFromBytes(2560), 2u);  // 2.5 -> 2
        QCOMPARE(KiBFromBytes(2559), 2u);
        QCOMPARE(KiBFromBytes(3584), 4u);  // 3.5 -> 4
        QCOMPARE(KiBFromBytes(17179869184ull + 512), 16777216u);  // 16 GiB and a half KiB
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
