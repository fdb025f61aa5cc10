// The BMP reader: the frames' layout decodes, anything looser is refused
// with the field at fault, and no file makes it read outside its bytes.

#include <QTest>
#include <memory>

#include "bmp_fixture.h"
#include "frames/bmp_reader.h"

using velmora::BmpError;
using velmora::decodeBmp;
using velmora::Picture;
using velmora::testing::BmpShape;
using velmora::testing::brokenBmps;
using velmora::testing::makeBmp;

namespace {

// Decodes from a heap block of exactly the file's length, so that a read
// past the end is a heap overflow the sanitizers catch.
Picture decodeExact(const std::vector<std::uint8_t>& file) {
    auto block = std::make_unique<std::uint8_t[]>(file.size());
    std::copy(file.begin(), file.end(), block.get());
    return decodeBmp({block.get(), file.size()});
}

std::uint32_t grey(std::uint8_t k) { return 0xff000000u | k << 16 | k << 8 | k; }

}  // namespace

class TestBmpReader : public QObject {
    Q_OBJECT

private slots:
    void decodesRowsTopDownThroughThePalette_data() {
        QTest::addColumn<int>("paddingByte");
        QTest::addColumn<int>("trailingBytes");
        QTest::newRow("as the frames are stored") << 0 << 2;
        QTest::newRow("padding full of garbage") << 0xAB << 2;
        QTest::newRow("extra trailing bytes") << 0 << 300;
        QTest::newRow("no trailing bytes") << 0xff << 0;
    }
    void decodesRowsTopDownThroughThePalette() {
        QFETCH(int, paddingByte);
        QFETCH(int, trailingBytes);
        const Picture picture = decodeExact(makeBmp(
            {.paddingByte = std::uint8_t(paddingByte), .trailingBytes = std::size_t(trailingBytes)}));

        // The fixture's top row holds indices 0, 1, 2 and its bottom row 3, 4, 5.
        const Picture expected{3, 2, {grey(0), grey(1), grey(2), grey(3), grey(4), grey(5)}};
        QCOMPARE(picture, expected);
    }

    void readsThePaletteAsBlueGreenRed() {
        std::vector<std::uint8_t> file = makeBmp();
        const std::size_t entry1 = 54 + 4;
        file[entry1] = 0x10;      // blue
        file[entry1 + 1] = 0x20;  // green
        file[entry1 + 2] = 0x30;  // red
        file[entry1 + 3] = 0x77;  // unused
        QCOMPARE(decodeExact(file).pixels[1], 0xff302010u);
    }

    void acceptsAShortPaletteItsPixelsKeepTo() {
        const Picture picture = decodeExact(makeBmp({.width = 2, .height = 1, .coloursUsed = 2}));
        QCOMPARE(picture, (Picture{2, 1, {grey(0), grey(1)}}));
    }

    void refusesBrokenFilesNamingTheField_data() {
        QTest::addColumn<int>("row");
        const std::vector<velmora::testing::BrokenBmp> broken = brokenBmps();
        for (std::size_t i = 0; i < broken.size(); ++i) {
            QTest::newRow(broken[i].name.c_str()) << int(i);
        }
    }
    void refusesBrokenFilesNamingTheField() {
        QFETCH(int, row);
        const velmora::testing::BrokenBmp broken = brokenBmps()[std::size_t(row)];
        try {
            decodeExact(broken.bytes);
            QFAIL("accepted");
        } catch (const BmpError& error) {
            QCOMPARE(error.field(), broken.field);
            // The message says what a person needs: the field and its value.
            QVERIFY2(QString(error.what()).startsWith(QString::fromStdString(
                         broken.field + " is " + std::to_string(error.value()) + ", expected ")),
                     error.what());
        }
    }

    void namesTheValueItRefused() {
        try {
            decodeExact(makeBmp({.width = 5000}));
            QFAIL("accepted");
        } catch (const BmpError& error) {
            QCOMPARE(error.what(), "biWidth is 5000, expected from 1 to 4096");
        }
    }
};

QTEST_APPLESS_MAIN(TestBmpReader)
#include "tst_bmp_reader.moc"
