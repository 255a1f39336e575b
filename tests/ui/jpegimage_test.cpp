// The JPEG loader: colour, grey and CMYK pictures written here with libjpeg,
// the pictures kept in the repository, and files that are missing, empty,
// cut short or not JPEG at all.
#include <cstdio>
#include <vector>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <jpeglib.h>

#include "jpegimage.h"

using namespace vorn;

namespace {

// A width x height JPEG whose left half is colour `left` and right half
// colour `right`; components 1 (grey: the red value is used), 3 or 4 (CMYK).
QByteArray EncodeHalves(int width, int height, int components, QColor left, QColor right) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width * components));
    for (int x = 0; x < width; ++x) {
        const QColor c = x < width / 2 ? left : right;
        const int values[4] = {c.red(), c.green(), c.blue(), 0};
        for (int k = 0; k < components; ++k)
            row[static_cast<std::size_t>(x * components + k)] = static_cast<unsigned char>(values[k]);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray data(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return data;
}

bool Near(QColor actual, QColor expected) {
    return qAbs(actual.red() - expected.red()) <= 12 && qAbs(actual.green() - expected.green()) <= 12 &&
           qAbs(actual.blue() - expected.blue()) <= 12;
}

}  // namespace

class JpegImageTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Write(const QString& name, const QByteArray& data) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void colourAndGreyPicturesDecode() {
        const QColor red(220, 30, 40), blue(20, 60, 230);
        const QImage colour = LoadJpegImage(Write("colour.jpg", EncodeHalves(64, 48, 3, red, blue)));
        QCOMPARE(colour.size(), QSize(64, 48));
        QVERIFY2(Near(colour.pixelColor(8, 24), red), qPrintable(colour.pixelColor(8, 24).name()));
        QVERIFY2(Near(colour.pixelColor(56, 24), blue), qPrintable(colour.pixelColor(56, 24).name()));

        const QImage grey = LoadJpegImage(Write("grey.jpg", EncodeHalves(40, 30, 1, QColor(30, 0, 0), QColor(200, 0, 0))));
        QCOMPARE(grey.size(), QSize(40, 30));
        QCOMPARE(grey.format(), QImage::Format_Grayscale8);
        QVERIFY(Near(grey.pixelColor(4, 15), QColor(30, 30, 30)));
        QVERIFY(Near(grey.pixelColor(36, 15), QColor(200, 200, 200)));
    }

    void repositoryPicturesHaveTheirSizes() {
        const struct {
            const char* file;
            QSize size;
        } pictures[] = {{"logo.jpg", {500, 350}}, {"about.jpg", {443, 126}}, {"about2.jpg", {443, 126}}};
        for (const auto& picture : pictures) {
            const QString path = QFINDTESTDATA(QStringLiteral("../../pictures/") + QLatin1String(picture.file));
            QVERIFY2(!path.isEmpty(), picture.file);
            QCOMPARE(LoadJpegImage(path).size(), picture.size);
        }
    }

    void unusableFilesGiveNullImages() {
        const QByteArray good = EncodeHalves(64, 48, 3, Qt::red, Qt::green);
        QByteArray garbage(4096, '\0');
        QRandomGenerator generator(7);
        for (char& byte : garbage) byte = static_cast<char>(generator.bounded(256));
        QByteArray badMarker = good;  // a valid start followed by noise
        for (qsizetype i = good.size() / 3; i < good.size(); ++i) badMarker[i] = garbage[i % garbage.size()];

        QVERIFY(LoadJpegImage(dir_.filePath("missing.jpg")).isNull());
        QVERIFY(LoadJpegImage(dir_.path()).isNull());  // a folder
        QVERIFY(LoadJpegImage(Write("empty.jpg", QByteArray())).isNull());
        QVERIFY(LoadJpegImage(Write("header.jpg", good.left(2))).isNull());
        QVERIFY(LoadJpegImage(Write("cut-in-tables.jpg", good.left(good.size() / 3))).isNull());
        // Cut inside the picture data: libjpeg itself would only warn and
        // fill the rest with grey.
        QFile logo(QFINDTESTDATA("../../pictures/logo.jpg"));
        QVERIFY(logo.open(QIODevice::ReadOnly));
        const QByteArray picture = logo.readAll();
        QVERIFY(!DecodeJpegImage(picture).isNull());
        QVERIFY(LoadJpegImage(Write("truncated.jpg", picture.left(picture.size() * 7 / 10))).isNull());
        QVERIFY(LoadJpegImage(Write("garbage.jpg", garbage)).isNull());
        QVERIFY(LoadJpegImage(Write("noise.jpg", badMarker)).isNull());
        // Refused rather than shown in wrong colours.
        QVERIFY(LoadJpegImage(Write("cmyk.jpg", EncodeHalves(16, 16, 4, Qt::red, Qt::blue))).isNull());
        // The same data, whole, still decodes: the refusals above are about the damage.
        QCOMPARE(DecodeJpegImage(good).size(), QSize(64, 48));
    }
};

QTEST_GUILESS_MAIN(JpegImageTest)
#include "jpegimage_test.moc"
