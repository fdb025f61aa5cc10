#include "byte_writer.h"

#include <fstream>
#include <stdexcept>

namespace velmora::drawing {

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace velmora::drawing
