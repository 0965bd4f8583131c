#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

// The engine's list of tracked allocations, reported (and cleared) each time a
// screen is destroyed. Code that suspects a leak records its allocations here.
class AllocationReport {
public:
    struct Record {
        const void* address;
        std::size_t size;
        std::string file;
        int line;
    };

    static void track(const void* address, std::size_t size, const char* file, int line);
    static void untrack(const void* address);
    static std::size_t count();
    // Writes the report to `out` and clears the list.
    static void report(std::ostream& out);
    static void clear();

private:
    static std::vector<Record>& records();
};
