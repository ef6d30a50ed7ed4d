#include "boundary/HostString.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

bool isHostSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int compareBytes(const std::string& a, const char* b, std::size_t bLength) {
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

}  // namespace

HostString::HostString(const char* text) : bytes_(text ? text : "") {}

HostString::HostString(const char* bytes, std::size_t length) : bytes_(bytes ? std::string(bytes, length) : "") {}

HostString::HostString(std::string bytes) : bytes_(std::move(bytes)) {}

HostString& HostString::operator=(const char* text) {
    bytes_ = text ? text : "";
    return *this;
}

HostString& HostString::operator+=(const HostString& other) {
    bytes_ += other.bytes_;
    return *this;
}

HostString& HostString::operator+=(const char* text) {
    if (text) {
        bytes_ += text;
    }
    return *this;
}

HostString& HostString::operator+=(char c) {
    bytes_ += c;
    return *this;
}

char HostString::GetAt(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= bytes_.size()) {
        throw std::out_of_range("HostString::GetAt");
    }
    return bytes_[static_cast<std::size_t>(index)];
}

int HostString::Compare(const char* other) const {
    const char* text = other ? other : "";
    return compareBytes(bytes_, text, std::strlen(text));
}

int HostString::Compare(const HostString& other) const {
    return compareBytes(bytes_, other.bytes_.data(), other.bytes_.size());
}

HostString& HostString::Trim() {
    return TrimRight().TrimLeft();
}

HostString& HostString::TrimRight() {
    std::size_t end = bytes_.size();
    while (end > 0 && isHostSpace(bytes_[end - 1])) {
        --end;
    }
    bytes_.erase(end);
    return *this;
}

HostString& HostString::TrimLeft() {
    std::size_t start = 0;
    while (start < bytes_.size() && isHostSpace(bytes_[start])) {
        ++start;
    }
    bytes_.erase(0, start);
    return *this;
}

HostString& HostString::MakeLower() {
    for (char& c : bytes_) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return *this;
}

HostString HostString::Left(int count) const {
    if (count <= 0) {
        return HostString();
    }
    return HostString(bytes_.substr(0, static_cast<std::size_t>(count)));
}

HostString HostString::Mid(int first) const {
    return Mid(first, GetLength());
}

HostString HostString::Mid(int first, int count) const {
    const int start = std::max(first, 0);
    if (count <= 0 || start >= GetLength()) {
        return HostString();
    }
    return HostString(bytes_.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
}

int HostString::FindOneOf(const char* chars) const {
    if (!chars || !*chars) {
        return -1;
    }
    const std::size_t pos = bytes_.find_first_of(chars);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int HostString::Find(char c, int start) const {
    if (start < 0 || start > GetLength()) {
        return -1;
    }
    const std::size_t pos = bytes_.find(c, static_cast<std::size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

HostString operator+(const HostString& a, const HostString& b) {
    HostString sum(a);
    sum += b;
    return sum;
}

int HostStringArray::Add(const HostString& item) {
    items_.push_back(item);
    return GetSize() - 1;
}
