#pragma once

#include <map>
#include <string>

struct ItemDescription;

// Decides from an item's classification in which item group it starts: two
// tables, chosen by the item's type (0 or 1), from typeId to group number.
class ItemGroupRules {
public:
    static constexpr int TableCount = 2;

    // Reads an item-group rule file; a file that cannot be read gives empty
    // tables (every item then goes to group -1) after one diagnostic line.
    static ItemGroupRules load(const std::string& path);

    // The group for the item, -1 when no rule matches or there is no item.
    int groupFor(const ItemDescription* description) const;
    // Later rules for the same type and typeId replace earlier ones; other
    // types are ignored.
    void set(int type, int typeId, int groupId);
    // The table of a type; an empty one for types other than 0 and 1.
    const std::map<int, int>& table(int type) const;

private:
    std::map<int, int> tables_[TableCount];
};
