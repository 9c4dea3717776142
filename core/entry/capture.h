// Capture of the entry form into the birth record, after the checks passed.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/birth_data.h"
#include "entry/entry_form.h"

namespace starwise::entry {

// A text read as a decimal number and rounded to the nearest integer, halves
// to even. Throws std::invalid_argument when the text is not a number and
// std::out_of_range outside -32768..32767.
std::int16_t TextToInt16(std::string_view text);

// Copies the form into the record field by field, in the form's order. A
// field whose conversion fails keeps its previous value; the others are
// still captured. The zone magnitudes come from the signed offset.
void CaptureBirthData(const EntryFormValues& form, const engine::ZoneOffset& zone, engine::BirthData& birth);

}  // namespace starwise::entry
