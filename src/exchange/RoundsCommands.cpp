#include "exchange/RoundsCommands.h"

#include "platform/TextFormat.h"
#include "platform/WaitCursor.h"

namespace kip::exchange {
namespace {

constexpr const char* roundsFileFilters =
    "CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt|All Files (*)|*||";

platform::Message status(const std::string& text, const char* caption, platform::Icon icon) {
    return {text, caption, icon, platform::Buttons::Ok};
}

std::string roundsText(long count) {
    return count == 1 ? "1 round was" : std::to_string(count) + " rounds were";
}

// What became of the rounds whose values the tables could not take as the file has them.
std::string valueCounts(const ImportSummary& summary) {
    std::string text;
    if (summary.roundsRefused > 0)
        text = platform::formatText("%s not imported: a date before 01/01/1900 or a number the database "
                                    "cannot hold (the first at line %ld).",
                                    roundsText(summary.roundsRefused).c_str(), summary.firstRefusedLine);
    if (summary.roundsChanged > 0) {
        if (!text.empty())
            text += '\n';
        text += platform::formatText("%s imported with a name cut to its field, letters the database "
                                     "cannot hold stored as \"?\", or a number rounded to one decimal "
                                     "(the first at line %ld).",
                                     roundsText(summary.roundsChanged).c_str(), summary.firstChangedLine);
    }
    return text;
}

} // namespace

std::vector<platform::FileFilter> parseFileFilters(const std::string& list) {
    std::vector<platform::FileFilter> filters;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t bar = list.find('|', pos);
        if (bar == std::string::npos || bar == pos)
            break;
        const std::size_t end = list.find('|', bar + 1);
        if (end == std::string::npos)
            break;
        filters.push_back({list.substr(pos, bar - pos), list.substr(bar + 1, end - bar - 1)});
        pos = end + 1;
    }
    return filters;
}

platform::FileRequest roundsFileRequest(const char* title) {
    return {title, parseFileFilters(roundsFileFilters), roundsFileExtension, {}};
}

platform::Message exportMessage(int result) {
    if (result == roundsFileDone)
        return status(exportDoneText, exportCaption, platform::Icon::None);
    return status(exportFailedText, exportCaption, platform::Icon::None);
}

platform::Message importMessage(const ImportSummary& summary) {
    using platform::Icon;
    platform::Message message;
    switch (summary.result) {
    case roundsFileDone:
        if (summary.storeFailure == 0)
            message = status(importDoneText, importCaption, Icon::Information);
        else if (summary.roundsNotStored() > 0)
            message = status(
                platform::formatText("%ld of %ld rounds could not be stored, database error rc = %d",
                                     summary.roundsNotStored(), summary.roundsRead, summary.storeFailure),
                importCaption, Icon::Error);
        else
            message =
                status(platform::formatText("The imported rounds could not be saved, database error rc = %d",
                                            summary.storeFailure),
                       importCaption, Icon::Error);
        break;
    case roundsFileCannotOpen:
        return status(importCannotOpenText, importCaption, Icon::Error);
    case roundsFileBadHeader:
        return status(importBadHeaderText, importCaption, Icon::Error);
    default:
        message = status(importIncompleteText, importCaption, Icon::Error);
        break;
    }
    const std::string counts = valueCounts(summary);
    if (!counts.empty()) {
        message.text += "\n\n" + counts;
        if (message.icon == Icon::Information)
            message.icon = Icon::Warning;
    }
    return message;
}

std::optional<int> exportRoundsCommand(golfdb::CKipGolfDoc& doc, platform::FileChooser& chooser) {
    const auto path = chooser.chooseSave(roundsFileRequest(exportChooserTitle));
    if (!path)
        return std::nullopt;
    int result = roundsFileDone;
    {
        const platform::WaitCursorScope busy(doc.waitCursor());
        result = exportRounds(doc.scoreTable(), *path);
    }
    doc.prompter().show(exportMessage(result));
    return result;
}

std::optional<ImportSummary> importRoundsCommand(golfdb::CKipGolfDoc& doc, platform::FileChooser& chooser) {
    const auto path = chooser.chooseOpen(roundsFileRequest(importChooserTitle));
    if (!path)
        return std::nullopt;
    ImportSummary summary;
    {
        const platform::WaitCursorScope busy(doc.waitCursor());
        summary = importRounds(doc.scoreTable(), *path);
    }
    doc.prompter().show(importMessage(summary));
    return summary;
}

} // namespace kip::exchange
