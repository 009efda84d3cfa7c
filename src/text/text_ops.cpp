#include "text/text_ops.h"

#include <algorithm>

namespace velmora {
namespace {

bool IsBlankAt(std::string_view t, std::size_t i) {
  return t[i] == ' ' || (static_cast<unsigned char>(t[i]) == 0xA1 && i + 1 < t.size() &&
                         static_cast<unsigned char>(t[i + 1]) == 0xA1);
}

}  // namespace

Text TrimBlanks(const Text& text) {
  std::string_view t = text.view();
  std::size_t begin = 0;
  while (begin < t.size() && IsBlankAt(t, begin)) begin += t[begin] == ' ' ? 1 : 2;
  // The trailing run can only be found walking characters from the left:
  // the last byte of a two-byte character may look like a blank.
  std::size_t end = begin;
  for (std::size_t i = begin; i < t.size();) {
    bool blank = IsBlankAt(t, i);
    std::size_t step = blank && t[i] != ' ' ? 2 : CharLength(t, i);
    i += step;
    if (!blank) end = i;
  }
  return Text(t.substr(begin, end - begin));
}

TextArray SplitText(const Text& text, const Text& separator) {
  std::string_view t = text.view(), sep = separator.view();
  TextArray items;
  if (t.empty()) return items;
  if (sep.empty()) return {text};
  std::size_t pieceStart = 0;
  for (std::size_t i = 0; i < t.size();) {
    if (t.compare(i, sep.size(), sep) == 0) {
      items.emplace_back(t.substr(pieceStart, i - pieceStart));
      i += sep.size();
      pieceStart = i;
    } else {
      i += CharLength(t, i);
    }
  }
  if (pieceStart < t.size()) items.emplace_back(t.substr(pieceStart));
  return items;
}

Text FirstBytes(const Text& text, int n) {
  return n <= 0 ? Text() : Text(text.view().substr(0, static_cast<std::size_t>(n)));
}

Text LastBytes(const Text& text, int n) {
  if (n <= 0) return Text();
  std::size_t keep = std::min(static_cast<std::size_t>(n), text.view().size());
  return Text(text.view().substr(text.view().size() - keep));
}

Text BytesFrom(const Text& text, int start) {
  if (start < 1 || start > text.size()) return Text();
  return Text(text.view().substr(static_cast<std::size_t>(start - 1)));
}

Text ReplaceAll(const Text& text, const Text& from, const Text& to) {
  std::string_view t = text.view(), f = from.view();
  if (f.empty()) return text;
  std::string out;
  out.reserve(t.size());
  for (std::size_t i = 0; i < t.size();) {
    if (t.compare(i, f.size(), f) == 0) {
      out += to.view();
      i += f.size();
    } else {
      std::size_t step = CharLength(t, i);
      out += t.substr(i, step);
      i += step;
    }
  }
  return Text(out);
}

}  // namespace velmora
