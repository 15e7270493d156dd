#include "manage/MasterCopy.h"

#include "manage/CMergeMaster.h"
#include "manage/CSelectState.h"
#include "store/TableStore.h"

namespace kip::manage {
namespace {

// Closes the master table however the copy ends.
struct MasterTableScope {
    golfdb::CKipGolfDoc& doc;
    ~MasterTableScope() { doc.closeMasterTable(); }
};

} // namespace

bool copyFromMaster(CourseServices& services, const std::string& openingMessage) {
    golfdb::CKipGolfDoc& doc = services.doc;
    const MasterTableScope scope{doc};
    if (doc.openMasterTable() != store::storeOk) {
        services.prompter.show({openingMessage, "Master Database Error", platform::Icon::Error});
        services.settings.writeText(masterDateSection, masterDateSetting, "00000000");
        return false;
    }
    CSelectState state;
    if (services.dialogs.run(state) != platform::dialogOk)
        return false;
    CMergeMaster dialog(doc, services.prompter, state.choice());
    services.dialogs.run(dialog);
    return true;
}

} // namespace kip::manage
