// The twelve committed frame files: their format to the byte, the three
// still images that repeat a first frame, and black drawings on white that
// keep inside their margins.

#include <QTest>
#include <array>

#include "frame_file.h"

namespace {

struct FrameFormat {
    const char* pictureBox;
    int side;  // width and height
};

constexpr std::array<FrameFormat, 12> kFrames{{
    {"Picture1", 217},
    {"Picture2", 217},
    {"Picture3", 217},
    {"Picture4", 217},
    {"Picture5", 216},
    {"Picture6", 217},
    {"Picture7", 216},
    {"Picture8", 217},
    {"Picture9", 217},
    {"Picture10", 217},
    {"Picture11", 217},
    {"Picture12", 217},
}};

struct HeaderField {
    const char* name;
    int offset;
    int size;
    quint32 value;
};

constexpr quint32 fileSize(int side) { return 1078 + (side + 3) / 4 * 4 * side + 2; }

constexpr std::array<HeaderField, 16> headerFields(int side) {
    return {{
        {"signature", 0, 2, 'B' | 'M' << 8},
        {"bfSize", 2, 4, fileSize(side)},
        {"bfReserved1", 6, 2, 0},
        {"bfReserved2", 8, 2, 0},
        {"bfOffBits", 10, 4, 1078},
        {"biSize", 14, 4, 40},
        {"biWidth", 18, 4, quint32(side)},
        {"biHeight", 22, 4, quint32(side)},
        {"biPlanes", 26, 2, 1},
        {"biBitCount", 28, 2, 8},
        {"biCompression", 30, 4, 0},
        {"biSizeImage", 34, 4, 0},
        {"biXPelsPerMeter", 38, 4, 2834},
        {"biYPelsPerMeter", 42, 4, 2834},
        {"biClrUsed", 46, 4, 0},
        {"biClrImportant", 50, 4, 0},
    }};
}

// Where the drawings must keep, so a display box loses only white margin.
constexpr int kFirstColumn = 14;
constexpr int kLastColumn = 211;
constexpr int kFirstRow = 2;
constexpr int kLastRow = 203;

void addFrameRows() {
    QTest::addColumn<QString>("pictureBox");
    QTest::addColumn<int>("side");
    for (const FrameFormat& frame : kFrames)
        QTest::newRow(frame.pictureBox) << QString(frame.pictureBox) << frame.side;
}

}  // namespace

class TestFrameFiles : public QObject {
    Q_OBJECT

private slots:
    void hasTheFormatToTheByte_data() { addFrameRows(); }
    void hasTheFormatToTheByte() {
        QFETCH(QString, pictureBox);
        QFETCH(int, side);
        FrameFile frame = FrameFile::load(pictureBox);
        QCOMPARE(frame.bytes.size(), qsizetype(fileSize(side)));
        for (const HeaderField& f : headerFields(side))
            QVERIFY2(frame.field(f.offset, f.size) == f.value,
                     qPrintable(QString("%1 is %2, not %3")
                                    .arg(f.name)
                                    .arg(frame.field(f.offset, f.size))
                                    .arg(f.value)));
        for (quint32 k = 0; k < 256; ++k)
            QVERIFY2(frame.field(54 + 4 * int(k), 4) == (k << 16 | k << 8 | k),
                     qPrintable(QString("palette entry %1 is not grey %1").arg(k)));
        int rowBytes = frame.rowBytes();
        for (int row = 0; row < side; ++row)
            for (int pad = side; pad < rowBytes; ++pad)
                QVERIFY2(frame.bytes[FrameFile::kPixelOffset + row * rowBytes + pad] == 0,
                         qPrintable(QString("padding of stored row %1 is not 0").arg(row)));
        QCOMPARE(frame.bytes.right(2), QByteArray(2, '\0'));
    }

    void stillImageRepeatsTheFirstFrame_data() {
        QTest::addColumn<QString>("still");
        QTest::addColumn<QString>("firstFrame");
        QTest::newRow("front") << "Picture4"
                               << "Picture1";
        QTest::newRow("oblique") << "Picture5"
                                 << "Picture7";
        QTest::newRow("side") << "Picture6"
                              << "Picture10";
    }
    void stillImageRepeatsTheFirstFrame() {
        QFETCH(QString, still);
        QFETCH(QString, firstFrame);
        QByteArray stillBytes = FrameFile::load(still).bytes;
        QVERIFY(!stillBytes.isEmpty());
        QVERIFY2(stillBytes == FrameFile::load(firstFrame).bytes,
                 qPrintable(still + " differs from " + firstFrame));
    }

    void drawsBlackOnWhiteInsideTheMargins_data() { addFrameRows(); }
    void drawsBlackOnWhiteInsideTheMargins() {
        QFETCH(QString, pictureBox);
        QFETCH(int, side);
        FrameFile frame = FrameFile::load(pictureBox);
        QCOMPARE(frame.bytes.size(), qsizetype(fileSize(side)));
        int blackPixels = 0;
        for (int row = 0; row < side; ++row)
            for (int column = 0; column < side; ++column) {
                quint8 index = frame.index(column, row);
                QVERIFY2(
                    index == 0 || index == 255,
                    qPrintable(QString("index %1 at (%2, %3)").arg(index).arg(column).arg(row)));
                if (index != 0) continue;
                ++blackPixels;
                QVERIFY2(
                    column >= kFirstColumn && column <= kLastColumn && row >= kFirstRow &&
                        row <= kLastRow,
                    qPrintable(QString("black at (%1, %2), in the margin").arg(column).arg(row)));
            }
        // A propeller's wire-frame, not a stray dot: thousands of pixels, yet
        // most of the picture stays white.
        QVERIFY2(blackPixels > 1000 && blackPixels < side * side / 10,
                 qPrintable(QString("%1 black pixels").arg(blackPixels)));
    }
};

QTEST_MAIN(TestFrameFiles)
#include "tst_frame_files.moc"
