#pragma once
// Decoding an answer from the character set that an HTML meta tag near its
// start declares.

#include "text/text.h"

namespace velmora {

// Looks for "<meta ... charset=NAME" in the first 1024 bytes of bodyText.
// When NAME is neither "gbk" nor "gb2312" (compared exactly) and ICU knows
// it, bodyText becomes all of body decoded from it; otherwise bodyText stays.
// Lets pending events run once the pattern has been searched.
void DecodeDeclaredCharset(const Bytes& body, Text& bodyText);

}  // namespace velmora
