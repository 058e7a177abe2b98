#include "FigureTable.h"

#include <cstdio>

namespace FigureTable {

void PrintHeading(const std::string& title)
{
    std::printf("\n== %s\n%-58s %6s %12s  %-7s %-25s %4s\n", title.c_str(), "figure", "memos", "median", "unit",
                "spread (min..max)", "runs");
    std::fflush(stdout);
}

void PrintRow(const std::string& figure, int memos, const Samples& samples, const std::string& unit)
{
    char spread[64];
    std::snprintf(spread, sizeof spread, "%.3f..%.3f", samples.Min(), samples.Max());
    std::printf("%-58s %6d %12.3f  %-7s %-25s %4u\n", figure.c_str(), memos, samples.Median(), unit.c_str(), spread,
                static_cast<unsigned>(samples.Count()));
    std::fflush(stdout);
}

void PrintValue(const std::string& figure, int memos, double value, const std::string& unit)
{
    std::printf("%-58s %6d %12.3f  %-7s %-25s %4d\n", figure.c_str(), memos, value, unit.c_str(), "-", 1);
    std::fflush(stdout);
}

void PrintNote(const std::string& text)
{
    std::printf("   %s\n", text.c_str());
    std::fflush(stdout);
}

} // namespace FigureTable
