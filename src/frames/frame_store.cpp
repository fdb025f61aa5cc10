#include "frames/frame_store.h"

#include <QResource>
#include <QString>
#include <memory>
#include <span>

#include "frames/bmp_reader.h"

namespace velmora {

FramePictures loadFramePictures() {
    FramePictures pictures;
    for (std::string_view box : kPictureBoxes) {
        const std::string file = std::string(box) + ".bmp";
        const QResource resource(QStringLiteral(":/frames/") + QString::fromStdString(file));
        // The files are built in uncompressed, so this is a view of the
        // program's own data, not a copy.
        const QByteArray data = resource.isValid() ? resource.uncompressedData() : QByteArray();
        const std::span<const std::uint8_t> bytes(
            reinterpret_cast<const std::uint8_t*>(data.constData()),
            static_cast<std::size_t>(data.size()));
        try {
            pictures.emplace(box, std::make_shared<const Picture>(decodeBmp(bytes)));
        } catch (const BmpError& error) {
            throw BmpError(file + ": " + error.field(), error.value(), error.expected());
        }
    }
    return pictures;
}

}  // namespace velmora
