#pragma once

// The controls speak UTF-8; Qt speaks QString.

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace velmora
