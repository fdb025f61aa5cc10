// A picture box shows its picture unscaled from the top-left, clipped and
// never smoothed, and paints each picture object from its own pixels.

#include <QImage>
#include <QTest>
#include <memory>

#include "window/picture_box_widget.h"
#include "window/picture_images.h"
#include "window_test_support.h"

using velmora::Picture;
using velmora::PictureBoxWidget;
using velmora::PictureHandle;
using velmora::PictureImages;

namespace {

constexpr std::uint32_t kBlack = 0xff000000;
constexpr std::uint32_t kWhite = 0xffffffff;
constexpr std::uint32_t kGrey = 0xff808080;

// A picture whose every pixel differs from its neighbours, so any shift,
// scaling or blending shows.
PictureHandle checkerboard(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.pixels.push_back((x + y) % 3 == 0 ? kBlack : (x + y) % 3 == 1 ? kGrey : kWhite);
        }
    }
    return std::make_shared<const Picture>(std::move(picture));
}

QImage rendered(QWidget& box, qreal devicePixelRatio) {
    QImage image(box.size() * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::red);
    box.render(&image);
    return image;
}

}  // namespace

class TestPictureBox : public QObject {
    Q_OBJECT

private slots:
    void drawsUnscaledFromTheTopLeftClippedToTheBox_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box");
        QTest::newRow("larger than the box, like a frame in a display box") << QSize(9, 9) << QSize(9, 7);
        QTest::newRow("one pixel smaller, like the first oblique frame") << QSize(8, 8) << QSize(9, 7);
        QTest::newRow("a frame in a one-pixel holder") << QSize(9, 9) << QSize(1, 1);
    }
    void drawsUnscaledFromTheTopLeftClippedToTheBox() {
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        PictureImages images;
        PictureBoxWidget widget(images, nullptr);
        widget.resize(box);
        const PictureHandle shown = checkerboard(picture.width(), picture.height());
        widget.setPicture(shown);
        QCOMPARE(widget.Picture(), shown);
        QCOMPARE(rendered(widget, 1), velmora::testing::boxShowing(*shown, box));
    }

    void staysSharpAtEveryScaleFactor_data() {
        QTest::addColumn<int>("scale");
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }
    void staysSharpAtEveryScaleFactor() {
        QFETCH(int, scale);
        PictureImages images;
        PictureBoxWidget widget(images, nullptr);
        widget.resize(6, 6);
        const PictureHandle shown = checkerboard(6, 6);
        widget.setPicture(shown);
        const QImage image = rendered(widget, scale);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const std::uint32_t expected = shown->pixels[std::size_t(y / scale) * 6 + x / scale];
                if (image.pixel(x, y) != expected) {
                    QFAIL(qPrintable(QStringLiteral("device pixel %1,%2 is %3, not %4")
                                         .arg(x).arg(y).arg(image.pixel(x, y), 0, 16).arg(expected, 0, 16)));
                }
            }
        }
    }

    void readsEachPictureObjectInPlace() {
        PictureImages images;
        const PictureHandle frame = checkerboard(4, 4);
        const PictureHandle sameLooks = checkerboard(4, 4);
        const QImage& image = images.imageFor(frame);
        QCOMPARE(static_cast<const void*>(image.constBits()),
                 static_cast<const void*>(frame->pixels.data()));
        const qint64 first = image.cacheKey();
        for (int assignment = 0; assignment < 24; ++assignment) {
            QCOMPARE(images.imageFor(frame).cacheKey(), first);
        }
        QVERIFY(images.imageFor(sameLooks).cacheKey() != first);
    }

    void keepsItsPictureWhenTheCallerLetsGo() {
        PictureImages images;
        PictureBoxWidget widget(images, nullptr);
        widget.resize(4, 4);
        PictureHandle shown = checkerboard(4, 4);
        const Picture copy = *shown;
        widget.setPicture(shown);
        shown.reset();
        QCOMPARE(*widget.Picture(), copy);
        QCOMPARE(rendered(widget, 1), velmora::testing::boxShowing(copy, QSize(4, 4)));
    }
};

QTEST_MAIN(TestPictureBox)
#include "tst_picture_box.moc"
