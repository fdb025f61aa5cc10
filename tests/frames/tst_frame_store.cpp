// The pictures built into the program decode to what Qt's own BMP decoder
// sees in the same files, pixel for pixel, and a file built in twice is one
// picture.

#include <QImage>
#include <QTest>
#include <set>

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

    void aStillImageIsItsViewsFirstFrame_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("firstFrame");
        QTest::newRow("front") << "Picture4" << "Picture1";
        QTest::newRow("oblique") << "Picture5" << "Picture7";
        QTest::newRow("side") << "Picture6" << "Picture10";
    }
    void aStillImageIsItsViewsFirstFrame() {
        QFETCH(QString, display);
        QFETCH(QString, firstFrame);
        const velmora::FramePictures pictures = loadFramePictures();
        QCOMPARE(pictures.at(display.toStdString()), pictures.at(firstFrame.toStdString()));
    }

    void theNineFramesAreNinePictures() {
        const velmora::FramePictures pictures = loadFramePictures();
        std::set<const velmora::Picture*> frames;
        for (const char* holder : {"Picture1", "Picture2", "Picture3", "Picture7", "Picture8",
                                   "Picture9", "Picture10", "Picture11", "Picture12"}) {
            frames.insert(pictures.at(holder).get());
        }
        QCOMPARE(frames.size(), std::size_t(9));
    }
};

QTEST_APPLESS_MAIN(TestFrameStore)
#include "tst_frame_store.moc"
