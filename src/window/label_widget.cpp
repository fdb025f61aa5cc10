#include "window/label_widget.h"

#include "window/qt_text.h"

namespace velmora {

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void LabelWidget::setCaption(std::string_view text) {
    const QString caption = toQString(text);
    setText(caption);
    setAccessibleName(caption);
}

}  // namespace velmora
