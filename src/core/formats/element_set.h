// The characters that stand for a side-n grid's elements, matched without regard to case, and
// the characters that mark an open cell.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// '.', '-', '*' and '_' always mark an open cell; '0' does where it is not an element.
constexpr bool isEmptyMarker(char c) {
    return c == '.' || c == '-' || c == '*' || c == '_';
}

// True when `elements` can serve as element characters: printable ASCII, no blank, none of the
// characters the formats use for structure (. - * _ | ! + # ( ) : = ' [ ]), no two alike
// ignoring case.
bool isUsableElementString(std::string_view elements);

class ElementSet {
  public:
    // The first n characters of `elements`, or of kDefaultElements when it is empty. The caller
    // checks that the string is usable and holds at least n characters.
    ElementSet(std::string_view elements, int n);

    int n() const { return n_; }
    // 1..n for an element, 0 for an open-cell marker, -1 for any other character.
    int valueOf(char c) const { return values_[static_cast<unsigned char>(c)]; }
    bool isElement(char c) const { return valueOf(c) > 0; }
    char charOf(int value) const { return chars_[static_cast<std::size_t>(value - 1)]; }

  private:
    int n_;
    std::string chars_;
    std::array<std::int8_t, 256> values_{};
};

// The element string in use: `elements`, or kDefaultElements when it is empty.
std::string_view elementString(std::string_view elements);

// The n characters a writer uses: the first n of `elements` when it is usable and long enough,
// else of kDefaultElements.
std::string writingElements(std::string_view elements, int n);

}  // namespace velmora
