#pragma once
// The main view's logic: the settings it keeps, its start-up, the leaderboard it paints, and every
// command of the menus and the ribbon. The window layer only shows it and forwards commands.

#include "app/CommandTable.h"
#include "app/HelpViewer.h"
#include "app/Leaderboard.h"
#include "app/Settings.h"
#include "golfdb/CKipGolfDoc.h"
#include "manage/CourseServices.h"
#include "manage/GolferCommands.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/FileChooser.h"
#include "platform/FileOps.h"
#include "platform/FolderChooser.h"
#include "platform/PrintSurface.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "stats/StatsCommands.h"

#include <array>
#include <optional>
#include <string>

namespace kip::app {

struct ViewServices {
    platform::Prompter& prompter;
    platform::DialogHost& dialogs;
    platform::SettingsStore& settings;
    platform::Clock& clock;
    platform::FolderChooser& folders;
    platform::FileOps& files;
    HelpViewer* help = nullptr;
    platform::FileChooser* fileChooser = nullptr;
    platform::Printer* printer = nullptr;
};

// What the window must do after a command.
enum class CommandOutcome { None, Repaint, Exit, EndProgram };

class CKipGolfView {
public:
    CKipGolfView(golfdb::CKipGolfDoc& doc, ViewServices services);

    // Reads the settings, hands the rule to the document, opens the database and computes the
    // leaderboard. False when the program must end (with doc().exitCode()).
    bool initialUpdate();
    // After the window is up: the reminder dialog when a backup is due, and the quick-start help
    // page once. Returns what the window must do afterwards.
    CommandOutcome afterStartup();

    void readSettings();
    bool isAvailable(CommandId id) const;
    CommandOutcome run(CommandId id);

    // Rebuilds the leaderboard from every round of the score table.
    void computeLeaderboard();
    // Offers one new or changed round; the number of categories that changed.
    int offerRound(const golfdb::ScoreRecord& round);
    // What the leaderboard takes from a round; nothing for a starting handicap round.
    static std::optional<RoundFacts> factsOf(const golfdb::ScoreRecord& round);
    const Leaderboard& leaderboard() const { return leaderboard_; }

    bool noShow() const { return noShow_; }
    bool noCheckScores() const { return noCheckScores_; }
    bool allowMeters() const { return allowMeters_; }
    bool usePoints() const { return usePoints_; }
    const std::array<int, pointKinds>& pointValues() const { return points_; }
    bool checkForBackup() const { return checkForBackup_; }
    int handicapRule() const { return handicapRule_; }
    bool useClassicMenus() const { return useClassicMenus_; }

    golfdb::CKipGolfDoc& doc() { return doc_; }

private:
    CommandOutcome preferences();
    CommandOutcome backupReminder(const std::string& text);
    CommandOutcome afterRestore(bool restoreRan);
    CommandOutcome afterGolferCommand(manage::GolferOutcome outcome);
    void handicapListing(CommandId id);
    CommandOutcome roundCommand(CommandId id);
    CommandOutcome courseCommand(CommandId id);
    manage::CourseServices courseServices();
    stats::StatsServices statsServices();
    CommandOutcome listingCommand(CommandId id);

    golfdb::CKipGolfDoc& doc_;
    ViewServices services_;
    Leaderboard leaderboard_;
    bool noShow_ = false;
    bool noCheckScores_ = false;
    bool allowMeters_ = false;
    bool usePoints_ = false;
    std::array<int, pointKinds> points_{};
    bool checkForBackup_ = false;
    bool useClassicMenus_ = false;
    int handicapRule_ = 0;
};

} // namespace kip::app
