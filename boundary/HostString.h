// Host platform types: the narrow string of code page 1252 that every host
// record field, message and returned value is made of, its array, and the
// ordered map from string to string used for code lists. Header-only: the
// host compiles it into its own program, so the shared library needs to
// export nothing but its C functions.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// A byte string of code page 1252 (or, for produced documents, UTF-8 bytes
// carried unchanged). Comparison is byte-wise (unsigned), like the host's.
class HostString {
public:
    HostString() = default;
    HostString(const char* text);  // NOLINT: implicit like the host's type; null gives empty
    HostString(const char* bytes, std::size_t length);
    explicit HostString(std::string bytes);

    HostString& operator=(const char* text);
    HostString& operator+=(const HostString& other);
    HostString& operator+=(const char* text);
    HostString& operator+=(char c);

    int GetLength() const { return static_cast<int>(bytes_.size()); }
    bool IsEmpty() const { return bytes_.empty(); }
    const char* GetString() const { return bytes_.c_str(); }
    const std::string& str() const { return bytes_; }
    char GetAt(int index) const;

    // Negative, zero or positive as in a byte-wise comparison of unsigned bytes.
    int Compare(const char* other) const;
    int Compare(const HostString& other) const;

    // Removes white space (blank, tab, line feed, vertical tab, form feed,
    // carriage return) at both ends / at the end / at the start.
    HostString& Trim();
    HostString& TrimRight();
    HostString& TrimLeft();
    // Lower-cases the ASCII letters A-Z; bytes above 127 stay as they are.
    HostString& MakeLower();

    HostString Left(int count) const;
    HostString Mid(int first) const;
    HostString Mid(int first, int count) const;
    // Position of the first byte that is one of `chars`, or -1.
    int FindOneOf(const char* chars) const;
    int Find(char c, int start = 0) const;
    void Empty() { bytes_.clear(); }

    friend bool operator==(const HostString& a, const HostString& b) { return a.bytes_ == b.bytes_; }
    friend bool operator!=(const HostString& a, const HostString& b) { return a.bytes_ != b.bytes_; }
    friend bool operator<(const HostString& a, const HostString& b) { return a.Compare(b) < 0; }

private:
    std::string bytes_;
};

HostString operator+(const HostString& a, const HostString& b);

// The host's growable string array.
class HostStringArray {
public:
    int GetSize() const { return static_cast<int>(items_.size()); }
    bool IsEmpty() const { return items_.empty(); }
    int Add(const HostString& item);
    const HostString& GetAt(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const HostString& operator[](int index) const { return GetAt(index); }
    void RemoveAll() { items_.clear(); }
    std::vector<HostString>::const_iterator begin() const { return items_.begin(); }
    std::vector<HostString>::const_iterator end() const { return items_.end(); }

private:
    std::vector<HostString> items_;
};

// The host's ordered map from string to string; keys sort byte-wise.
using HostStringMap = std::map<HostString, HostString>;

// ---- definitions

namespace hoststring_detail {

inline bool isHostSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

inline int compareBytes(const std::string& a, const char* b, std::size_t bLength) {
    const std::size_t common = std::min(a.size(), bLength);
    const int byBytes = common == 0 ? 0 : std::memcmp(a.data(), b, common);
    if (byBytes != 0) {
        return byBytes;
    }
    if (a.size() == bLength) {
        return 0;
    }
    return a.size() < bLength ? -1 : 1;
}

}  // namespace hoststring_detail

inline HostString::HostString(const char* text) : bytes_(text ? text : "") {}

inline HostString::HostString(const char* bytes, std::size_t length) : bytes_(bytes ? std::string(bytes, length) : "") {}

inline HostString::HostString(std::string bytes) : bytes_(std::move(bytes)) {}

inline HostString& HostString::operator=(const char* text) {
    bytes_ = text ? text : "";
    return *this;
}

inline HostString& HostString::operator+=(const HostString& other) {
    bytes_ += other.bytes_;
    return *this;
}

inline HostString& HostString::operator+=(const char* text) {
    if (text) {
        bytes_ += text;
    }
    return *this;
}

inline HostString& HostString::operator+=(char c) {
    bytes_ += c;
    return *this;
}

inline char HostString::GetAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= bytes_.size()) {
        throw std::out_of_range("HostString::GetAt");
    }
    return bytes_[static_cast<std::size_t>(index)];
}

inline int HostString::Compare(const char* other) const {
    const char* text = other ? other : "";
    return hoststring_detail::compareBytes(bytes_, text, std::strlen(text));
}

inline int HostString::Compare(const HostString& other) const {
    return hoststring_detail::compareBytes(bytes_, other.bytes_.data(), other.bytes_.size());
}

inline HostString& HostString::Trim() {
    return TrimRight().TrimLeft();
}

inline HostString& HostString::TrimRight() {
    std::size_t end = bytes_.size();
    while (end > 0 && hoststring_detail::isHostSpace(bytes_[end - 1])) {
        --end;
    }
    bytes_.erase(end);
    return *this;
}

inline HostString& HostString::TrimLeft() {
    std::size_t start = 0;
    while (start < bytes_.size() && hoststring_detail::isHostSpace(bytes_[start])) {
        ++start;
    }
    bytes_.erase(0, start);
    return *this;
}

inline HostString& HostString::MakeLower() {
    for (char& c : bytes_) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return *this;
}

inline HostString HostString::Left(int count) const {
    if (count <= 0) {
        return HostString();
    }
    return HostString(bytes_.substr(0, static_cast<std::size_t>(count)));
}

inline HostString HostString::Mid(int first) const {
    return Mid(first, GetLength());
}

inline HostString HostString::Mid(int first, int count) const {
    const int start = std::max(first, 0);
    if (count <= 0 || start >= GetLength()) {
        return HostString();
    }
    return HostString(bytes_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
}

inline int HostString::FindOneOf(const char* chars) const {
    if (!chars || !*chars) {
        return -1;
    }
    const std::size_t pos = bytes_.find_first_of(chars);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

inline int HostString::Find(char c, int start) const {
    if (start < 0 || start > GetLength()) {
        return -1;
    }
    const std::size_t pos = bytes_.find(c, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

inline HostString operator+(const HostString& a, const HostString& b) {
    HostString sum(a);
    sum += b;
    return sum;
}

inline int HostStringArray::Add(const HostString& item) {
    items_.push_back(item);
    return GetSize() - 1;
}
