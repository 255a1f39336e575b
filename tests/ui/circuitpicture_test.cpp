// Pictures of a circuit in files: SVG read as XML, PNG read by pixels, PDF
// turned back into pixels by pdftoppm. Refusals are tried by vorn-cli's test.
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

#include "pictureexport.h"
#include "propagation.h"

using namespace vorn;

namespace {

struct Circuit {
    std::unique_ptr<CellGrid> cells = std::make_unique<CellGrid>();
    std::unique_ptr<SignalGrid> signalGrid = std::make_unique<SignalGrid>();
    NameTable names;
    PictureSource Source() const { return {*cells, *signalGrid, names}; }
};

// A source switched on at (10, 10), a wire east to a lamp at (13, 10), run.
Circuit SourceWireLamp() {
    Circuit c;
    const std::int32_t row[] = {SourceOn, WireE, WireE, Lamp};
    for (int i = 0; i < 4; ++i) c.cells->at(10 + i, 10) = row[i];
    WorkQueue queue;
    EvaluateCircuit(*c.cells, *c.signalGrid, queue);
    return c;
}

// Element names of an SVG file and the texts it holds.
QMap<QString, int> SvgElements(const QString& file, QStringList& texts) {
    QFile svg(file);
    svg.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&svg);
    QMap<QString, int> counts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        ++counts[xml.name().toString()];
        if (xml.name() == QLatin1String("text")) texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return xml.hasError() ? QMap<QString, int>{} : counts;
}

// Pixel of a node's centre shifted by (dx, dy) units in a picture at zoom z.
QPoint Pixel(const NodeArea& area, int x, int y, int zoom, int dx = 0, int dy = 0) {
    return {((x - area.left) * 12 + 6 + dx) * zoom, ((y - area.top) * 12 + 6 + dy) * zoom};
}

class CircuitPictureTest : public QObject {
    Q_OBJECT

private slots:
    void svgHoldsOneLinePerStroke_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("lines");
        const std::pair<const char*, std::pair<int, int>> rows[] = {
            {"source", {SourceOff, 2}},      {"lamp and its cross", {Lamp, 3}},
            {"inverter", {Inverter, 2}},      {"conjunctor", {ConjunctorAnchor, 3}},
            {"wire corner", {WireES, 2}},    {"crossing", {Crossing, 2}},
            {"junction", {JunctionES, 2}},  {"wire east", {WireE, 1}},
        };
        for (const auto& [name, row] : rows) QTest::newRow(name) << row.first << row.second;
    }
    void svgHoldsOneLinePerStroke() {
        QFETCH(int, code);
        QFETCH(int, lines);
        Circuit c;
        c.cells->at(20, 20) = code;
        const QString file = folder_.filePath(QStringLiteral("one.svg"));
        QCOMPARE(WriteCircuitPicture(file, PictureFormat::Svg, c.Source(), {}).kind, PictureResult::Written);
        QStringList texts;
        const QMap<QString, int> elements = SvgElements(file, texts);
        QCOMPARE(elements.value(QStringLiteral("polyline")), lines);
        QCOMPARE(elements.value(QStringLiteral("image")), 0);
    }

    void svgWritesNamesAsTextAndMakesRoomForThem() {
        Circuit c = SourceWireLamp();
        c.names[{10, 10}] = "Х";
        c.names[{13, 10}] = "Лампа_длинно";
        const QString file = folder_.filePath(QStringLiteral("named.svg"));
        QCOMPARE(WriteCircuitPicture(file, PictureFormat::Svg, c.Source(), {}).kind, PictureResult::Written);
        QStringList texts;
        QCOMPARE(SvgElements(file, texts).value(QStringLiteral("polyline")), 7);
        QVERIFY2(texts.contains(QStringLiteral("Х")) && texts.contains(QStringLiteral("Лампа_длинно")),
                 qPrintable(texts.join(u'|')));
        // The long name right of the lamp widens the picture past the one
        // node kept around the circuit; the short one on the left does not.
        const NodeArea area = *PictureArea(c.Source());
        QVERIFY(area.right > 14);
        QCOMPARE(area.left, 9);
    }

    void pngShowsLinesAtTheirNodes_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("signalColours");
        for (int zoom = 1; zoom <= 3; ++zoom)
            for (bool colours : {false, true})
                QTest::addRow("zoom %d%s", zoom, colours ? ", signals" : "") << zoom << colours;
    }
    void pngShowsLinesAtTheirNodes() {
        QFETCH(int, zoom);
        QFETCH(bool, signalColours);
        const Circuit c = SourceWireLamp();
        PictureOptions options;
        options.zoom = zoom;
        options.signalColours = signalColours;
        const QString file = folder_.filePath(QStringLiteral("picture.png"));
        QCOMPARE(WriteCircuitPicture(file, PictureFormat::Png, c.Source(), options).kind, PictureResult::Written);
        const QImage image(file);
        const NodeArea area = *PictureArea(c.Source());
        QCOMPARE(image.size(), QSize(6 * 12 * zoom, 3 * 12 * zoom));  // columns 9..14, rows 9..11
        const QRgb line = signalColours ? options.colors.one.rgb() : qRgb(0, 0, 0);
        QCOMPARE(image.pixel(Pixel(area, 11, 10, zoom, 6)), line);         // the wire between two nodes
        QCOMPARE(image.pixel(Pixel(area, 10, 10, zoom, 0, -5)), line);     // the source's box
        QCOMPARE(image.pixel(Pixel(area, 11, 10, zoom, 6, 3)), qRgb(255, 255, 255));  // beside the wire
        QCOMPARE(image.pixel(Pixel(area, 12, 11, zoom)), qRgb(0, 0, 0));   // the grid dot of an empty node
    }

    void pngFillsLitLampsAndThickensOnes_data() {
        QTest::addColumn<bool>("fill");
        QTest::addColumn<bool>("thick");
        for (bool fill : {false, true})
            for (bool thick : {false, true}) QTest::addRow("fill %d, thick %d", fill, thick) << fill << thick;
    }
    // A lamp with "1" filled, or white for the classic look; the "1" wire
    // as many pixels across as before, or twice as many.
    void pngFillsLitLampsAndThickensOnes() {
        QFETCH(bool, fill);
        QFETCH(bool, thick);
        const Circuit c = SourceWireLamp();
        PictureOptions options;
        options.zoom = 3;
        options.signalColours = true;
        options.colors.fillLitLamps = fill;
        options.colors.thickOnes = thick;
        const QString file = folder_.filePath(QStringLiteral("cues.png"));
        QCOMPARE(WriteCircuitPicture(file, PictureFormat::Png, c.Source(), options).kind, PictureResult::Written);
        const QImage image(file);
        const NodeArea area = *PictureArea(c.Source());
        QCOMPARE(image.pixel(Pixel(area, 13, 10, 3, 0, 2)), fill ? options.colors.lit.rgb() : qRgb(255, 255, 255));
        const QPoint wire = Pixel(area, 11, 10, 3, 6);
        int across = 0;
        for (int dy = -6; dy <= 6; ++dy) across += image.pixel(wire + QPoint(0, dy)) == options.colors.one.rgb();
        QCOMPARE(across, thick ? 2 : 1);  // an image line is one pixel wide
    }

    void pdfRenderedShowsTheColouredWire() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed to read the PDF");
        const Circuit c = SourceWireLamp();
        PictureOptions options;
        options.signalColours = true;
        const QString file = folder_.filePath(QStringLiteral("picture.pdf"));
        QCOMPARE(WriteCircuitPicture(file, PictureFormat::Pdf, c.Source(), options).kind, PictureResult::Written);
        // At 192 dpi a picture pixel of the zoom-2 size is two pixels wide.
        const QString prefix = folder_.filePath(QStringLiteral("pdf"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                                   {QStringLiteral("-r"), QStringLiteral("192"), QStringLiteral("-png"),
                                    QStringLiteral("-singlefile"), file, prefix}),
                 0);
        const QImage page(prefix + QStringLiteral(".png"));
        const NodeArea area = *PictureArea(c.Source());
        QCOMPARE(page.size(), QSize(6 * 24 * 2, 3 * 24 * 2));
        const QColor wire = page.pixelColor(Pixel(area, 11, 10, 4, 6));
        QVERIFY2(wire.red() > 200 && wire.green() < 90 && wire.blue() < 90, qPrintable(wire.name()));
        QCOMPARE(page.pixelColor(Pixel(area, 11, 10, 4, 6, 3)), QColor(Qt::white));
    }

private:
    QTemporaryDir folder_;
};

}  // namespace

QTEST_MAIN(CircuitPictureTest)
#include "circuitpicture_test.moc"
