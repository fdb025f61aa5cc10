#pragma once

// A list box: items in the order added, unsorted, at most one selected.

#include <QListWidget>

#include "window/controls.h"

namespace velmora {

class ListBoxWidget : public QListWidget, public ListBox {
    Q_OBJECT
public:
    explicit ListBoxWidget(QWidget* parent);

    void Clear() override;
    void AddItem(std::string_view text) override;
    int ListIndex() const override;
    std::string List(int index) const override;
};

}  // namespace velmora
