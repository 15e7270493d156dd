#pragma once
// The round text file: one round of the round editor in five lines of quoted, comma-separated
// fields (date and options, strokes, putts, fairways hit, greens in regulation).

#include "platform/FileChooser.h"
#include "platform/Prompter.h"
#include "rounds/CScoresDlg.h"

#include <string>

namespace kip::exchange {

inline constexpr int roundTextOk = 0;
inline constexpr int roundTextFailed = 4;     // cannot be created, format error, invalid date, refused match
inline constexpr int roundTextIncomplete = 8; // the file ends after line 1 or line 4 of a round

// Writes the editor's round (checked by checkRound first, so its date is taken). Replaces an
// existing file only once the whole round is written; a file that cannot be created is reported
// with its message.
int writeRoundText(const std::string& path, const rounds::CScoresDlg& editor, platform::Prompter& prompter);

// Fills the editor from the file, asking when the golfer or the course differs from the editor's.
// Anything but roundTextOk leaves the editor as it was.
int readRoundText(const std::string& path, rounds::CScoresDlg& editor, platform::Prompter& prompter);

// The editor's two buttons with their file choosers and messages.
class RoundTextButtons : public rounds::RoundTextFiles {
public:
    RoundTextButtons(platform::FileChooser& chooser, platform::Prompter& prompter)
        : chooser_(chooser), prompter_(prompter) {}

    void saveToTextFile(rounds::CScoresDlg& editor) override;
    void loadFromTextFile(rounds::CScoresDlg& editor) override;

    static platform::FileRequest saveRequest();
    static platform::FileRequest openRequest();

private:
    platform::FileChooser& chooser_;
    platform::Prompter& prompter_;
};

} // namespace kip::exchange
