#pragma once

#include <string>
#include <vector>

#include "catalogue/CatalogueData.h"
#include "catalogue/CourseNode.h"

namespace orvane {

// The first-generation device keeps a coordinate as degrees * 100 + minutes,
// with the seconds / 100 as the fraction ("DDDMM.SS"). The nudge away from zero
// keeps the later * 10000 truncation from losing the last unit.
double ToPackedDms(double degrees);

// Appends the device club-list record of `course`: its first-generation key and
// a blank, then id, minLat, maxLon, maxLat, minLon as 32-bit and the version as
// 16-bit little-endian integers, then CR LF.
void AppendBinaryRecord(std::string& out, const CourseNode& course);

// The server's alias list: lines of an alias beginning with "_" and the course
// name it stands for. Only fileKey and name are set.
std::vector<CourseNode> ParseAliasList(const std::string& text);

// The server's first-generation club list, kept as the leading bytes of each
// line so that device records which match nothing else can still be told apart.
std::vector<ReferenceRecord> ParseReferenceList(const std::string& text);

// The club list of `zone` as a first-generation device stores it, each record
// recognised against the zone's catalogue, alias and reference lists.
std::vector<CourseNode> ParseBinaryClubList(const std::string& text, int zone,
                                            const CatalogueData& data);

}  // namespace orvane
