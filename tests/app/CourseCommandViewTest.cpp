// The course commands run from the main view with the view's AllowMeters and the recent courses
// loaded at start-up.

#include "app/CKipGolfView.h"
#include "manage/CCourseDlg.h"
#include "manage/CMergeMaster.h"
#include "manage/CSelectCourseTee.h"

#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace kip::app {
namespace {

TEST(CourseCommandView, CourseCommandsRunThroughTheHostWithTheViewsPreferences) {
    test::TempDir dir;
    for (const char* table : {"Courses", "Golfers", "Scores"})
        dir.copyFixture(table);
    test::ScriptedPrompter prompter;
    test::ScriptedDialogHost dialogs;
    test::MemorySettingsStore settings;
    settings.values["Settings/AllowMeters"] = "1";
    settings.values["CourseMRU/Name00"] = golfdb::courseKey("Somewhere", "", "", "Blue");
    test::FixedClock clock{{2024, 12, 9}};
    test::ScriptedFolderChooser folders;
    platform::LocalFileOps files;
    golfdb::CKipGolfDoc doc(dir.path(), prompter, nullptr, 2024);
    CKipGolfView view(doc, ViewServices{prompter, dialogs, settings, clock, folders, files, nullptr});
    ASSERT_TRUE(view.initialUpdate());
    EXPECT_EQ(doc.recentCourses().size(), 1u);

    for (const CommandId id : {CommandId::AddCourse, CommandId::ViewCourse, CommandId::ChangeCourse,
                               CommandId::DeleteCourses, CommandId::CopyFromMaster})
        EXPECT_TRUE(view.isAvailable(id));
    dialogs.on<manage::CSelectCourseTee>([](manage::CSelectCourseTee& s) { return s.doubleClick(0); });
    dialogs.on<manage::CCourseDlg>([](manage::CCourseDlg& d) {
        EXPECT_EQ(d.title(), "View Course");
        EXPECT_TRUE(d.metersCheckShown());
        return d.pressSaveAndQuit();
    });
    EXPECT_EQ(view.run(CommandId::ViewCourse), CommandOutcome::None);
    EXPECT_EQ(dialogs.runs, 2);

    view.run(CommandId::CopyFromMaster); // the fixture folder has no master table
    EXPECT_EQ(prompter.last().caption, "Master Database Error");
}

} // namespace
} // namespace kip::app
