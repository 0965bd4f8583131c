// Data files that would take TinyXML's recursive parser past the stack, or
// that are not XML at all, are refused with a reason before any parsing.
#include "engine/core/XmlFile.h"
#include "engine/app/AppConfig.h"
#include "engine/core/Log.h"
#include "engine/persist/LabelManager.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string nested(int depth, const std::string& inner = "") {
    std::string text;
    for (int i = 0; i < depth; ++i) {
        text += "<a>";
    }
    text += inner;
    for (int i = 0; i < depth; ++i) {
        text += "</a>";
    }
    return text;
}

TEST(XmlFileTest, DepthCountsElementsOnlyAndNeverFallsShort) {
    EXPECT_EQ(3, xml::nestingDepth(nested(3)));
    // Self-closed elements close themselves: <b/><b/> inside one <a> is 2 deep.
    EXPECT_EQ(2, xml::nestingDepth("<a><b x='1'/><b/></a>"));
    // Tags in comments, CDATA, declarations and a quoted '/>' do not count or close.
    EXPECT_EQ(1, xml::nestingDepth("<?xml version='1.0'?><!DOCTYPE a><a><!-- <b><c><d> -->"
                                   "<![CDATA[<e><f>]]></a>"));
    EXPECT_EQ(2, xml::nestingDepth("<a v='/>'><b v=\"x>\"></b></a>"));
    // An unclosed tag followed by another counts both: 3 opens, nothing closed.
    EXPECT_EQ(3, xml::nestingDepth("<a <b <c>"));
}

TEST(XmlFileTest, TheDeepestAllowedFileParsesAndOneMoreIsRefused) {
    TiXmlDocument document;
    std::string error;
    EXPECT_TRUE(xml::parseText(document, nested(xml::MaxDepth), error)) << error;
    TiXmlDocument deeper;
    EXPECT_FALSE(xml::parseText(deeper, nested(xml::MaxDepth + 1), error));
    EXPECT_EQ("elements nested deeper than 256", error);
}

TEST(XmlFileTest, LoadersSayWhyAFileWasRefusedAndCarryOn) {
    TemporaryDirectory folder;
    const std::string path = folder.path() + "/Labels.xml";
    const auto write = [&](const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    };
    std::ostringstream log;
    setEngineLog(&log);
    LabelManager labels;

    // 100000 levels overflowed the stack before the depth check.
    write("<Strings>" + nested(100000) + "</Strings>");
    EXPECT_FALSE(labels.load(path));
    write("");
    EXPECT_FALSE(labels.load(path));
    write("<Strings><PLAY>Play</PLAY>");
    EXPECT_FALSE(labels.load(path));
    // A file saved with CR LF line ends reads as one with LF.
    write("<Strings>\r\n<String PLAY=\"Play\"/>\r\n</Strings>\r\n");
    EXPECT_TRUE(labels.load(path));
    EXPECT_EQ("Play", labels.getText("PLAY"));
    setEngineLog(nullptr);

    const std::string said = log.str();
    EXPECT_NE(std::string::npos, said.find("'" + path + "': elements nested deeper than 256"))
        << said;
    EXPECT_NE(std::string::npos, said.find("'" + path + "': empty")) << said;
    EXPECT_NE(std::string::npos, said.find("'" + path + "': Error reading Element value.")) << said;
}

// Numbers that overflow, are words, or lie outside what the value can be are
// kept in range, and the file says so once, naming the first.
TEST(XmlFileTest, NumbersOutOfRangeOrNotNumbersAreClampedAndSaidOncePerFile) {
    TemporaryDirectory folder;
    const std::string path = folder.path() + "/config.xml";
    std::ofstream(path) << "<Config version=\"1.x\">\n"
                           "  <Application>\n"
                           "    <ScreenResolution width=\"99999999999999999999\" height=\"768\"\n"
                           "                      bitDepth=\"32\"/>\n"
                           "  </Application>\n"
                           "  <Volume soundVolume=\"seven\" musicVolume=\"-40\"/>\n"
                           "</Config>\n";
    std::ostringstream log;
    setEngineLog(&log);
    AppConfig::reset();
    EXPECT_TRUE(AppConfig::instance().load(path));
    const AppConfig& config = AppConfig::instance();
    // 10^20 is past long and int: the size is refused whole, the default 0 x 0 stays.
    EXPECT_EQ(0, config.width());
    EXPECT_EQ(0, config.height());
    // A word reads as no number: 0, as before; -40 is below the 0..100 of a volume.
    EXPECT_EQ(0, config.soundVolume());
    EXPECT_EQ(0, config.musicVolume());
    AppConfig::reset();
    setEngineLog(nullptr);
    // Bad: the minor version "x", the width, the word and the negative volume.
    EXPECT_NE(std::string::npos,
              log.str().find("The configuration '" + path +
                             "' has 4 value(s) that are not numbers or are out of range, the "
                             "first on line 1: version=\"x\""))
        << log.str();
}

} // namespace
