// Loads arbitrary bytes as a round text file into a round editor, then checks, prints and writes
// the round the way the editor's buttons would.

#include "exchange/RoundTextFile.h"
#include "rounds/CScoresDlg.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace kip;

// Answers every question by turns, so both ways through the golfer and course checks are met.
class AlternatingPrompter : public platform::Prompter {
public:
    platform::Answer show(const platform::Message& message) override {
        yes_ = !yes_;
        if (message.buttons == platform::Buttons::YesNo)
            return yes_ ? platform::Answer::Yes : platform::Answer::No;
        return platform::Answer::Ok;
    }

private:
    bool yes_ = false;
};

// The files of this process; libFuzzer may end the process without running destructors.
std::string tempFile(const char* name) {
    return (std::filesystem::temp_directory_path() / (name + std::to_string(::getpid()))).string();
}

golfdb::CourseRecord course() {
    golfdb::CourseRecord row;
    row.name = "Pine Valley Links";
    row.tee = "Blue";
    row.slope = 120;
    row.rating = 70.1;
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        row.par[static_cast<std::size_t>(h)] = static_cast<std::int8_t>(3 + h % 3);
        row.yardage[static_cast<std::size_t>(h)] = 100 + 20 * h;
    }
    return row;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = tempFile("kipgolf-fuzz-round-");
    static const std::string output = tempFile("kipgolf-fuzz-round-out-");
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    AlternatingPrompter prompter;
    rounds::CScoresDlg editor(rounds::RoundMode::Enter, prompter, {2026, 12, 9});
    editor.fillFromCourse("Palmer, Arnold", course(), {});
    editor.prepareShow();
    if (exchange::readRoundText(input, editor, prompter) == exchange::roundTextOk &&
        editor.checkRound() == 0) {
        editor.cardLines();
        golfdb::ScoreRecord round;
        editor.buildRound(round, golfdb::GolferRecord{});
        exchange::writeRoundText(output, editor, prompter);
    }
    std::filesystem::remove(input);
    std::filesystem::remove(output);
    return 0;
}
