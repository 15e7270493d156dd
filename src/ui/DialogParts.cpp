#include "ui/DialogParts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace kip::ui {

QPushButton* button(const char* text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons)
        row->addWidget(b);
    return row;
}

void followSingleChoice(QListWidget* list, std::function<void(int)> select,
                        std::function<void(int)> doubleClick) {
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list, select = std::move(select)] {
        const auto chosen = list->selectedItems();
        select(chosen.isEmpty() ? -1 : list->row(chosen.front()));
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list,
                     [list, doubleClick = std::move(doubleClick)](QListWidgetItem* item) {
                         doubleClick(list->row(item));
                     });
}

} // namespace kip::ui
