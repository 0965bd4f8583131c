#include "engine/app/AllocationReport.h"

#include <algorithm>

std::vector<AllocationReport::Record>& AllocationReport::records() {
    static std::vector<Record> list;
    return list;
}

void AllocationReport::track(const void* address, std::size_t size, const char* file, int line) {
    records().push_back(Record{address, size, file ? file : "", line});
}

void AllocationReport::untrack(const void* address) {
    auto& list = records();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [address](const Record& r) { return r.address == address; }),
               list.end());
}

std::size_t AllocationReport::count() {
    return records().size();
}

void AllocationReport::report(std::ostream& out) {
    auto& list = records();
    out << (list.empty() ? "No memory leaks! Yeeeeej :)" : "Detected memory leaks") << '\n';
    for (const Record& r : list) {
        out << "Leak in, "
            << "Filename: " << r.file << " line: " << r.line << " address: " << r.address
            << " size: " << r.size << '\n';
    }
    list.clear();
}

void AllocationReport::clear() {
    records().clear();
}
