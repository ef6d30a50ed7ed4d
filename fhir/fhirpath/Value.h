// Values of FHIRPath expressions: nodes of the document and the system types
// (String, Boolean, Integer, Decimal, Date, DateTime, Time, Quantity).
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <type_traits>
#include <vector>

#include "fhir/fhirpath/Node.h"

namespace fhir::path {

struct Value {
    enum class Type : std::uint8_t { Node, String, Boolean, Integer, Decimal, Date, DateTime, Time, Quantity };

    Type type = Type::String;
    bool boolean = false;
    std::int64_t integer = 0;
    double decimal = 0;  // also the number of a Quantity
    // String, the text of a Date/DateTime/Time, the unit of a Quantity.
    std::string_view text;
    const Node* node = nullptr;

    static Value ofNode(const Node& node) {
        Value v;
        v.type = Type::Node;
        v.node = &node;
        return v;
    }
    static Value ofString(std::string_view text) {
        Value v;
        v.text = text;
        return v;
    }
    static Value ofBoolean(bool b) {
        Value v;
        v.type = Type::Boolean;
        v.boolean = b;
        return v;
    }
    static Value ofInteger(std::int64_t i) {
        Value v;
        v.type = Type::Integer;
        v.integer = i;
        return v;
    }
    static Value ofDecimal(double d) {
        Value v;
        v.type = Type::Decimal;
        v.decimal = d;
        return v;
    }
    static Value ofTemporal(Type type, std::string_view text) {
        Value v;
        v.type = type;
        v.text = text;
        return v;
    }
    static Value ofQuantity(double number, std::string_view unit) {
        Value v;
        v.type = Type::Quantity;
        v.decimal = number;
        v.text = unit;
        return v;
    }
};

// An ordered collection of values. Most collections an invariant meets hold
// no or one item, so up to two live inside the object without allocating.
class Collection {
public:
    Collection() = default;
    Collection(std::initializer_list<Value> values) { append(values.begin(), values.end()); }
    Collection(const Value* first, const Value* last) { append(first, last); }
    Collection(const Collection& other) { append(other.begin(), other.end()); }
    Collection(Collection&& other) noexcept { take(other); }
    Collection& operator=(const Collection& other) {
        if (this != &other) {
            clear();
            append(other.begin(), other.end());
        }
        return *this;
    }
    Collection& operator=(Collection&& other) noexcept {
        if (this != &other) {
            clear();
            take(other);
        }
        return *this;
    }

    const Value* begin() const { return onHeap_ ? heap_.data() : inlineItems(); }
    const Value* end() const { return begin() + size_; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Value& front() const { return *begin(); }
    const Value& back() const { return begin()[size_ - 1]; }
    const Value& operator[](std::size_t i) const { return begin()[i]; }

    void push_back(const Value& value) {
        if (!onHeap_ && size_ == kInline) {
            heap_.assign(inlineItems(), inlineItems() + kInline);
            onHeap_ = true;
        }
        if (onHeap_) {
            heap_.push_back(value);
        } else {
            std::memcpy(static_cast<void*>(inline_ + size_ * sizeof(Value)), &value, sizeof(Value));
        }
        ++size_;
    }
    void append(const Value* first, const Value* last) {
        for (; first != last; ++first) {
            push_back(*first);
        }
    }
    void clear() {
        size_ = 0;
        onHeap_ = false;
        heap_.clear();
    }

private:
    static_assert(std::is_trivially_copyable<Value>::value, "values are copied as bytes");
    static constexpr std::size_t kInline = 2;

    const Value* inlineItems() const { return reinterpret_cast<const Value*>(inline_); }
    void take(Collection& other) {
        size_ = other.size_;
        onHeap_ = other.onHeap_;
        if (onHeap_) {
            heap_ = std::move(other.heap_);
        } else {
            std::memcpy(inline_, other.inline_, size_ * sizeof(Value));
        }
        other.size_ = 0;
        other.onHeap_ = false;
    }

    // Up to kInline values, left uninitialised until used.
    alignas(Value) unsigned char inline_[kInline * sizeof(Value)];
    std::vector<Value> heap_;
    std::size_t size_ = 0;
    bool onHeap_ = false;
};

}  // namespace fhir::path
