#include "manage/CMergeMaster.h"

#include "manage/CourseServices.h"
#include "manage/ListOrder.h"
#include "platform/TextFormat.h"
#include "store/TableStore.h"

#include <algorithm>
#include <iterator>

namespace kip::manage {
namespace {

constexpr int statusEvery = 100;

std::string formatted(const char* pattern, const std::string& a, const std::string& b, const std::string& c) {
    return platform::formatText(pattern, a.c_str(), b.c_str(), c.c_str());
}

bool sameGroup(const golfdb::CourseRecord& row, const std::string& name, const std::string& city,
               const std::string& state) {
    return row.name == name && row.city == city && row.state == state;
}

bool lineOrder(const MasterLine& a, const MasterLine& b) {
    return lineBefore(a.text, b.text);
}

} // namespace

CMergeMaster::CMergeMaster(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter, StateChoice choice)
    : doc_(doc), prompter_(prompter), choice_(std::move(choice)),
      stateFixed_(choice_.byName || !choice_.state.empty()) {}

CMergeMaster::~CMergeMaster() {
    loader_.join();
    if (waitShown_ && doc_.waitCursor())
        doc_.waitCursor()->end();
}

std::string CMergeMaster::masterLineText(const MasterGroup& group, bool byName) {
    if (byName)
        return formatted("%-40s \t%s, %s", group.name, group.city, group.state);
    return formatted("%-2s, %-20s  \t%s", group.state, group.city, group.name);
}

void CMergeMaster::open(MasterPoster& poster) {
    if (loading_ || ended_)
        return;
    current_ = doc_.courseList(false);
    if (doc_.waitCursor()) {
        doc_.waitCursor()->begin();
        waitShown_ = true;
    }
    status_ = "Beginning to load master courses..";
    golfdb::CourseTable* master = doc_.masterTable();
    loading_ = true;
    if (master == nullptr || !master->isOpen()) {
        poster.postEnd();
        return;
    }
    loader_.start(*master, choice_.state, poster);
}

void CMergeMaster::receiveGroup(MasterGroup group) {
    MasterLine line{masterLineText(group, choice_.byName), group.record, std::move(group.name),
                    std::move(group.city), std::move(group.state)};
    pending_.push_back(std::move(line));
    ++received_;
    if (received_ % statusEvery == 0)
        status_ = std::to_string(received_) + " courses loaded so far";
}

bool CMergeMaster::mergePending() {
    if (pending_.empty())
        return false;
    // The batch is sorted on its own and merged behind equal lines already listed, so the whole list
    // is never sorted again and equal lines keep their order of arrival.
    std::stable_sort(pending_.begin(), pending_.end(), lineOrder);
    std::vector<MasterLine> merged;
    merged.reserve(lines_.size() + pending_.size());
    std::merge(std::make_move_iterator(lines_.begin()), std::make_move_iterator(lines_.end()),
               std::make_move_iterator(pending_.begin()), std::make_move_iterator(pending_.end()),
               std::back_inserter(merged), lineOrder);
    lines_ = std::move(merged);
    pending_.clear();
    return true;
}

void CMergeMaster::receiveEnd() {
    // The loader has posted its last message; waiting for its thread is only its return.
    loader_.join();
    mergePending();
    loading_ = false;
    ended_ = true;
    if (waitShown_ && doc_.waitCursor())
        doc_.waitCursor()->end();
    waitShown_ = false;
    status_ = "Select One or More Courses to Copy";
}

void CMergeMaster::setStateText(const std::string& text) {
    stateText_ = upperAscii(text.substr(0, stateLength));
}

int CMergeMaster::findState() {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (startsWithFolded(lines_[i].text, stateText_)) {
            topLine_ = static_cast<int>(i);
            searchStart_ = topLine_;
            return topLine_;
        }
    }
    prompter_.show({"State not found", "Find State", platform::Icon::Error});
    searchStart_ = 0;
    return -1;
}

int CMergeMaster::findCourseName() {
    const std::string wanted = upperAscii(nameText_);
    for (std::size_t i = static_cast<std::size_t>(std::max(searchStart_, 0)); i < lines_.size(); ++i) {
        if (upperAscii(lines_[i].text).find(wanted) != std::string::npos) {
            topLine_ = static_cast<int>(i);
            searchStart_ = topLine_ + 1;
            return topLine_;
        }
    }
    prompter_.show({"Course name not found", "Find Course Name", platform::Icon::Error});
    searchStart_ = 0;
    topLine_ = 0;
    return -1;
}

void CMergeMaster::setSelected(std::vector<int> lines) {
    selected_ = chosenLines(std::move(lines), lines_.size());
}

int CMergeMaster::cancel() {
    return canClose() ? platform::dialogCancel : dialogStayOpen;
}

void CMergeMaster::copyFailed(const golfdb::CourseRecord& row, int rc) {
    prompter_.show({"Could not copy course " + row.name + " (" + row.tee +
                        ") from Master, database error rc = " + std::to_string(rc),
                    platform::defaultCaption, platform::Icon::Error});
    outcomes_.push_back({row.name, row.tee, CopyResult::Failed, rc});
}

void CMergeMaster::copyCourse(long masterRecord) {
    golfdb::CourseTable& master = *doc_.masterTable();
    golfdb::CourseTable& courses = doc_.courseTable();
    if (master.goTo(masterRecord) != store::storeOk)
        return;
    const std::string name = master.record().name;
    const std::string city = master.record().city;
    const std::string state = master.record().state;
    for (int rc = store::storeOk; rc == store::storeOk && sameGroup(master.record(), name, city, state);
         rc = master.skip()) {
        const golfdb::CourseRecord& row = master.record();
        master.copyRecordTo(courses);
        const int added = courses.add();
        if (added == store::storeOk) {
            outcomes_.push_back({row.name, row.tee, CopyResult::Copied, 0});
            continue;
        }
        if (added != store::storeDuplicateKey) {
            copyFailed(row, added);
            continue;
        }
        const auto answer =
            prompter_.show({"Course " + row.name + " (" + row.tee +
                                ") already exists in Kip Golf courses, replace with course /tee "
                                "from master?",
                            platform::defaultCaption, platform::Icon::Error, platform::Buttons::YesNo});
        if (answer != platform::Answer::Yes) {
            outcomes_.push_back({row.name, row.tee, CopyResult::Kept, 0});
            continue;
        }
        int replaced = courses.find(row.name, row.city, row.state, row.tee);
        if (replaced == store::storeOk) {
            master.copyRecordTo(courses);
            replaced = courses.change();
        }
        if (replaced == store::storeOk)
            outcomes_.push_back({row.name, row.tee, CopyResult::Replaced, 0});
        else
            copyFailed(row, replaced);
    }
}

int CMergeMaster::copySelected() {
    if (!canClose())
        return dialogStayOpen;
    if (selected_.empty())
        return platform::dialogOk;
    std::vector<long> records;
    for (const int i : selected_)
        records.push_back(lines_[static_cast<std::size_t>(i)].record);
    for (const long record : records)
        copyCourse(record);
    const int synced = doc_.courseTable().sync();
    if (synced != store::storeOk)
        prompter_.show({"Could not copy courses from Master, database error rc = " + std::to_string(synced),
                        platform::defaultCaption, platform::Icon::Error});
    current_ = doc_.courseList(false);
    if (currentListChanged)
        currentListChanged();
    prompter_.show({"Course copy complete", platform::defaultCaption, platform::Icon::Information});
    return platform::dialogOk;
}

} // namespace kip::manage
