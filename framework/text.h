#pragma once

// Text functions of the framework. Texts are UTF-8 in std::string. Character functions
// (Len, Left, Right, Mid) count characters, so "Ω" and "µ" are one character each; the
// byte functions (LenB, ChrB, SplitB) count bytes. Positions are 1-based. Nothing here ever
// reads outside the text, whatever the arguments.

#include <string>
#include <string_view>

#include "array.h"

namespace fw {

// The platform's line end.
inline constexpr std::string_view EndOfLine = "\n";

// Number of characters. A byte that does not start a well-formed UTF-8 sequence counts as one
// character of its own, so bytes read unconverted from a file are counted, never skipped.
int Len(std::string_view text) noexcept;
int LenB(std::string_view text) noexcept;

// The first / last `count` characters; a count of 0 or less gives the empty text, a count
// past the end gives the whole text.
std::string Left(std::string_view text, int count);
std::string Right(std::string_view text, int count);

// `count` characters from 1-based position `start` (to the end when count is omitted). A count
// of 0 or less gives the empty text; a start below 1 starts at 1; a start past the end gives
// the empty text.
std::string Mid(std::string_view text, int start);
std::string Mid(std::string_view text, int start, int count);

// ASCII letters in upper case; every other byte unchanged (so "µ" stays the micro sign).
std::string Uppercase(std::string_view text);

// A text of the one byte `code` (0 to 255).
std::string ChrB(int code);

// Cuts `text` at every occurrence of `delimiter` (one byte, or a longer run such as CR LF).
// Adjacent delimiters give an empty piece, a final delimiter an empty last piece, and the
// empty text one empty piece. An empty delimiter gives the whole text as one piece.
Array<std::string> SplitB(std::string_view text, std::string_view delimiter);

// The elements joined with `separator` between them.
std::string Join(const Array<std::string>& items, std::string_view separator);

}  // namespace fw
