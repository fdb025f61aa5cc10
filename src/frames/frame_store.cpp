#include "frames/frame_store.h"

#include <QResource>
#include <QString>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "frames/bmp_reader.h"

namespace velmora {

namespace {

// A file built in twice is decoded once: the display boxes open with the
// same files as their views' first frames, and pictures are never modified.
class DecodedFiles {
public:
    PictureHandle find(const QByteArray& data) const {
        for (const auto& [file, picture] : files_) {
            if (file == data) return picture;
        }
        return nullptr;
    }
    void add(QByteArray data, PictureHandle picture) {
        files_.emplace_back(std::move(data), std::move(picture));
    }

private:
    std::vector<std::pair<QByteArray, PictureHandle>> files_;
};

}  // namespace

FramePictures loadFramePictures() {
    FramePictures pictures;
    DecodedFiles decoded;
    for (std::string_view box : kPictureBoxes) {
        const std::string file = std::string(box) + ".bmp";
        const QResource resource(QStringLiteral(":/frames/") + QString::fromStdString(file));
        // The files are built in uncompressed, so this is a view of the
        // program's own data, not a copy.
        const QByteArray data = resource.isValid() ? resource.uncompressedData() : QByteArray();
        const std::span<const std::uint8_t> bytes(
            reinterpret_cast<const std::uint8_t*>(data.constData()),
            static_cast<std::size_t>(data.size()));
        PictureHandle picture = decoded.find(data);
        if (picture == nullptr) {
            try {
                picture = std::make_shared<const Picture>(decodeBmp(bytes));
            } catch (const BmpError& error) {
                throw BmpError(file + ": " + error.field(), error.value(), error.expected());
            }
            decoded.add(data, picture);
        }
        pictures.emplace(box, std::move(picture));
    }
    return pictures;
}

}  // namespace velmora
