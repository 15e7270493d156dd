#include "exchange/RoundsCommands.h"

#include "platform/WaitCursor.h"

#include <array>
#include <cstdio>

namespace kip::exchange {
namespace {

constexpr const char* roundsFileFilters =
    "CSV Files (*.csv)|*.csv|Text Files (*.txt)|*.txt|All Files (*)|*||";

platform::Message status(const std::string& text, const char* caption, platform::Icon icon) {
    return {text, caption, icon, platform::Buttons::Ok};
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
    switch (summary.result) {
    case roundsFileDone:
        break;
    case roundsFileCannotOpen:
        return status(summary.fileMissing ? importMissingText : importCannotOpenText, importCaption,
                      Icon::Error);
    case roundsFileBadHeader:
        return status(importBadHeaderText, importCaption, Icon::Error);
    default: {
        // The rounds before the failure stay stored: say how many, so the user knows what to
        // take out of the file before importing the rest.
        const std::string count = summary.roundsStored == 1 ? "1 round was imported before the failure."
                                                            : std::to_string(summary.roundsStored) +
                                                                  " rounds were imported before the failure.";
        return status(std::string(importIncompleteText) + "\n" + count, importCaption, Icon::Error);
    }
    }
    if (summary.storeFailure == 0)
        return status(importDoneText, importCaption, Icon::Information);
    std::array<char, 160> text{};
    if (summary.roundsStored < summary.roundsRead)
        std::snprintf(text.data(), text.size(),
                      "%ld of %ld rounds could not be stored, database error rc = %d",
                      summary.roundsRead - summary.roundsStored, summary.roundsRead, summary.storeFailure);
    else
        std::snprintf(text.data(), text.size(),
                      "The imported rounds could not be saved, database error rc = %d", summary.storeFailure);
    return status(text.data(), importCaption, Icon::Error);
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
