#include "ui/MergeMasterView.h"

#include "manage/CourseServices.h"
#include "ui/CourseLists.h"
#include "ui/DialogParts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kip::ui {
namespace {

// Lines that arrive go into the list at most this often, as one batch.
constexpr int batchMilliseconds = 50;

} // namespace

MergeMasterView::MergeMasterView(manage::CMergeMaster& model, QWidget* parent)
    : ModelDialog(parent, manage::CMergeMaster::title(), "master"), model_(model),
      poster_(
          this, [this](manage::MasterGroup group) { receiveGroup(std::move(group)); },
          [this] { receiveEnd(); }) {
    setObjectName("mergeMasterView");
    using Dlg = manage::CMergeMaster;
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Dlg::currentLabel(), this), 0, 0);
    current_ = makeLineList(this, {}, Dlg::currentTabStop);
    current_->setObjectName("current");
    current_->setSelectionMode(QAbstractItemView::NoSelection);
    current_->setMinimumSize(dialogUnits(current_, 200), 360);
    grid->addWidget(current_, 1, 0, 2, 1);

    grid->addWidget(new QLabel(Dlg::masterLabel(), this), 0, 1);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    grid->addWidget(status_, 1, 1);
    master_ = new QListView(this);
    master_->setObjectName("master");
    master_->setUniformItemSizes(true);
    master_->setSelectionMode(QAbstractItemView::MultiSelection);
    master_->setItemDelegate(new TabStopDelegate(dialogUnits(master_, model_.masterTabStop()), master_));
    master_->setMinimumSize(dialogUnits(master_, 260), 330);
    lines_ = new LineListModel([this] { return static_cast<int>(model_.masterLines().size()); },
                               [this](int row) -> const std::string& {
                                   return model_.masterLines()[static_cast<std::size_t>(row)].text;
                               },
                               master_);
    master_->setModel(lines_);
    grid->addWidget(master_, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    layout->addLayout(grid);

    auto* finds = new QHBoxLayout;
    finds->addStretch();
    state_ = new QLineEdit(this);
    state_->setObjectName("state");
    state_->setMaxLength(Dlg::stateLength);
    state_->setFixedWidth(70);
    findState_ = new QPushButton("Find State", this);
    name_ = new QLineEdit(this);
    name_->setObjectName("name");
    findName_ = new QPushButton("Find Course Name", this);
    finds->addWidget(state_);
    finds->addWidget(findState_);
    finds->addSpacing(12);
    finds->addWidget(name_, 1);
    finds->addWidget(findName_);
    layout->addLayout(finds);
    connect(state_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.setStateText(text.toStdString());
        const int cursor = state_->cursorPosition();
        state_->setText(QString::fromStdString(model_.stateText()));
        state_->setCursorPosition(cursor);
    });
    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& t) { model_.setNameText(t.toStdString()); });
    connect(findState_, &QPushButton::clicked, this, [this] { scrollToTop(model_.findState()); });
    connect(findName_, &QPushButton::clicked, this, [this] {
        model_.findCourseName();
        scrollToTop(model_.topLine());
    });

    auto* buttons = new QHBoxLayout;
    copy_ = new QPushButton("<< Copy Selected", this);
    copy_->setObjectName("copy");
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cancel");
    auto* help = new QPushButton("Help", this);
    for (auto* b : {findState_, findName_, copy_, cancel_, help})
        b->setAutoDefault(false);
    connect(copy_, &QPushButton::clicked, this, &MergeMasterView::copySelected);
    pressOnEnter(state_, findState_);
    pressOnEnter(name_, findName_);
    pressOnEnter(master_, copy_);
    connect(cancel_, &QPushButton::clicked, this, &MergeMasterView::reject);
    connect(help, &QPushButton::clicked, this, &MergeMasterView::showHelp);
    buttons->addWidget(copy_);
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addWidget(help);
    layout->addLayout(buttons);

    model_.currentListChanged = [this] { fillLineList(current_, model_.currentLines()); };
    batch_ = new QTimer(this);
    batch_->setSingleShot(true);
    batch_->setInterval(batchMilliseconds);
    connect(batch_, &QTimer::timeout, this, &MergeMasterView::refreshList);
    showState();
}

MergeMasterView::~MergeMasterView() {
    model_.currentListChanged = nullptr;
}

void MergeMasterView::showEvent(QShowEvent* event) {
    ModelDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    model_.open(poster_);
    fillLineList(current_, model_.currentLines());
    showState();
}

void MergeMasterView::receiveGroup(manage::MasterGroup group) {
    const int before = model_.linesReceived() / 100;
    model_.receiveGroup(std::move(group));
    if (model_.linesReceived() / 100 != before)
        status_->setText(QString::fromStdString(model_.status()));
    if (!batch_->isActive())
        batch_->start();
}

void MergeMasterView::receiveEnd() {
    batch_->stop();
    model_.receiveEnd();
    lines_->refresh();
    showState();
    master_->setFocus();
    emit loadingEnded();
}

void MergeMasterView::refreshList() {
    if (model_.mergePending())
        lines_->refresh();
}

bool MergeMasterView::listUpToDate() const {
    return lines_->rowCount() == model_.linesReceived();
}

void MergeMasterView::showState() {
    status_->setText(QString::fromStdString(model_.status()));
    state_->setEnabled(model_.stateFieldEnabled());
    findState_->setEnabled(model_.findStateEnabled());
    findName_->setEnabled(model_.findCourseNameEnabled());
    master_->setEnabled(model_.masterListEnabled());
    copy_->setEnabled(model_.copyEnabled());
    cancel_->setEnabled(model_.cancelEnabled());
}

void MergeMasterView::scrollToTop(int line) {
    if (line >= 0 && line < lines_->rowCount())
        master_->scrollTo(lines_->index(line), QAbstractItemView::PositionAtTop);
}

void MergeMasterView::copySelected() {
    chooseHighlightedRow(master_);
    std::vector<int> rows;
    for (const QModelIndex& index : master_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    model_.setSelected(std::move(rows));
    const int result = model_.copySelected();
    if (result != manage::dialogStayOpen)
        finish(result);
}

void MergeMasterView::reject() {
    if (model_.canClose())
        finish(model_.cancel());
}

void MergeMasterView::closeEvent(QCloseEvent* event) {
    if (!model_.canClose()) {
        event->ignore();
        return;
    }
    ModelDialog::closeEvent(event);
}

} // namespace kip::ui
