// The pictures built into the program decode to what Qt's own BMP decoder
// sees in the same files, pixel for pixel.

#include <QImage>
#include <QTest>

#include "frames/frame_store.h"

using velmora::kPictureBoxes;
using velmora::loadFramePictures;

class TestFrameStore : public QObject {
    Q_OBJECT

private slots:
    void everyBoxHasItsPictureAsQtDecodesIt_data() {
        QTest::addColumn<QString>("box");
        for (std::string_view box : kPictureBoxes) {
            QTest::newRow(box.data()) << QString::fromUtf8(box.data(), qsizetype(box.size()));
        }
    }
    void everyBoxHasItsPictureAsQtDecodesIt() {
        QFETCH(QString, box);
        static const velmora::FramePictures pictures = loadFramePictures();
        const auto found = pictures.find(box.toStdString());
        QVERIFY(found != pictures.end() && found->second != nullptr);
        const velmora::Picture& picture = *found->second;

        const QImage image =
            QImage(":/frames/" + box + ".bmp", "BMP").convertToFormat(QImage::Format_RGB32);
        QVERIFY(!image.isNull());
        QCOMPARE(picture.width, image.width());
        QCOMPARE(picture.height, image.height());
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (picture.pixels[std::size_t(y * picture.width + x)] != row[x]) {
                    QFAIL(qPrintable(QString("differs from Qt at (%1, %2)").arg(x).arg(y)));
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestFrameStore)
#include "tst_frame_store.moc"
