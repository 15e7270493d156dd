#pragma once
// The Copy From Master dialog: the user's course groups on the left, the master course groups on the
// right as the loader delivers them, the two searches, and "<< Copy Selected" which copies every tee
// of the chosen master courses into Courses.

#include "golfdb/CKipGolfDoc.h"
#include "manage/CSelectState.h"
#include "manage/MasterLoader.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <functional>
#include <string>
#include <vector>

namespace kip::manage {

struct MasterLine {
    std::string text;
    long record = 0; // the group's first row in the master table
    std::string name, city, state;
};

// What "<< Copy Selected" did with one master row.
enum class CopyResult { Copied, Replaced, Kept, Failed };
struct CopyOutcome {
    std::string name, tee;
    CopyResult result = CopyResult::Copied;
    int rc = 0;
};

class CMergeMaster : public platform::DialogModel {
public:
    // The document's master table must be open for as long as the dialog lives.
    CMergeMaster(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter, StateChoice choice);
    ~CMergeMaster() override; // waits for the loader

    static const char* title() { return "Copy From Master"; }
    static const char* currentLabel() { return "Current Course List"; }
    static const char* masterLabel() { return "Master Course List"; }
    static constexpr int currentTabStop = 120; // dialog units
    int masterTabStop() const { return choice_.byName || !choice_.state.empty() ? 160 : 120; }
    static constexpr int stateLength = 20;
    // The master list line of a group in the dialog's order.
    static std::string masterLineText(const MasterGroup& group, bool byName);

    // Opening: the left list, the wait cursor, the status text and the loader on its own thread.
    void open(MasterPoster& poster);
    const golfdb::ItemList& currentLines() const { return current_; }

    // The loader's messages, handled on the interface thread.
    void receiveGroup(MasterGroup group);
    void receiveEnd();
    bool loading() const { return loading_; }
    bool ended() const { return ended_; }
    int linesReceived() const { return received_; }
    const std::string& status() const { return status_; }

    // Lines received but not yet in the sorted list go in as one batch; true when the list changed.
    bool mergePending();
    const std::vector<MasterLine>& masterLines() const { return lines_; }

    // While loading only the left list, the state field and Help can be used; the state field and
    // "Find State" serve only a list of every state in state order.
    bool stateFieldEnabled() const { return !stateFixed_; }
    bool findStateEnabled() const { return !loading_ && !stateFixed_; }
    bool masterListEnabled() const { return !loading_; }
    bool findCourseNameEnabled() const { return !loading_; }
    bool copyEnabled() const { return !loading_; }
    bool cancelEnabled() const { return !loading_; }
    // Neither Cancel, the close box nor Escape ends the dialog while the loader runs.
    bool canClose() const { return !loading_; }

    const std::string& stateText() const { return stateText_; }
    void setStateText(const std::string& text);
    const std::string& nameText() const { return nameText_; }
    void setNameText(const std::string& text) { nameText_ = text; }
    // Both scroll the line found to the top of the list (topLine); -1 after a message.
    int findState();
    int findCourseName();
    int topLine() const { return topLine_; }
    int searchStart() const { return searchStart_; }

    void setSelected(std::vector<int> lines);
    const std::vector<int>& selected() const { return selected_; }
    // Copies every tee of the selected courses, then closes (dialogOk); nothing selected closes with
    // nothing copied and no message.
    int copySelected();
    int cancel();
    const std::vector<CopyOutcome>& outcomes() const { return outcomes_; }
    // Called after a copy has filled the left list again, before its closing message.
    std::function<void()> currentListChanged;

private:
    void copyCourse(long masterRecord);
    void copyFailed(const golfdb::CourseRecord& row, int rc);

    golfdb::CKipGolfDoc& doc_;
    platform::Prompter& prompter_;
    StateChoice choice_;
    bool stateFixed_;
    MasterLoader loader_;
    golfdb::ItemList current_;
    std::vector<MasterLine> lines_;
    std::vector<MasterLine> pending_;
    bool loading_ = false;
    bool ended_ = false;
    bool waitShown_ = false;
    int received_ = 0;
    std::string status_;
    std::string stateText_;
    std::string nameText_;
    int topLine_ = 0;
    int searchStart_ = 0;
    std::vector<int> selected_;
    std::vector<CopyOutcome> outcomes_;
};

} // namespace kip::manage
