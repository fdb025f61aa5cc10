#include "window/command_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velmora {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    // Enter presses the command button that has the focus.
    setAutoDefault(true);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The style draws the face and the focus frame; the caption is drawn
    // here, wrapped and centred.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(),
                         caption, QPalette::ButtonText);
}

}  // namespace velmora
