#pragma once
// A change over many rows that is whole after a stop at any moment (a kill, a power cut): golfer
// rename and delete, deleting rounds or a year, an import, a copy from the master table. Before
// the first write an undo log beside the writer lock names the tables and the rows the change will
// overwrite; when every table is durable the log goes. The next open of the folder rolls back a
// change whose log is still there, so it finds all of the change or none of it.
//
//     ChangeUnit unit({&golfers, &scores});
//     unit.keepRows(scores, records); // optional: saves those rows in one write
//     ... add, change, remove ...
//     unit.commit();                  // or let it go out of scope
//
// A unit begun inside another (a command that calls a document operation) joins the outer one.

#include "golfdb/GolfTableBase.h"
#include "golfdb/WriterLock.h"
#include "store/UndoLog.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace kip::golfdb {

class ChangeUnit {
public:
    explicit ChangeUnit(std::initializer_list<GolfTableBase*> tables);
    ~ChangeUnit(); // commit()
    ChangeUnit(const ChangeUnit&) = delete;
    ChangeUnit& operator=(const ChangeUnit&) = delete;

    // Adds an open table to the unit (before its first write in it).
    void include(GolfTableBase& table);
    // The existing rows of `table` that the change will overwrite, saved in one durable write.
    void keepRows(GolfTableBase& table, const std::vector<long>& records);
    // Makes every table of the unit durable and drops the log (a joined unit leaves both to the
    // outer one). The first failing sync, or 0.
    int commit();
    // True while the log guards the change (false when it could not be written, or for a joined unit).
    bool guarded() const { return log_ != nullptr; }

    // True while a unit of this process is under way in the folder (its log must not be rolled back).
    static bool underWay(const std::string& folder);

private:
    ChangeUnit* outer_ = nullptr;
    std::unique_ptr<store::UndoLog> log_;
    std::vector<GolfTableBase*> tables_;
    std::string folder_;
    WriterLock lock_;
    bool done_ = false;
};

} // namespace kip::golfdb
