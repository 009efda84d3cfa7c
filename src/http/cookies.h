#pragma once
// Cookie lists are Text of entries "name=value" joined by "; ".

#include "text/text.h"

namespace velmora {

// Folds the cookies a response set into the cookies that were sent: received
// entries replace sent ones of the same name, entries ending in "=deleted"
// drop out, exact repeats go. Both arguments are rewritten: sendCookies gets
// the merged list, receivedCookies its own trimmed form. Returns the merged list.
Text MergeCookies(Text& sendCookies, Text& receivedCookies);

// The part of an entry before its first "=", trimmed of blanks.
Text CookieName(const Text& entry);
bool HasCookieNamed(const TextArray& entries, const Text& name);
// Drops every entry that repeats an earlier one byte for byte.
Text RemoveDuplicateEntries(const Text& text, const Text& separator);

}  // namespace velmora
