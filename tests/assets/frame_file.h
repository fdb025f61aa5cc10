#pragma once

// A committed frame file as the tests read it: its bytes, its header fields
// and its pixels as palette indices, with no BMP decoder in between.

#include <QByteArray>
#include <QFile>
#include <QString>

struct FrameFile {
    static constexpr int kPixelOffset = 1078;

    static FrameFile load(const QString& pictureBox) {
        QFile file(QStringLiteral(VELMORA_ASSETS_DIR "/frames/") + pictureBox + ".bmp");
        FrameFile frame;
        if (file.open(QIODevice::ReadOnly)) frame.bytes = file.readAll();
        return frame;
    }

    // Little-endian, as BMP fields are; 0 past the end of the file.
    quint32 field(int offset, int size) const {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | quint8(offset + i < bytes.size() ? bytes[offset + i] : 0);
        return value;
    }

    int width() const { return int(field(18, 4)); }
    int height() const { return int(field(22, 4)); }
    int rowBytes() const { return (width() + 3) / 4 * 4; }

    // Row counted from the top; the file stores the bottom row first.
    quint8 index(int column, int row) const {
        return quint8(bytes[kPixelOffset + (height() - 1 - row) * rowBytes() + column]);
    }
    bool black(int column, int row) const {
        return column >= 0 && row >= 0 && column < width() && row < height() &&
               index(column, row) == 0;
    }

    QByteArray bytes;
};
