#pragma once

#include "engine/app/AppConfig.h"
#include "game/scene/data/ItemRegistry.h"
#include "game/scene/data/SceneIndex.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <string>

// Scene index and scene files in a temporary folder, with fresh singletons;
// the configuration lists EN and DE, EN active.
class SceneFixture : public testing::Test {
protected:
    SceneFixture() {
        resetSingletons();
        const std::string config = folder / "config.xml";
        TemporaryDirectory::writeFile(config, R"(<Config version="1.1">
  <SupportedLanguages startingLanguage="EN">
    <Language active="EN" labels="none.xml" flag=""/>
    <Language active="DE" labels="none.xml" flag=""/>
  </SupportedLanguages>
</Config>)");
        AppConfig::instance().load(config);
    }
    ~SceneFixture() override { resetSingletons(); }

    static void resetSingletons() {
        AppConfig::reset();
        SceneIndex::reset();
        ItemRegistry::reset();
    }

    std::string scenes() const { return folder.path() + "/scenes/"; }

    // An index listing the scenes `ids` as scene<id> in the scenes folder.
    void writeIndex(std::initializer_list<int> ids) {
        std::string xml = "<Indexes>";
        for (const int id : ids) {
            xml += "<Index id=\"" + std::to_string(id) + "\" fileName=\"scene" +
                   std::to_string(id) + "\" path=\"" + scenes() + "\"/>";
        }
        TemporaryDirectory::writeFile(folder / "sceneIndex.xml", xml + "</Indexes>");
        ASSERT_TRUE(SceneIndex::instance().load(folder / "sceneIndex.xml"));
    }

    static std::string item(const std::string& name, int type, int typeId,
                            const std::string& extra = "") {
        return "<Item name=\"" + name + "\" image=\"" + name +
               ".png\" layer=\"2\" majorGroupID=\"40\" minorGroupID=\"1\" x=\"10.5\" "
               "y=\"-3\" angle=\"12.25\" R=\"255\" G=\"128\" B=\"0\" A=\"200\" type=\"" +
               std::to_string(type) + "\" infoTip=\"tip.xml\" typeId=\"" + std::to_string(typeId) +
               "\"" + extra + "/>";
    }

    void writeScene(const std::string& fileName, const std::string& items,
                    const std::string& screen = "<Screen width=\"1024\" height=\"600\"/>") {
        std::filesystem::create_directories(scenes());
        TemporaryDirectory::writeFile(scenes() + fileName, "<Scene>" + screen + items + "</Scene>");
    }

    // typeId 1 -> group 1, typeId 2 -> group 4 for type 0; typeId 1 -> 5 for type 1.
    std::string writeRules() {
        const std::string path = folder / "rules.xml";
        TemporaryDirectory::writeFile(path, R"(<ItemGroupRules>
  <Rule groupId="1" typeId="1" type="0"/>
  <Rule groupId="3" typeId="2" type="0"/>
  <Rule groupId="4" typeId="2" type="0"/>
  <Rule groupId="5" typeId="1" type="1"/>
  <Rule groupId="6" typeId="1" type="2"/>
  <Rule groupId="6" typeId="3"/>
</ItemGroupRules>)");
        return path;
    }

    TemporaryDirectory folder;
};
