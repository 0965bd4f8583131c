#pragma once

#include "game/scene/data/ItemRenderer.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// What a renderer rule matches: -1 stands for any value, on either side.
struct ItemRendererFactoryInput {
    int groupId = -1;
    int typeId = -1;
    int type = -1;

    bool matches(const ItemRendererFactoryInput& other) const;
};

// Builds the renderer of each item of a scene: the scene's rule file maps an
// item's group, typeId and type to a renderer number; a creator registered
// under that number builds the renderer. Each scene starts with a fresh
// factory.
class ItemRendererFactory {
public:
    using Creator = std::function<std::unique_ptr<ItemRenderer>(ItemRendererOwner*, Item*)>;
    struct Rule {
        ItemRendererFactoryInput pattern;
        int renderer = 0;
    };

    void registerCreator(int renderer, Creator creator);
    // Appends the file's rules in file order. A rule without `renderer` is
    // skipped with a line; a file that cannot be read adds none, with a line.
    void loadRules(const std::string& path);
    void addRule(const ItemRendererFactoryInput& pattern, int renderer);
    // The first rule that matches gives the number; none without a match or
    // without a creator for the number.
    std::unique_ptr<ItemRenderer> createRenderer(const ItemRendererFactoryInput& input,
                                                 ItemRendererOwner* owner, Item* item) const;
    // The renderer number the rules give, or -1.
    int rendererFor(const ItemRendererFactoryInput& input) const;

    const std::vector<Rule>& rules() const { return rules_; }

private:
    std::map<int, Creator> creators_;
    std::vector<Rule> rules_;
};
