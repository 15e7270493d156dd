#include "ui/ListDialogView.h"

#include "ui/StatsFields.h"
#include "ui/TabbedText.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

constexpr int pollMilliseconds = 50;

const char* buttonName(report::ListButton button) {
    switch (button) {
    case report::ListButton::Ok:
        return "ok";
    case report::ListButton::Cancel:
        return "cancel";
    case report::ListButton::Print:
        return "print";
    case report::ListButton::PrintNoBreaks:
        return "printNoBreaks";
    case report::ListButton::PrintSummary:
        return "printSummary";
    case report::ListButton::Help:
        return "help";
    }
    return "";
}

// Paints a line with its tabs at the listing's stops.
class TabbedLineDelegate : public QStyledItemDelegate {
public:
    TabbedLineDelegate(std::vector<int> stops, QObject* parent)
        : QStyledItemDelegate(parent), stops_(std::move(stops)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        // The text keeps the style's margin, as the standard item text does.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect area =
            style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(margin, 0, -margin, 0);
        painter->save();
        painter->setFont(item.font);
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setClipRect(area);
        const QFontMetrics metrics(item.font);
        const int baseline = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();
        std::vector<int> stops;
        for (const int stop : stops_)
            stops.push_back(area.left() + stop);
        drawTabbedText(*painter, metrics, area.left(), baseline, text, stops);
        painter->restore();
    }

private:
    std::vector<int> stops_; // from the left edge of the text
};

} // namespace

int ListLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : dialog_.size();
}

QVariant ListLinesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= dialog_.size())
        return {};
    return QString::fromStdString(dialog_.line(index.row()).text);
}

void ListLinesModel::appended(int from, int to) {
    beginInsertRows({}, from, to - 1);
    endInsertRows();
}

void ListLinesModel::reset() {
    beginResetModel();
    endResetModel();
}

ListDialogView::ListDialogView(report::CListDlg& model, QWidget* parent)
    : ModelDialog(parent, QString::fromStdString(model.title()), QString::fromStdString(model.helpTopic())),
      model_(model) {
    setObjectName("listDialogView");
    setSizeGripEnabled(true);
    rememberPlaceAs("Listing");
    auto* layout = new QVBoxLayout(this);
    const QFont fixed = statsFixedFont();
    list_ = new QListView(this);
    list_->setObjectName("list");
    list_->setFont(fixed);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(model.selectable() ? QAbstractItemView::SingleSelection
                                               : QAbstractItemView::NoSelection);
    list_->setFocusPolicy(model.selectable() ? Qt::StrongFocus : Qt::NoFocus);
    lines_ = new ListLinesModel(model, this);
    list_->setModel(lines_);
    list_->setItemDelegate(new TabbedLineDelegate(tabStopPixels(), list_));
    const QFontMetrics metrics(fixed);
    list_->setMinimumSize(metrics.averageCharWidth() * 78, metrics.lineSpacing() * 20);

    // The headings are in the list's font and start where its text starts, so that a column header
    // lines up with the columns below it.
    const int textIndent =
        list_->frameWidth() + list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
    const std::pair<const std::string*, const char*> headings[] = {{&model.firstHeading(), "firstHeading"},
                                                                   {&model.secondHeading(), "secondHeading"}};
    for (const auto& [text, name] : headings) {
        auto* label = new QLabel(QString::fromStdString(*text), this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setFont(fixed);
        label->setContentsMargins(textIndent, 0, 0, 0);
        label->setVisible(!text->empty());
        layout->addWidget(label);
    }
    layout->addWidget(list_, 1);

    // The model follows the selection, not the focus frame, so a list that gets the focus shows
    // nothing selected until the user picks a line.
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const auto rows = list_->selectionModel()->selectedRows();
        const int row = rows.isEmpty() ? -1 : rows.front().row();
        if (model_.selectedIndex() != row)
            model_.select(row);
    });
    connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        model_.doubleClick(index.row());
        showModel();
    });

    auto* row = new QHBoxLayout;
    row->addStretch();
    for (const auto id : model.buttons()) {
        auto* button = new QPushButton(QString::fromStdString(report::CListDlg::caption(id)), this);
        button->setObjectName(buttonName(id));
        row->addWidget(button);
        buttons_.emplace_back(id, button);
        if (id == report::ListButton::Ok)
            button->setDefault(true);
        connect(button, &QPushButton::clicked, this, [this, id] { press(id); });
    }
    layout->addLayout(row);

    model_.setChangedListener([this] { showModel(); });
    if (model_.poll()) {
        poll_ = new QTimer(this);
        connect(poll_, &QTimer::timeout, this, [this] { model_.poll()(); });
        poll_->start(pollMilliseconds);
    }
    showModel();
}

ListDialogView::~ListDialogView() {
    model_.setChangedListener({});
}

QPushButton* ListDialogView::button(report::ListButton id) const {
    for (const auto& [which, button] : buttons_)
        if (which == id)
            return button;
    return nullptr;
}

std::vector<int> ListDialogView::tabStopPixels() const {
    const int charWidth = QFontMetrics(list_->font()).averageCharWidth();
    std::vector<int> pixels;
    for (const int units : model_.tabStops())
        pixels.push_back(report::dialogUnitsToPixels(units, charWidth));
    return pixels;
}

void ListDialogView::press(report::ListButton id) {
    switch (id) {
    case report::ListButton::Ok: {
        const int result = model_.ok();
        if (result != report::dialogStaysOpen)
            finish(result);
        break;
    }
    case report::ListButton::Cancel:
        finish(model_.cancel());
        break;
    case report::ListButton::Help:
        showHelp();
        break;
    default:
        model_.print(id);
        break;
    }
}

void ListDialogView::showModel() {
    if (shownLines_ != model_.size()) {
        // Lines added at the end of a listing that fills while it is shown keep the user's place.
        if (!model_.sorted() && shownLines_ >= 0 && model_.size() > shownLines_)
            lines_->appended(shownLines_, model_.size());
        else
            lines_->reset();
        shownLines_ = model_.size();
    }
    const int selected = model_.selectedIndex();
    const auto rows = list_->selectionModel()->selectedRows();
    const int shown = rows.isEmpty() ? -1 : rows.front().row();
    if (selected != shown) {
        if (selected < 0)
            list_->selectionModel()->clearSelection();
        else
            list_->selectionModel()->setCurrentIndex(lines_->index(selected),
                                                     QItemSelectionModel::ClearAndSelect);
    }
    for (const auto& [id, button] : buttons_)
        if (id == report::ListButton::Print || id == report::ListButton::PrintNoBreaks ||
            id == report::ListButton::PrintSummary)
            button->setEnabled(model_.printEnabled());
}

} // namespace kip::ui
