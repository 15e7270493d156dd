#include "stats/CBasicAllStats.h"
#include "stats/CCourseStatsDlg.h"
#include "stats/CFewestPuttsDlg.h"
#include "stats/CListTeamDlg.h"
#include "stats/CLowestScoresDlg.h"
#include "ui/AboutView.h"
#include "ui/BackupReminderView.h"
#include "ui/BasicStatsView.h"
#include "ui/CourseMessageView.h"
#include "ui/CourseSelectViews.h"
#include "ui/CourseView.h"
#include "ui/FairwaysView.h"
#include "ui/GolferViews.h"
#include "ui/GraphViews.h"
#include "ui/HandicapHistoryView.h"
#include "ui/HandicapRuleView.h"
#include "ui/HoleStatsView.h"
#include "ui/ListDialogView.h"
#include "ui/MergeMasterView.h"
#include "ui/PreferencesView.h"
#include "ui/QtDialogHost.h"
#include "ui/ReportSelectView.h"
#include "ui/Resources.h"
#include "ui/RoundListView.h"
#include "ui/RoundSelectionViews.h"
#include "ui/ScoresView.h"
#include "ui/SelectCourseView.h"
#include "ui/SelectGolferRoundsView.h"
#include "ui/SelectStateView.h"
#include "ui/TotalScoreView.h"

namespace kip::ui {

void registerStandardViews(QtDialogHost& host) {
    initResources();
    host.registerView<app::CAboutDlg, AboutView>();
    host.registerView<app::CPreferencesDlg, PreferencesView>();
    host.registerView<app::CBackupReminderDlg, BackupReminderView>();
    host.registerView<handicap::CHandicapRule, HandicapRuleView>();
    host.registerView<handicap::CHandicapHistoryDlg, HandicapHistoryView>();
    host.registerView<report::CListDlg, ListDialogView>();
    host.registerView<rounds::CScoresDlg, ScoresView>();
    host.registerView<rounds::CTotalScoreDlg, TotalScoreView>();
    host.registerView<manage::CPeopleDlg, PeopleView>();
    host.registerView<manage::CNumberRoundsDlg, NumberRoundsView>();
    host.registerView<manage::CSelectPersonDlg, SelectPersonView>();
    host.registerView<rounds::CSelectScoreDlg, SelectScoreView>();
    host.registerView<rounds::CDeleteScore, DeleteScoreView>();
    host.registerView<rounds::CEnterYearDlg, EnterYearView>();
    host.registerView<manage::CCourseDlg, CourseView>();
    host.registerView<manage::CMessageDlg, CourseMessageView>();
    host.registerView<manage::CDeleteCourseDlg, DeleteCourseView>();
    host.registerView<manage::CSelectCourseTee, SelectCourseTeeView>();
    host.registerView<manage::CSelectTeeDlg, SelectTeeView>();
    host.registerView<manage::CSelectCourseDlg, SelectCourseView>();
    host.registerView<manage::CSelectState, SelectStateView>();
    host.registerView<manage::CMergeMaster, MergeMasterView>();
    host.registerView<stats::CLowestScoresDlg, ListDialogView>();
    host.registerView<stats::CFewestPuttsDlg, ListDialogView>();
    host.registerView<stats::CCourseStatsDlg, ListDialogView>();
    host.registerView<stats::CListTeamDlg, ListDialogView>();
    host.registerView<stats::CListRounds, RoundListView>();
    host.registerView<stats::CGraphSelectDlg, GraphSelectView>();
    host.registerView<stats::CGraphStatsDlg, GraphStatsView>();
    host.registerView<stats::CReportSelect, ReportSelectView>();
    host.registerView<stats::CSelectGolferRounds, SelectGolferRoundsView>();
    host.registerView<stats::CBasicStats, BasicStatsView>();
    host.registerView<stats::CBasicAllStats, ListDialogView>();
    host.registerView<stats::CHoleStats, HoleStatsView>();
    host.registerView<stats::CFairways, FairwaysView>();
}

} // namespace kip::ui
