// The parts of the description group that read the parameter table.
#pragma once

#include <cstdint>

#include "tools/validate/Findings.h"
#include "tools/validate/Groups.h"
#include "tools/validate/Subject.h"

// Every global query for the parameter with this index.
void CheckParameterQueries(Subject& subject, Check& check, uint32_t index);
// The same queries for indices just past the table, far past it and 0xFFFFFFFF.
void CheckQueriesPastTable(Subject& subject, Check& check, uint32_t count);
// Display texts of an instance, printable within their 16 bytes, and display names
// copied within the host's buffer.
void CheckDisplayTexts(GroupContext& group, Check& check);
