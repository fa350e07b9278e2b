// The configuration record as a list of fields (offset and size), so that two copies can
// be compared and merged field by field: a merge never mixes the bytes of one field from
// two sources, and the padding between fields takes no part.
#pragma once

#include <cstddef>
#include <vector>

#include "ConfigRecord.h"

namespace orvix {

struct FieldSpan {
  std::size_t offset;
  std::size_t size;
};

// Every field of the record in ascending order: the six header values, InfoData as one
// field, and per profile each text, value, dpi flag, DPI level, light entry and button
// assignment (a button assignment is one field: it is written to the mouse as a whole).
const std::vector<FieldSpan>& ConfigRecordFields();

// Fields of one profile, relative to the profile's start.
const std::vector<FieldSpan>& ProfileRecordFields();

bool FieldDiffers(const ConfigRecord& a, const ConfigRecord& b, const FieldSpan& field);

}  // namespace orvix
