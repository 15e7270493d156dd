#pragma once
// The table store: FoxPro 2.x tables (.dbf, no memo) with one structural compound index (.cdx).
//
// It is the only code that touches the table files. Callers work through a handle-based set of
// operations: a TableContext owns at most one open Table; Field and Tag handles point into it and
// stay valid until the table is closed. Failures are result codes, never exceptions.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kip::store {

// Result codes. 0 is success (for seekKey: exact key found).
inline constexpr int storeOk = 0;
inline constexpr int storeAfter = 2;         // seekKey: no equal key, positioned on the next key
inline constexpr int storeEof = 3;           // past the last record in tag order, or empty
inline constexpr int storeBof = 4;           // skipRecords backwards passed the first record
inline constexpr int storeNoRecord = 5;      // goRecord: no such record number
inline constexpr int storeDuplicateKey = 20; // a unique tag would hold a key twice; nothing written

// Errors: the operation did nothing (or, for a write, left files and tags unchanged).
inline constexpr int storeErrOpen = -10;     // missing file, bad path
inline constexpr int storeErrAccess = -11;   // permission denied, or writing a read-only table
inline constexpr int storeErrExists = -12;   // create: the table or index file already exists
inline constexpr int storeErrCreate = -13;   // create: the file could not be made
inline constexpr int storeErrRead = -14;     // I/O error while reading
inline constexpr int storeErrWrite = -15;    // I/O error while writing (disk full, ...)
inline constexpr int storeErrCorrupt = -20;  // damaged or unsupported table file
inline constexpr int storeErrIndex = -21;    // damaged or unsupported index file
inline constexpr int storeErrArgument = -30; // bad argument (unknown field, bad width, ...)
inline constexpr int storeErrState = -31;    // no table open, no current record, ...

// Tag list codes.
inline constexpr int uniqueNone = 0;
inline constexpr int uniqueRefuse = 20; // also the setUniqueMode code
inline constexpr int orderAscending = 0;
inline constexpr int orderDescending = 10;

struct FieldSpec {
    std::string name; // at most 10 characters, stored upper case
    char type;        // 'C', 'N', 'F', 'D', 'L'
    int width;
    int decimals;
};

struct TagSpec {
    std::string name;             // stored upper case, at most 10 characters
    std::string keyExpression;    // field names joined by "+"
    std::string filterExpression; // empty, or ".NOT. DELETED()"
    int unique;                   // uniqueNone or uniqueRefuse
    int order;                    // orderAscending or orderDescending
};

class Table;
class Field;
class Tag;

// Holds the store's settings and the result code of the last operation; owns the open table.
class TableContext {
public:
    TableContext();
    ~TableContext();
    TableContext(const TableContext&) = delete;
    TableContext& operator=(const TableContext&) = delete;

    int result() const { return result_; }
    void setResult(int rc) { result_ = rc; }
    Table* table() const { return table_.get(); }

private:
    friend int releaseContext(TableContext&);
    friend Table* openTable(TableContext&, const std::string&);
    friend Table* createTable(TableContext&, const std::string&, const std::vector<FieldSpec>&,
                              const std::vector<TagSpec>&);
    friend int closeTable(Table*);

    std::unique_ptr<Table> table_;
    int result_ = 0;
};

int initContext(TableContext& context);
int releaseContext(TableContext& context);

// Opens path (".dbf" added when it has no extension) and its structural index. Returns none on
// failure with a negative result code in the context. A read-only file opens read-only.
Table* openTable(TableContext& context, const std::string& path);
// Creates the table and its structural index; never overwrites an existing file.
Table* createTable(TableContext& context, const std::string& path, const std::vector<FieldSpec>& fields,
                   const std::vector<TagSpec>& tags);
// Writes a changed record, updates the header, closes both files. The handle is invalid afterwards.
int closeTable(Table* table);

Tag* findTag(Table* table, std::string_view name);
struct IndexTagInfo;
// The tag's name, expressions, key length and options as its header gives them (empty for none).
IndexTagInfo tagInfo(const Tag* tag);
Table* selectTag(Table* table, Tag* tag);
int setUniqueMode(Tag* tag, int code);

int goTop(Table* table);
int skipRecords(Table* table, long count);
int goRecord(Table* table, long recordNumber);
long recordNumber(const Table* table);
long recordCount(const Table* table); // deleted records included
bool recordDeleted(const Table* table);
int seekKey(Table* table, std::string_view key);

int appendStart(Table* table);
void blankRecord(Table* table);
int appendRecord(Table* table);
// Writes a changed current record and hands record, header and index pages to the operating system.
// A changed buffer with no current record and no append under way is dropped with storeErrState.
int flushTable(Table* table);
// Makes everything flushed so far durable (fsync of table and index).
int syncTable(Table* table);
void deleteRecord(Table* table);
int packTable(Table* table);
// Confirms that every tag holds exactly the records its filter admits: quickly, by counting keys
// against the admitted records and matching the first and last entries with their records, or
// with `full` entry by entry and page by page. 0, or storeErrIndex with the first disagreement in
// `problem` (a tag the store cannot evaluate is not checked).
int checkIndex(Table* table, bool full, std::string& problem);

Field* fieldByName(Table* table, std::string_view name);
// The field's name, type, width and decimals as the table header gives them (empty for no field).
FieldSpec fieldSpec(const Field* field);
std::string fieldText(const Field* field);
long fieldLong(const Field* field);
double fieldDouble(const Field* field);
// True when a numeric field holds the "*" fill of a value that did not fit (it reads as 0), so a
// caller can refuse to save a number that would be lost.
bool fieldOverflowed(const Field* field);
unsigned char* fieldBytes(Field* field, int index);
void assignText(Field* field, std::string_view text);
void assignLong(Field* field, long value);
void assignDouble(Field* field, double value);

} // namespace kip::store
