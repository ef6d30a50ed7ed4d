// Flat-text keys bound to the fields of one host record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

#include "boundary/HostString.h"
#include "flattext/FlatText.h"

namespace tevo::flattext {

class FieldBinding {
public:
    // Keys are lower case; the fields must outlive the binding.
    void bindText(const std::string& key, HostString& field) { texts_[key] = &field; }
    void bindText(const std::string& key, std::string& field) { strings_[key] = &field; }
    void bindFlag(const std::string& key, bool& field) { flags_[key] = &field; }
    // The value's leading decimal integer (C atoi; 0 when none) replaces the field.
    void bindInteger(const std::string& key, std::int32_t& field) { integers_[key] = &field; }
    // The value's leading decimal number (C atof) replaces the field.
    void bindDecimal(const std::string& key, double& field) { decimals_[key] = &field; }
    // The value goes to `read`, which files it where it belongs.
    void bindReader(const std::string& key, std::function<void(const HostString&)> read) {
        readers_[key] = std::move(read);
    }

    // A text field receives the value appended to what it holds; a flag
    // becomes true for "1", false for "0" and keeps its value otherwise.
    // Unknown keys are ignored.
    void apply(const Entry& entry) const;
    void applyAll(const HostString& text) const;

    bool hasReaders() const { return !readers_.empty(); }

    // Where a binding made on the fields of one object (`model`) applies them
    // to another object of the same type (`target`): each field sits at the
    // same offset in both.
    struct Relocation {
        const char* model = nullptr;  // null: the bound fields themselves
        char* target = nullptr;
    };
    void applyAll(const HostString& text, const Relocation& relocation) const;

private:
    void apply(const Entry& entry, const Relocation& relocation) const;

    std::map<std::string, HostString*> texts_;
    std::map<std::string, std::string*> strings_;
    std::map<std::string, bool*> flags_;
    std::map<std::string, std::int32_t*> integers_;
    std::map<std::string, double*> decimals_;
    std::map<std::string, std::function<void(const HostString&)>> readers_;
};

// A binding made once for a record type and applied to many records: the
// keys are built and sorted once (thread-safe as a function-local static),
// not per call. `bind` binds fields of the record it is given, and no readers.
template <class Record>
class RecordBinding {
public:
    explicit RecordBinding(void (*bind)(FieldBinding&, Record&)) : model_() {
        bind(binding_, model_);
        if (binding_.hasReaders()) {
            throw std::logic_error("a record binding cannot move readers to another record");
        }
    }
    RecordBinding(const RecordBinding&) = delete;
    RecordBinding& operator=(const RecordBinding&) = delete;

    void applyAll(const HostString& text, Record& record) const {
        binding_.applyAll(text, FieldBinding::Relocation{reinterpret_cast<const char*>(&model_),
                                                         reinterpret_cast<char*>(&record)});
    }

private:
    Record model_;
    FieldBinding binding_;
};

template <class Record>
using TextMember = HostString Record::*;
template <class Record>
using FlagMember = bool Record::*;

// Binds prefix + name to each member of a table of (name, member) pairs.
template <class Record, std::size_t N>
void bindTexts(FieldBinding& binding, const std::string& prefix,
               const std::pair<const char*, TextMember<Record>> (&fields)[N], Record& record) {
    for (const auto& [name, member] : fields) {
        binding.bindText(prefix + name, record.*member);
    }
}

template <class Record, std::size_t N>
void bindFlags(FieldBinding& binding, const std::string& prefix,
               const std::pair<const char*, FlagMember<Record>> (&fields)[N], Record& record) {
    for (const auto& [name, member] : fields) {
        binding.bindFlag(prefix + name, record.*member);
    }
}

}  // namespace tevo::flattext
