#pragma once

#include <string>
#include <vector>

// The command line shared by the benchmark programs:
//   <program> [--runs R] [--budget-ms B] [--no-heading] [N ...]
// N: memo counts to measure (default 0 100 1000); R: repetitions of each figure (default 5);
// B: time after which a figure stops repeating (default 20000 ms); --no-heading: rows only, for a
// program run once per count under one heading.
struct BenchOptions {
    std::vector<int> memoCounts{0, 100, 1000};
    int runs = 5;
    double budgetMs = 20000;
    bool heading = true;
    // Arguments that are neither options nor counts, for the program to interpret.
    std::vector<std::string> rest;
};

BenchOptions ParseBenchOptions(int argc, char** argv);
