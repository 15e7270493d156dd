#pragma once
// Typed access to the golfer table (Golfers). Every operation returns the table store's result code.
// Names are unique: add() refuses a golfer of an existing name and change() a rename onto another
// golfer's name (store::storeDuplicateKey).

#include "golfdb/GolfTableBase.h"
#include "golfdb/GolferRecord.h"

#include <string>
#include <vector>

namespace kip::golfdb {

class GolferTable : public GolfTableBase {
public:
    explicit GolferTable(std::string path);

    int open();
    int create();

    void readCurrent() override;
    void writeCurrent() override;

    // Exact "%-40s" match only; otherwise the seek result and nothing read.
    int find(const std::string& name);

    // Builds the record's name from last and first name (see joinGolferName).
    void joinName(const std::string& last, const std::string& first);
    static NameParts splitName(const std::string& name) { return splitGolferName(name); }

    GolferRecord& record() { return record_; }
    const GolferRecord& record() const { return record_; }

private:
    enum GolferField { fName, fStreet, fCity, fState, fZip, fPhone, fHandicap, fRounds, fExtra, fieldCount };

    std::vector<store::FieldSpec> layout() const override;

    GolferRecord record_;
};

} // namespace kip::golfdb
