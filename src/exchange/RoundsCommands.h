#pragma once
// The Export Rounds and Import Rounds commands of the main window: a file chooser, the work under
// the wait cursor, and a status message. kipgolf-cli shows the same messages.

#include "exchange/RoundsFile.h"
#include "golfdb/CKipGolfDoc.h"
#include "platform/FileChooser.h"
#include "platform/Prompter.h"

#include <optional>
#include <string>
#include <vector>

namespace kip::exchange {

inline constexpr const char* exportChooserTitle = "Select a Path and Name for the Exported Rounds File";
inline constexpr const char* importChooserTitle = "Select the File to Import into the Scores Database";
inline constexpr const char* roundsFileExtension = "csv";

inline constexpr const char* exportCaption = "Export Status";
inline constexpr const char* exportDoneText = "All rounds have been exported to the text file successfully";
inline constexpr const char* exportFailedText = "Error creating export file, export terminated";

inline constexpr const char* importCaption = "Import Status";
inline constexpr const char* importDoneText = "All rounds have been imported successfully";
inline constexpr const char* importCannotOpenText = "RC = 4, unknown";
inline constexpr const char* importMissingText = "The file to import does not exist.";
inline constexpr const char* importIncompleteText = "Error reading import file, import did not complete";
inline constexpr const char* importBadHeaderText =
    "Import files is not in the correct format. The header information is not correct";

// Filters in the "Description|patterns|...||" form of the program's choosers. "*.*" is the Windows
// spelling of every file; here it is "*", which also takes names without a dot.
std::vector<platform::FileFilter> parseFileFilters(const std::string& list);
platform::FileRequest roundsFileRequest(const char* title);

platform::Message exportMessage(int result);
// The status of an import; a round the table refused, or a final sync that failed, is reported as
// an error rather than as success.
platform::Message importMessage(const ImportSummary& summary);

// Export Rounds: the export's result, or nothing when the chooser was cancelled (the command then
// ends silently).
std::optional<int> exportRoundsCommand(golfdb::CKipGolfDoc& doc, platform::FileChooser& chooser);
// Import Rounds: what the import did, or nothing when the chooser was cancelled. Whenever a round
// was stored the caller rebuilds the leaderboard.
std::optional<ImportSummary> importRoundsCommand(golfdb::CKipGolfDoc& doc, platform::FileChooser& chooser);

} // namespace kip::exchange
