#pragma once

#include "Samples.h"

#include <string>

// Prints figures as aligned rows on standard output, one per figure and memo count:
//
//   figure                          memos      median  unit   spread (min..max)   runs
//
// tools/bench puts the rows of its programs under one heading.
namespace FigureTable {

void PrintHeading(const std::string& title);
void PrintRow(const std::string& figure, int memos, const Samples& samples, const std::string& unit);
// A figure measured once, such as the size of a file.
void PrintValue(const std::string& figure, int memos, double value, const std::string& unit);
// A line of explanation under the rows.
void PrintNote(const std::string& text);

} // namespace FigureTable
