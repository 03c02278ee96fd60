#pragma once

#include <string>
#include <string_view>

namespace dbtool {

// A dynamic array made readable on a terminal: values separated by "]", subvalues by "\".
std::string texteLisible(std::string_view texte);

// One column of a selection row: the column's several values, carried as subvalues, are
// separated by "]"; a backslash, tab, line feed or carriage return is written "\\", "\t", "\n"
// or "\r", so that one output line is always one row and its tabs always separate columns.
std::string colonneLisible(std::string_view texte);

}  // namespace dbtool
