#include "app/CKipGolfView.h"

#include "app/BackupReminder.h"
#include "app/CAboutDlg.h"
#include "app/CBackupReminderDlg.h"
#include "app/CPreferencesDlg.h"
#include "app/LeaderboardScan.h"
#include "exchange/RoundTextFile.h"
#include "exchange/RoundsCommands.h"
#include "golfdb/DatabaseBackup.h"
#include "handicap/CHandicapHistoryDlg.h"
#include "handicap/HandicapCommands.h"
#include "handicap/HandicapListingCommands.h"
#include "handicap/HandicapRule.h"
#include "manage/CSelectPersonDlg.h"
#include "manage/CourseCommands.h"
#include "manage/CourseSelection.h"
#include "manage/GolferCommands.h"
#include "manage/RecentCourses.h"
#include "platform/WaitCursor.h"
#include "rounds/RoundCommands.h"
#include "rounds/RoundPoints.h"
#include "rounds/RoundViewing.h"
#include "stats/ListingCommands.h"

#include <optional>

namespace kip::app {

CKipGolfView::CKipGolfView(golfdb::CKipGolfDoc& doc, ViewServices services)
    : doc_(doc), services_(services), leaderboard_(doc.currentYear()) {}

void CKipGolfView::readSettings() {
    auto& s = services_.settings;
    useClassicMenus_ = s.readInt(settingsSection, useClassicMenusSetting, 0) != 0;
    noShow_ = s.readInt(settingsSection, noShowSetting, 0) != 0;
    noCheckScores_ = s.readInt(settingsSection, noCheckScoresSetting, 0) != 0;
    allowMeters_ = s.readInt(settingsSection, allowMetersSetting, 0) != 0;
    checkForBackup_ = s.readInt(settingsSection, checkForBackupSetting, 0) != 0;
    handicapRule_ = s.readInt(handicap::handicapSection, handicap::ruleSetting, 0);
    const rounds::PointSettings points = rounds::readPointSettings(s);
    usePoints_ = points.usePoints;
    for (int i = 0; i < pointKinds; ++i)
        points_.at(i) = points.values.at(i);
}

bool CKipGolfView::initialUpdate() {
    readSettings();
    doc_.setHandicapRule(handicapRule_);
    doc_.allowMeters = allowMeters_ ? 1 : 0;
    const golfdb::OpenOutcome outcome = doc_.openDatabase();
    if (outcome == golfdb::OpenOutcome::EndProgram || doc_.endRequested())
        return false;
    leaderboard_.setCurrentYear(doc_.currentYear());
    manage::loadRecent(services_.settings, doc_);
    if (outcome == golfdb::OpenOutcome::Opened)
        computeLeaderboard();
    else
        leaderboard_.reset();
    return true;
}

CommandOutcome CKipGolfView::afterStartup() {
    // The reminder is worked out during start-up, the quick-start help opens then, and a due reminder
    // appears once the window is up, over the help.
    std::optional<std::string> reminderText;
    if (checkForBackup_) {
        BackupReminder reminder(services_.settings, services_.clock);
        reminderText = reminder.check();
    }
    if (services_.settings.readInt(settingsSection, showQuickstartSetting, 0) != 0) {
        if (services_.help)
            services_.help->showTopic("quickstart");
        services_.settings.writeInt(settingsSection, showQuickstartSetting, 0);
    }
    return reminderText ? backupReminder(*reminderText) : CommandOutcome::None;
}

CommandOutcome CKipGolfView::backupReminder(const std::string& text) {
    CBackupReminderDlg dialog(services_.settings, text);
    const int result = services_.dialogs.run(dialog);
    if (dialog.dontShowAgain())
        checkForBackup_ = false;
    if (result == CBackupReminderDlg::backupRequested)
        return run(CommandId::BackupDatabases);
    return CommandOutcome::None;
}

bool CKipGolfView::isAvailable(CommandId id) const {
    switch (id) {
    case CommandId::ChangeHandicapRule:
    case CommandId::Preferences:
    case CommandId::Exit:
    case CommandId::RecalculateHandicaps:
    case CommandId::BackupDatabases:
    case CommandId::RestoreDatabases:
    case CommandId::CompressDatabases:
    case CommandId::HelpTopics:
    case CommandId::About:
    case CommandId::ContextHelp:
    case CommandId::ExportRounds:
    case CommandId::ImportRounds:
    case CommandId::NewGolfer:
    case CommandId::ChangeGolfer:
    case CommandId::DeleteGolfer:
    case CommandId::ShowHandicap:
    case CommandId::ShowHandicapScores:
    case CommandId::ShowAllHandicapScores:
    case CommandId::ShowAllHandicapsByGolfer:
    case CommandId::ListGolfers:
    case CommandId::ShowAllHandicapsByHandicap:
    case CommandId::CourseHandicapsByGolfer:
    case CommandId::CourseHandicapsByHandicap:
    case CommandId::HandicapHistory:
    case CommandId::EnterRound:
    case CommandId::ChangeRound:
    case CommandId::ViewRound:
    case CommandId::DeleteRounds:
    case CommandId::DeleteYear:
    case CommandId::AddCourse:
    case CommandId::ViewCourse:
    case CommandId::ChangeCourse:
    case CommandId::DeleteCourses:
    case CommandId::CopyFromMaster:
    case CommandId::BasicStats:
    case CommandId::BasicStatsAllGolfers:
    case CommandId::HoleTypeStats:
    case CommandId::FairwaysAndGreens:
    case CommandId::LowestRounds:
    case CommandId::FewestPutts:
    case CommandId::CourseStats:
    case CommandId::ViewAllRounds:
    case CommandId::ShowPoints:
    case CommandId::ShowTeams:
    case CommandId::StatsGraph:
        return true;
    default:
        return false;
    }
}

CommandOutcome CKipGolfView::run(CommandId id) {
    if (!isAvailable(id))
        return CommandOutcome::None;
    golfdb::DatabaseBackup backup(doc_, services_.prompter, services_.folders, services_.settings,
                                  services_.clock, services_.files);
    switch (id) {
    case CommandId::ChangeHandicapRule:
        handicapRule_ = handicap::changeHandicapRule(services_.dialogs, services_.settings, doc_);
        return CommandOutcome::None;
    case CommandId::Preferences:
        return preferences();
    case CommandId::Exit:
        return CommandOutcome::Exit;
    case CommandId::RecalculateHandicaps:
        handicap::recalculateHandicaps(doc_);
        return CommandOutcome::None;
    case CommandId::BackupDatabases:
        backup.backupDatabases();
        return CommandOutcome::None;
    case CommandId::RestoreDatabases:
        return afterRestore(backup.restoreDatabases() != golfdb::CommandOutcome::Cancelled);
    case CommandId::CompressDatabases:
        backup.compressDatabases();
        return CommandOutcome::None;
    case CommandId::HelpTopics:
    case CommandId::ContextHelp:
        if (services_.help)
            services_.help->showTopic("index");
        return CommandOutcome::None;
    case CommandId::AddCourse:
    case CommandId::ViewCourse:
    case CommandId::ChangeCourse:
    case CommandId::DeleteCourses:
    case CommandId::CopyFromMaster:
        return courseCommand(id);
    case CommandId::BasicStats:
        stats::basicStats(statsServices());
        return CommandOutcome::None;
    case CommandId::BasicStatsAllGolfers:
        stats::basicStatsAllGolfers(statsServices());
        return CommandOutcome::None;
    case CommandId::HoleTypeStats:
        stats::holeTypeStats(statsServices());
        return CommandOutcome::None;
    case CommandId::FairwaysAndGreens:
        stats::fairwaysAndGreens(statsServices());
        return CommandOutcome::None;
    case CommandId::LowestRounds:
    case CommandId::FewestPutts:
    case CommandId::CourseStats:
    case CommandId::ViewAllRounds:
    case CommandId::ShowPoints:
    case CommandId::ShowTeams:
    case CommandId::StatsGraph:
        return listingCommand(id);
    case CommandId::About: {
        CAboutDlg about;
        services_.dialogs.run(about);
        return CommandOutcome::None;
    }
    case CommandId::ExportRounds:
        if (services_.fileChooser)
            exchange::exportRoundsCommand(doc_, *services_.fileChooser);
        return CommandOutcome::None;
    case CommandId::ImportRounds: {
        const auto imported = services_.fileChooser
                                  ? exchange::importRoundsCommand(doc_, *services_.fileChooser)
                                  : std::nullopt;
        // Rounds stored before a failure stay stored, so the board must show them too.
        if (!imported || imported->roundsStored == 0)
            return CommandOutcome::None;
        computeLeaderboard();
        return CommandOutcome::Repaint;
    }
    case CommandId::NewGolfer:
        return afterGolferCommand(manage::addNewGolfer(services_.dialogs, doc_));
    case CommandId::ChangeGolfer:
        return afterGolferCommand(manage::changeGolferInformation(services_.dialogs, doc_));
    case CommandId::DeleteGolfer:
        return afterGolferCommand(manage::deleteGolfer(services_.dialogs, doc_));
    case CommandId::ShowHandicap:
    case CommandId::ShowHandicapScores:
    case CommandId::ShowAllHandicapScores:
    case CommandId::ShowAllHandicapsByGolfer:
    case CommandId::ListGolfers:
    case CommandId::ShowAllHandicapsByHandicap:
    case CommandId::CourseHandicapsByGolfer:
    case CommandId::CourseHandicapsByHandicap:
    case CommandId::HandicapHistory:
        handicapListing(id);
        return CommandOutcome::None;
    case CommandId::EnterRound:
    case CommandId::ChangeRound:
    case CommandId::ViewRound:
    case CommandId::DeleteRounds:
    case CommandId::DeleteYear:
        return roundCommand(id);
    default:
        return CommandOutcome::None;
    }
}

CommandOutcome CKipGolfView::courseCommand(CommandId id) {
    manage::CourseServices courses = courseServices();
    if (id == CommandId::AddCourse)
        manage::addCourse(courses);
    else if (id == CommandId::ViewCourse)
        manage::viewCourse(courses);
    else if (id == CommandId::ChangeCourse)
        manage::changeCourse(courses);
    else if (id == CommandId::DeleteCourses)
        manage::deleteCourses(courses);
    else
        manage::copyCoursesFromMaster(courses);
    return CommandOutcome::None;
}

CommandOutcome CKipGolfView::listingCommand(CommandId id) {
    const stats::ListingServices listing{doc_, services_.dialogs, services_.clock, services_.settings,
                                         services_.printer};
    if (id == CommandId::LowestRounds)
        stats::lowestRounds(listing);
    else if (id == CommandId::FewestPutts)
        stats::fewestPutts(listing);
    else if (id == CommandId::CourseStats)
        stats::courseStatistics(listing);
    else if (id == CommandId::ViewAllRounds)
        stats::viewAllRounds(listing);
    else if (id == CommandId::ShowPoints)
        stats::showPoints(listing);
    else if (id == CommandId::ShowTeams)
        stats::showTeams(listing);
    else
        stats::showStatsGraph(listing);
    return CommandOutcome::None;
}

manage::CourseServices CKipGolfView::courseServices() {
    return {doc_, services_.dialogs, services_.prompter, services_.settings, allowMeters_};
}

stats::StatsServices CKipGolfView::statsServices() {
    return {doc_, services_.dialogs, services_.clock, services_.printer};
}

CommandOutcome CKipGolfView::afterRestore(bool restoreRan) {
    if (doc_.endRequested())
        return CommandOutcome::EndProgram;
    if (!restoreRan)
        return CommandOutcome::None;
    computeLeaderboard();
    return CommandOutcome::Repaint;
}

CommandOutcome CKipGolfView::afterGolferCommand(manage::GolferOutcome outcome) {
    if (outcome != manage::GolferOutcome::RoundsChanged && outcome != manage::GolferOutcome::Incomplete)
        return CommandOutcome::None;
    computeLeaderboard();
    return CommandOutcome::Repaint;
}

CommandOutcome CKipGolfView::roundCommand(CommandId id) {
    rounds::RoundServices rounds{doc_,
                                 services_.dialogs,
                                 services_.prompter,
                                 services_.settings,
                                 services_.clock,
                                 services_.printer,
                                 allowMeters_,
                                 [this](const golfdb::ScoreRecord& round) { return offerRound(round) > 0; },
                                 [this] { computeLeaderboard(); },
                                 nullptr,
                                 nullptr};
    std::optional<exchange::RoundTextButtons> textFiles;
    if (services_.fileChooser) {
        textFiles.emplace(*services_.fileChooser, services_.prompter);
        rounds.textFiles = &*textFiles;
    }
    int changed = 0;
    if (id == CommandId::EnterRound)
        changed = rounds::enterRound(rounds);
    else if (id == CommandId::ChangeRound)
        changed = rounds::changeRound(rounds);
    else if (id == CommandId::ViewRound)
        rounds::viewRounds(rounds);
    else if (id == CommandId::DeleteRounds)
        changed = rounds::deleteRounds(rounds);
    else
        changed = rounds::deleteYearRounds(rounds);
    return changed > 0 ? CommandOutcome::Repaint : CommandOutcome::None;
}

void CKipGolfView::handicapListing(CommandId id) {
    manage::CourseServices courses = courseServices();
    handicap::ListingServices listing;
    listing.chooseGolfer = [this] { return manage::selectGolfer(services_.dialogs, doc_); };
    listing.chooseCourse = [&courses] { return manage::selectCourseAndTee(courses); };
    listing.viewRound = [this](const golfdb::ScoreRecord& round) {
        rounds::viewRound(services_.dialogs, services_.prompter, services_.printer, services_.clock.today(),
                          round);
    };
    listing.printer = services_.printer;
    listing.clock = &services_.clock;
    auto& dialogs = services_.dialogs;
    using handicap::HandicapOrder;
    switch (id) {
    case CommandId::ShowHandicap:
        handicap::showHandicap(doc_, listing);
        break;
    case CommandId::ShowHandicapScores:
        handicap::showHandicapScores(dialogs, doc_, listing);
        break;
    case CommandId::ShowAllHandicapScores:
        handicap::showAllHandicapScores(dialogs, doc_, listing);
        break;
    case CommandId::ShowAllHandicapsByHandicap:
        handicap::showAllHandicaps(dialogs, doc_, listing, HandicapOrder::ByHandicap);
        break;
    case CommandId::CourseHandicapsByGolfer:
        handicap::showCourseHandicaps(dialogs, doc_, listing, HandicapOrder::ByGolfer);
        break;
    case CommandId::CourseHandicapsByHandicap:
        handicap::showCourseHandicaps(dialogs, doc_, listing, HandicapOrder::ByHandicap);
        break;
    case CommandId::HandicapHistory:
        handicap::showHandicapHistory(dialogs, doc_, listing);
        break;
    default: // Show All Handicaps (By Golfer) and List Golfers
        handicap::showAllHandicaps(dialogs, doc_, listing, HandicapOrder::ByGolfer);
        break;
    }
}

CommandOutcome CKipGolfView::preferences() {
    CPreferencesDlg dialog(services_.settings, services_.prompter);
    if (services_.dialogs.run(dialog) != platform::dialogOk)
        return CommandOutcome::None;
    noShow_ = dialog.checked(CPreferencesDlg::NoShow);
    noCheckScores_ = dialog.checked(CPreferencesDlg::NoCheckScores);
    allowMeters_ = dialog.checked(CPreferencesDlg::AllowMeters);
    checkForBackup_ = dialog.checked(CPreferencesDlg::CheckForBackup);
    usePoints_ = dialog.checked(CPreferencesDlg::UsePoints);
    for (int i = 0; i < pointKinds; ++i)
        points_.at(i) = usePoints_ ? CPreferencesDlg::pointValue(dialog.pointText(i)) : 0;
    doc_.allowMeters = allowMeters_ ? 1 : 0;
    return CommandOutcome::Repaint;
}

void CKipGolfView::computeLeaderboard() {
    const platform::WaitCursorScope busy(doc_.waitCursor());
    leaderboard_.reset();
    leaderboard_.setCurrentYear(doc_.currentYear());
    LeaderboardScan(doc_.scoreTable().storeTable()).offerAll(leaderboard_);
}

int CKipGolfView::offerRound(const golfdb::ScoreRecord& round) {
    const auto facts = factsOf(round);
    return facts ? leaderboard_.offer(*facts) : 0;
}

std::optional<RoundFacts> CKipGolfView::factsOf(const golfdb::ScoreRecord& round) {
    if (round.isInitialHandicapRound())
        return std::nullopt;
    RoundFacts facts;
    facts.gross = round.totalStrokes;
    if (facts.gross == 0)
        for (const auto strokes : round.strokes)
            facts.gross += strokes;
    facts.net = facts.gross - round.courseHandicap();
    facts.putts = round.isTotalOnly() ? 0 : round.totalPutts();
    facts.countsForPutts = (round.flags & golfdb::flagNoFairwayFigures) == 0;
    facts.year = round.year;
    facts.month = round.month;
    facts.day = round.day;
    facts.golfer = round.golfer;
    return facts;
}

} // namespace kip::app
