// The committed window icon: one Windows icon file with 32 x 32 images in
// two and 16 colours and a 16 x 16 image in 16 colours, and the desktop's
// PNGs showing the same art.

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <array>

namespace {

QString iconPath(const char* name) { return QStringLiteral(VELMORA_ASSETS_DIR "/icon/") + name; }

struct IconImage {
    int side;
    int colours;
    int bitsPerPixel;
};

constexpr std::array<IconImage, 3> kIconImages{{{32, 2, 1}, {32, 16, 4}, {16, 16, 4}}};

quint32 le(const QByteArray& bytes, int offset, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | quint8(bytes[offset + i]);
    return value;
}

bool sameArt(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            QRgb p = a.pixel(x, y);
            QRgb q = b.pixel(x, y);
            if (qAlpha(p) != qAlpha(q) || (qAlpha(p) != 0 && p != q)) return false;
        }
    return true;
}

}  // namespace

class TestIconFiles : public QObject {
    Q_OBJECT

private slots:
    void iconFileHoldsTheThreeImages() {
        QFile file(iconPath("velmora.ico"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        QVERIFY(bytes.size() >= 6 + 16 * 3);
        QCOMPARE(le(bytes, 0, 2), 0u);
        QCOMPARE(le(bytes, 2, 2), 1u);  // an icon
        QCOMPARE(le(bytes, 4, 2), quint32(kIconImages.size()));
        quint32 next = 6 + 16 * 3;
        for (std::size_t i = 0; i < kIconImages.size(); ++i) {
            const IconImage& want = kIconImages[i];
            int entry = 6 + 16 * int(i);
            QCOMPARE(int(quint8(bytes[entry])), want.side);
            QCOMPARE(int(quint8(bytes[entry + 1])), want.side);
            QCOMPARE(int(quint8(bytes[entry + 2])), want.colours);
            QCOMPARE(le(bytes, entry + 4, 2), 1u);
            QCOMPARE(int(le(bytes, entry + 6, 2)), want.bitsPerPixel);
            // The images follow the directory back to back, each with its
            // colour bitmap, its palette and its transparency mask.
            quint32 size = le(bytes, entry + 8, 4);
            QCOMPARE(le(bytes, entry + 12, 4), next);
            quint32 rows = quint32(want.side);
            quint32 expected = 40 + 4 * quint32(want.colours) +
                               rows * ((rows * quint32(want.bitsPerPixel) + 31) / 32 * 4) +
                               rows * ((rows + 31) / 32 * 4);
            QCOMPARE(size, expected);
            next += size;
        }
        QCOMPARE(quint32(bytes.size()), next);

        QImageReader reader(iconPath("velmora.ico"));
        QCOMPARE(reader.imageCount(), int(kIconImages.size()));
        for (std::size_t i = 0; i < kIconImages.size(); ++i) {
            QVERIFY(reader.jumpToImage(int(i)));
            QImage image = reader.read();
            QCOMPARE(image.size(), QSize(kIconImages[i].side, kIconImages[i].side));
            QCOMPARE(image.pixel(0, 0) >> 24, 0u);  // the corner is transparent
        }
    }

    void desktopPngShowsTheIconArt_data() {
        QTest::addColumn<QString>("png");
        QTest::addColumn<int>("iconImage");
        QTest::newRow("32 x 32") << "velmora-32.png" << 1;
        QTest::newRow("16 x 16") << "velmora-16.png" << 2;
    }
    void desktopPngShowsTheIconArt() {
        QFETCH(QString, png);
        QFETCH(int, iconImage);
        QImage desktop(iconPath(qPrintable(png)));
        QVERIFY2(!desktop.isNull(), qPrintable(png + " does not load"));
        QVERIFY(desktop.hasAlphaChannel());
        QImageReader reader(iconPath("velmora.ico"));
        QVERIFY(reader.jumpToImage(iconImage));
        QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(sameArt(desktop.convertToFormat(QImage::Format_ARGB32), icon));
    }

    void twoColourImageIsBlackAndWhite() {
        QImageReader reader(iconPath("velmora.ico"));
        QVERIFY(reader.jumpToImage(0));
        QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QRgb p = image.pixel(x, y);
                if (qAlpha(p) == 0) continue;
                ++opaque;
                QVERIFY2(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255),
                         qPrintable(QString("colour %1 at (%2, %3)").arg(p, 0, 16).arg(x).arg(y)));
            }
        QVERIFY(opaque > 32 * 32 / 4);
    }
};

QTEST_MAIN(TestIconFiles)
#include "tst_icon_files.moc"
