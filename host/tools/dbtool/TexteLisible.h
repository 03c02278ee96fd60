#pragma once

#include <string>
#include <string_view>

namespace dbtool {

// A dynamic array made readable on a terminal: values separated by "]", subvalues by "\".
std::string texteLisible(std::string_view texte);

// One column of a selection row: the column's several values, carried as subvalues, are
// separated by "]"; a backslash, tab, line feed or carriage return is written "\\", "\t", "\n"
// or "\r", another control character (NUL, the rest of 0x01 to 0x1f, DEL) "\x" and two
// hexadecimal digits, so that one output line is always one row, its tabs always separate
// columns and nothing it prints drives the terminal.
std::string colonneLisible(std::string_view texte);

}  // namespace dbtool
