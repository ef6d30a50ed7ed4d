// Host platform types: the narrow string of code page 1252 that every host
// record field, message and returned value is made of, its array, and the
// ordered map from string to string used for code lists.
#pragma once

#include <cstddef>
#include <map>
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
