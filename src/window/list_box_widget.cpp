#include "window/list_box_widget.h"

#include <string>

#include "window/qt_text.h"

namespace velmora {

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
}

void ListBoxWidget::Clear() { clear(); }

void ListBoxWidget::AddItem(std::string_view text) { addItem(toQString(text)); }

int ListBoxWidget::ListIndex() const {
    // The selection, not the current row: focus alone makes a row current
    // without choosing it.
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

std::string ListBoxWidget::List(int index) const {
    if (index < 0 || index >= count()) {
        throw ControlError(toUtf8(objectName()), "List",
                           "index " + std::to_string(index) + " is not between 0 and " +
                               std::to_string(count() - 1));
    }
    return toUtf8(item(index)->text());
}

}  // namespace velmora
