#include "exchange/RoundTextFile.h"

#include "platform/TextFormat.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace kip::exchange {
namespace {

using rounds::ScoresCard;

constexpr int holes = 18;
constexpr const char* formatErrorCaption = "File Format Error";
// A number in the file beyond this is kept at it; the editor refuses it before a save anyway.
constexpr long long largestNumber = 99'999'999;

template <class... Args> std::string format(const char* pattern, Args... args) {
    return platform::formatText(pattern, args...);
}

std::string lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return lower(a) == lower(b);
}

// The line cut at every comma; runs of commas count as one.
std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t comma = std::min(line.find(',', start), line.size());
        if (comma > start)
            fields.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
    return fields;
}

// Blanks around the field removed, then its quotes; a field not quoted at both ends is empty.
std::string unquote(const std::string& field) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0;
    std::size_t end = field.size();
    while (begin < end && blank(field[begin]))
        ++begin;
    while (end > begin && blank(field[end - 1]))
        --end;
    if (end - begin < 2 || field[begin] != '"' || field[end - 1] != '"')
        return {};
    return field.substr(begin + 1, end - begin - 2);
}

// The leading whole number of a text (0 when there is none).
int leadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min(largestNumber, value * 10 + (text[i] - '0'));
    return static_cast<int>(negative ? -value : value);
}

bool isYes(const std::string& field) {
    return sameIgnoringCase(unquote(field), "y");
}

std::vector<std::string> readLines(std::ifstream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

class RoundTextReader {
public:
    RoundTextReader(ScoresCard& card, platform::Prompter& prompter) : card_(card), prompter_(prompter) {}

    // roundTextOk, or roundTextFailed after its message (or after a refused match).
    int dateLine(const std::string& line) {
        const auto fields = splitFields(line);
        // Line 1 holds eight fields; the golfer and course checks need five of them.
        if (fields.size() < 7)
            return fail("Format error, the first line of a round has too few fields");
        const std::string date = unquote(fields[0]);
        const auto firstSlash = date.find('/');
        const std::string dayPart = firstSlash == std::string::npos ? "" : date.substr(firstSlash + 1);
        const platform::Date played{leadingNumber(date.size() > 4 ? date.substr(date.size() - 4) : date),
                                    leadingNumber(date), leadingNumber(dayPart)};
        if (!rounds::isValidDate(played))
            return fail("Date round played is invalid");
        card_.datePlayed = played;
        card_.noFairwayStats = isYes(fields[1]);
        card_.keepPoints = isYes(fields[2]);

        const std::string golfer = unquote(fields[3]);
        const std::string editorGolfer = card_.firstName + " " + card_.lastName;
        if (!sameIgnoringCase(golfer, editorGolfer) &&
            !confirm(format("Importing golfer name: %s\n is not the same as: %s\n\n Continue with import?",
                            golfer.c_str(), editorGolfer.c_str()),
                     "Golfer Does Not Match Selection"))
            return fail("Import Cancelled");

        const std::string course = unquote(fields[4]);
        std::string editorCourse = card_.courseName;
        if (!course.empty() && course.size() < editorCourse.size())
            editorCourse.resize(course.size());
        if (!sameIgnoringCase(course, editorCourse) &&
            !confirm(format("Importing course name: %s\n is not the same as: %s\n\n Continue with import?",
                            course.c_str(), card_.courseName.c_str()),
                     "Course Does Not Match Selection"))
            return fail("Import Cancelled");
        return roundTextOk;
    }

    int numberLine(const std::string& line, golfdb::HoleInts& values, const char* what) {
        const auto fields = splitFields(line);
        if (fields.size() < static_cast<std::size_t>(holes))
            return fail(format("Format error, less than 18 holes of %s", what));
        for (int h = 1; h <= holes; ++h)
            values[static_cast<std::size_t>(h)] =
                leadingNumber(unquote(fields[static_cast<std::size_t>(h - 1)]));
        card_.showNumbers();
        card_.recountTotals();
        return roundTextOk;
    }

    int flagLine(const std::string& line, std::array<bool, golfdb::holeSlots>& flags, const char* what,
                 bool fairways) {
        const auto fields = splitFields(line);
        if (fields.size() < static_cast<std::size_t>(holes))
            return fail(format("Format error, less than 18 holes of %s", what));
        for (int h = 1; h <= holes; ++h) {
            const auto s = static_cast<std::size_t>(h);
            bool hit = sameIgnoringCase(fields[s - 1], "\"y\"");
            if (hit && fairways && card_.par[s] == 3) {
                prompter_.show({format("Warning, trying to set fairway hit on par 3 (hole #%d), ignored", h),
                                "Warning", platform::Icon::None});
                hit = false;
            }
            flags[s] = hit;
        }
        card_.recountTotals();
        return roundTextOk;
    }

private:
    int fail(const std::string& message) {
        prompter_.show({message, formatErrorCaption, platform::Icon::Error});
        return roundTextFailed;
    }

    bool confirm(const std::string& question, const char* caption) {
        return prompter_.show({question, caption, platform::Icon::Question, platform::Buttons::YesNo}) ==
               platform::Answer::Yes;
    }

    ScoresCard& card_;
    platform::Prompter& prompter_;
};

int readInto(const std::vector<std::string>& lines, ScoresCard& card, platform::Prompter& prompter) {
    RoundTextReader reader(card, prompter);
    for (std::size_t at = 0; at < lines.size(); at += 5) {
        const std::size_t left = lines.size() - at;
        if (const int rc = reader.dateLine(lines[at]); rc != roundTextOk)
            return rc;
        if (left == 1)
            return roundTextIncomplete;
        if (const int rc = reader.numberLine(lines[at + 1], card.strokes, "strokes"); rc != roundTextOk)
            return rc;
        if (left == 2)
            return roundTextOk;
        if (const int rc = reader.numberLine(lines[at + 2], card.putts, "putts"); rc != roundTextOk)
            return rc;
        if (left == 3)
            return roundTextOk;
        if (const int rc = reader.flagLine(lines[at + 3], card.fairway, "fairways hit", true);
            rc != roundTextOk)
            return rc;
        if (left == 4)
            return roundTextIncomplete;
        if (const int rc = reader.flagLine(lines[at + 4], card.green, "greens hit", false); rc != roundTextOk)
            return rc;
    }
    return roundTextOk;
}

std::string holeList(const golfdb::HoleInts& values) {
    std::string line;
    for (int h = 1; h <= holes; ++h)
        line += format("\"%d\"", values[static_cast<std::size_t>(h)]) + (h < holes ? "," : "\r\n");
    return line;
}

std::string flagList(const std::array<bool, golfdb::holeSlots>& flags) {
    std::string line;
    for (int h = 1; h <= holes; ++h)
        line += format("\"%c\"", flags[static_cast<std::size_t>(h)] ? 'y' : 'n') + (h < holes ? "," : "\r\n");
    return line;
}

const std::vector<platform::FileFilter>& textFilters() {
    static const std::vector<platform::FileFilter> filters = {{"Text Files (*.txt)", "*.txt"},
                                                              {"All Files (*.*)", "*"}};
    return filters;
}

} // namespace

int writeRoundText(const std::string& path, const rounds::CScoresDlg& editor, platform::Prompter& prompter) {
    // Written beside the target and renamed over it, so a failed write leaves no half a file.
    const std::string partial = path + ".partial";
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    if (!out) {
        prompter.show({"Could not open output text file, export of round cancelled", platform::defaultCaption,
                       platform::Icon::None});
        return roundTextFailed;
    }
    const ScoresCard& c = editor.card();
    out << format("\"%02d/%02d/%04d\",\"%c\",\"%c\",\"%s %s\",\"%s\",\"%s\",\"%2.1f\",\"%d\"\r\n", c.month,
                  c.day, c.year, c.noFairwayStats ? 'y' : 'n', c.keepPoints ? 'y' : 'n', c.firstName.c_str(),
                  c.lastName.c_str(), c.courseName.c_str(), c.tee.c_str(), c.rating, c.slope)
        << holeList(c.strokes) << holeList(c.putts) << flagList(c.fairway) << flagList(c.green);
    out.close();
    std::error_code error;
    if (out)
        std::filesystem::rename(partial, path, error);
    if (!out || error) {
        std::filesystem::remove(partial, error);
        return roundTextFailed;
    }
    return roundTextOk;
}

int readRoundText(const std::string& path, rounds::CScoresDlg& editor, platform::Prompter& prompter) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return roundTextFailed;
    const std::vector<std::string> lines = readLines(in);
    ScoresCard loaded = editor.card();
    const int rc = readInto(lines, loaded, prompter);
    if (rc == roundTextOk)
        editor.takeLoadedCard(loaded);
    return rc;
}

platform::FileRequest RoundTextButtons::saveRequest() {
    return {"Select a Path and Name for the Exported Rounds File", textFilters(), "txt", ""};
}

platform::FileRequest RoundTextButtons::openRequest() {
    return {"Select the Text File to Import into the Rounds Dialog", textFilters(), "txt", ""};
}

void RoundTextButtons::saveToTextFile(rounds::CScoresDlg& editor) {
    if (editor.checkRound() != 0)
        return;
    const auto path = chooser_.chooseSave(saveRequest());
    if (!path) {
        prompter_.show({"Export of round cancelled by user", "Export Status", platform::Icon::Error});
        return;
    }
    if (writeRoundText(*path, editor, prompter_) == roundTextOk)
        prompter_.show({format("Round exported successfully to %s", path->c_str()), "Export Status",
                        platform::Icon::None});
    else
        prompter_.show(
            {format("Round export to %s failed!", path->c_str()), "Export Status", platform::Icon::Error});
}

void RoundTextButtons::loadFromTextFile(rounds::CScoresDlg& editor) {
    const auto path = chooser_.chooseOpen(openRequest());
    if (!path) {
        prompter_.show({"Import of round cancelled by user", "Import Status", platform::Icon::Error});
        return;
    }
    if (readRoundText(*path, editor, prompter_) != roundTextOk) {
        prompter_.show({format("Round import from %s failed, possibly bad format.", path->c_str()),
                        "Import Status", platform::Icon::Error});
        return;
    }
    if (editor.checkRound() == 0)
        prompter_.show({format("Round imported successfully from %s", path->c_str()), "Import Status",
                        platform::Icon::None});
}

} // namespace kip::exchange
