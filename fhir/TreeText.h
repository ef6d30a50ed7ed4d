// A text held by an element of the tree (a primitive's value, an extension's
// url), stored in tree memory so that it lives and dies with the document.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fhir {

class TreeText {
public:
    TreeText() = default;
    explicit TreeText(std::string_view text);
    ~TreeText();
    TreeText(const TreeText&) = delete;
    TreeText& operator=(const TreeText&) = delete;

    // Replaces the text (the old one is released).
    void assign(std::string_view text);
    std::string_view view() const { return std::string_view(data_, size_); }
    std::string str() const { return std::string(data_, size_); }
    bool empty() const { return size_ == 0; }

private:
    const char* data_ = "";
    std::size_t size_ = 0;
    char* owned_ = nullptr;
};

}  // namespace fhir
