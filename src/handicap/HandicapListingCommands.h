#pragma once
// The handicap commands that show handicaps: Show Handicap, Show Handicap Scores, Show All Handicap
// Scores, Show All Handicaps and Show Course Handicaps. None of them writes to the tables.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/HandicapLists.h"
#include "handicap/ListingServices.h"
#include "platform/DialogHost.h"

namespace kip::handicap {

// The message with the chosen golfer's stored index.
void showHandicap(golfdb::CKipGolfDoc& doc, const ListingServices& services);
// The handicap scores listing of the chosen golfer, or of every golfer.
void showHandicapScores(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                        const ListingServices& services);
void showAllHandicapScores(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                           const ListingServices& services);
// Every golfer's stored index (List Golfers is the by-golfer form).
void showAllHandicaps(platform::DialogHost& host, golfdb::CKipGolfDoc& doc, const ListingServices& services,
                      HandicapOrder order);
// Every golfer's course handicap on the chosen course and tee; a course row that cannot be read
// ends the command without a message.
void showCourseHandicaps(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                         const ListingServices& services, HandicapOrder order);

} // namespace kip::handicap
