#include "window/font_substitutions.h"

#include <QFont>
#include <QStringList>

#include "window/qt_text.h"

namespace velmora {

void installFontSubstitutions() {
    for (const FontSubstitution& row : kFontSubstitutions) {
        QStringList substitutes;
        for (std::string_view family : row.substitutes) {
            substitutes.append(toQString(family));
        }
        QFont::insertSubstitutions(toQString(row.requested), substitutes);
    }
}

}  // namespace velmora
