#pragma once

#include <string>

// The alphabetical order of the inventory tree's item labels. Labels are the
// file's Windows-1252 bytes; letters compare without regard to case and accented
// letters with their base letter, digits and punctuation by their code. Numbers
// are not compared by value: "100" sorts before "25".
namespace collation {

// The key of a label: comparing two keys byte by byte (as unsigned bytes) gives
// the order of their labels. Labels with equal keys count as equal.
std::string KeyOf(const std::string& label);

// The text in upper case: the letters of Windows-1252 that have an upper-case
// form get it, every other byte stays.
std::string UpperOf(std::string text);

} // namespace collation
