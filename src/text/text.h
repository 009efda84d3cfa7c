#pragma once
// The text model: Text holds code page 936 bytes, Bytes holds raw bytes.
//
// Text is a distinct type so that it cannot be mixed with UTF-8 by accident:
// it is built from bytes only through an explicit constructor, a string
// literal must be ASCII (checked at compile time), and UTF-8 literals
// (char8_t) do not convert to it at all. Go through charset.h for every
// boundary with UTF-8 or UTF-16.

#include <compare>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace velmora {

// A byte buffer with an explicit length; it may hold zero bytes.
using Bytes = std::string;

// A string literal that holds only ASCII. A literal with other bytes does
// not compile: Chinese constants come from GbkText(u8"...") instead, so UTF-8
// source text can never pass for code page 936.
struct AsciiLiteral {
  template <std::size_t N>
  consteval AsciiLiteral(const char (&literal)[N]) : bytes(literal, N - 1) {
    for (char c : bytes)
      if (static_cast<unsigned char>(c) >= 0x80) throw "non-ASCII literal: use GbkText(u8\"...\")";
  }
  std::string_view bytes;
};

// Bytes in code page 936 (a byte of 0x80 or above leads a two-byte
// character). Never holds a zero byte: construction stops at the first one.
class Text {
 public:
  Text() = default;
  explicit Text(AsciiLiteral literal) : Text(literal.bytes, 0) {}
  // From bytes held at run time (any string or string view, not a literal).
  template <typename Source>
  requires std::convertible_to<const Source&, std::string_view> &&
      (!std::is_array_v<Source>)explicit Text(const Source& bytes)
      : Text(std::string_view(bytes), 0) {}

  std::string_view view() const { return bytes_; }
  const std::string& bytes() const { return bytes_; }
  const char* c_str() const { return bytes_.c_str(); }
  int size() const { return static_cast<int>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }
  unsigned char operator[](int i) const { return static_cast<unsigned char>(bytes_[i]); }

  Text& operator+=(const Text& other) {
    bytes_ += other.bytes_;
    return *this;
  }
  friend Text operator+(Text a, const Text& b) { return a += b; }
  friend bool operator==(const Text&, const Text&) = default;
  friend auto operator<=>(const Text&, const Text&) = default;

 private:
  Text(std::string_view bytes, int) : bytes_(bytes.substr(0, bytes.find('\0'))) {}

  std::string bytes_;
};

using TextArray = std::vector<Text>;

}  // namespace velmora
