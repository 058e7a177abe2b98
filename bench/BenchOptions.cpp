#include "BenchOptions.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {
bool IsNumber(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}
}

BenchOptions ParseBenchOptions(int argc, char** argv)
{
    BenchOptions options;
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--runs" && hasValue) {
            options.runs = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--budget-ms" && hasValue) {
            options.budgetMs = std::atof(argv[++i]);
        } else if (argument == "--no-heading") {
            options.heading = false;
        } else if (IsNumber(argument)) {
            counts.push_back(std::atoi(argument.c_str()));
        } else {
            options.rest.push_back(argument);
        }
    }
    if (!counts.empty())
        options.memoCounts = counts;
    return options;
}
