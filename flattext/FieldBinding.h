// Flat-text keys bound to the fields of one host record.
#pragma once

#include <map>
#include <string>

#include "boundary/HostString.h"
#include "flattext/FlatText.h"

namespace tevo::flattext {

class FieldBinding {
public:
    // Keys are lower case; the fields must outlive the binding.
    void bindText(const std::string& key, HostString& field) { texts_[key] = &field; }
    void bindFlag(const std::string& key, bool& field) { flags_[key] = &field; }

    // A text field receives the value appended to what it holds; a flag
    // becomes true for "1", false for "0" and keeps its value otherwise.
    // Unknown keys are ignored.
    void apply(const Entry& entry) const;
    void applyAll(const HostString& text) const;

private:
    std::map<std::string, HostString*> texts_;
    std::map<std::string, bool*> flags_;
};

}  // namespace tevo::flattext
