#include "ui/CourseLists.h"

#include <QApplication>
#include <QPainter>
#include <QTextOption>

namespace kip::ui {

int dialogUnits(const QWidget* widget, int units) {
    return widget->fontMetrics().averageCharWidth() * units / 4;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setTabStopDistance(tabStop_);
    layout.setWrapMode(QTextOption::NoWrap);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    painter->save();
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    const QPalette::ColorGroup group =
        (option.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->drawText(area.adjusted(2, 0, 0, 0), text, layout);
    painter->restore();
}

QListWidget* makeLineList(QWidget* parent, const golfdb::ItemList& lines, int tabStopUnits) {
    auto* list = new QListWidget(parent);
    list->setItemDelegate(new TabStopDelegate(dialogUnits(list, tabStopUnits), list));
    list->setUniformItemSizes(true);
    fillLineList(list, lines);
    return list;
}

void fillLineList(QListWidget* list, const golfdb::ItemList& lines) {
    list->clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(lines[i].text), list);
        item->setData(Qt::UserRole, static_cast<int>(i));
    }
}

std::vector<int> selectedRows(const QListWidget* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows.push_back(i);
    return rows;
}

QVariant LineListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_())
        return {};
    return QString::fromStdString(line_(index.row()));
}

} // namespace kip::ui
