// The flat-text keys of the prescription.
#pragma once

#include <string>

#include "boundary/HostString.h"
#include "usecases/erezept/ERezeptRecord.h"

namespace tevo::flattext {

// Which keys a reading knows.
enum class ERezeptKeys {
    // The keys of the flat-text export: finished-product and free-text
    // prescriptions only.
    FlatText,
    // Those and, under the prefix "record.", every field the flat-text keys
    // cannot reach (the command-line tool): the responsible person
    // ("record.verantwortlicheperson." + person field), the active ingredient
    // and the compounding ("record.verordnung." + field name), the components
    // and the finished product's ingredients one by one
    // ("record.verordnung.bestandteil.<n>." + component field,
    // "record.verordnung.fertigarzneimittel.wirkstoff.<n>." + ingredient
    // field, n from 1 to 50; the numbers order the list, gaps close up).
    WithRecordFields,
};

struct ERezeptReading {
    ERezeptRecord record;
    // Empty, or the message (UTF-8) that rejects the input: an entry of the
    // ingredient list with fewer than six fields.
    std::string rejection;
};

// Fills a fresh record from the entries of `text`. The ingredient list
// "verordnung.fertigarzneimittel.wirkstoffe" holds entries separated by 0x03,
// each of six fields separated by 0x04 (number, name, strength value and
// unit, reference quantity value and unit; further fields are ignored); an
// empty entry is skipped, a shorter one rejects the input.
ERezeptReading readERezeptRecord(const HostString& text, ERezeptKeys keys = ERezeptKeys::FlatText);

}  // namespace tevo::flattext
