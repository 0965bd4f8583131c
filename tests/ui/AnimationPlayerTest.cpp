#include "engine/ui/AnimationPlayer.h"
#include "engine/anim/TinyActionSequence.h"
#include "engine/graphics/GLTexture.h"
#include "engine/ui/Animation2D.h"
#include "tests/support/AnimationFiles.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

namespace {

struct FinishLog : AnimationListener {
    void animationFinished(int id) override { finished.push_back(id); }
    std::vector<int> finished;
};

class AnimationPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(writePngPicture(folder / "window.png", 40, 20, flat(Color(200, 100, 50))));
    }

    Animation2D* load(const std::string& xml, int id = 7) {
        const std::string path = folder / ("anim" + std::to_string(id) + ".xml");
        TemporaryDirectory::writeFile(path, xml);
        EXPECT_TRUE(player.load(id, path));
        return player.find(id);
    }

    // Steps the animation in frames of `frameMs` for `totalMs`.
    static void run(Animation2D* animation, int totalMs, int frameMs = 10) {
        for (int t = 0; t < totalMs; t += frameMs) {
            animation->advance(frameMs);
        }
    }

    TemporaryDirectory folder;
    FinishLog log;
    // Pictures are measured, not uploaded: these tests need no GL context.
    AnimationPlayer player{&log, AnimationPlayer::Pictures::SizeOnly};
};

TEST_F(AnimationPlayerTest, FadeThenTrailingDelayThenOneFinish) {
    Animation2D* a = load(animationXml(
        1000, false, {{"window.png", {{0, 0, 0, 0, 100, 0, 0}, {500, 0, 0, 0, 100, 0, 255}}}}));
    ASSERT_TRUE(player.play(7, 0, 0, 0, nullptr));
    AnimationElement2D& e = *a->elements()[0];
    EXPECT_EQ(0.0f, e.alpha);
    run(a, 260);
    EXPECT_NEAR(127, e.alpha, 15) << "half-way up after half the time";
    run(a, 300);
    EXPECT_EQ(255.0f, e.alpha) << "the tween ends exactly on its value";
    EXPECT_TRUE(log.finished.empty()) << "the scene is 1000 ms long";
    run(a, 400);
    EXPECT_TRUE(log.finished.empty()) << "still within the trailing delay";
    run(a, 100);
    EXPECT_EQ(std::vector<int>{7}, log.finished);
    EXPECT_TRUE(a->isFinished());
    run(a, 2000);
    EXPECT_EQ(1u, log.finished.size()) << "finished once";
}

TEST_F(AnimationPlayerTest, IdenticalKeyframesStillTakeTheirTime) {
    Animation2D* a = load(animationXml(300, false, {{"window.png", {{0, 5, 5}, {300, 5, 5}}}}));
    ASSERT_TRUE(player.play(7, 0, 0, 0, nullptr));
    run(a, 250);
    EXPECT_TRUE(log.finished.empty());
    run(a, 100);
    EXPECT_EQ(1u, log.finished.size());
}

TEST_F(AnimationPlayerTest, LoopingSceneRestartsFromItsSettersAndNeverFinishes) {
    Animation2D* a = load(animationXml(
        200, true, {{"window.png", {{0, 0, 0, 0, 100, 0, 0}, {200, 100, 0, 0, 100, 0, 255}}}}));
    ASSERT_TRUE(player.play(7, 0, 0, 0, nullptr));
    AnimationElement2D& e = *a->elements()[0];
    run(a, 150);
    EXPECT_GT(e.x, 50);
    // Each step of a sequence takes a frame: the pass ends a few frames late.
    run(a, 110);
    EXPECT_LT(e.x, 30) << "back at the start of the timeline";
    run(a, 3000);
    EXPECT_TRUE(log.finished.empty());
    EXPECT_FALSE(a->isFinished());
}

TEST_F(AnimationPlayerTest, TimelineIsSettersTweensAndADelayOnlyWhenNeeded) {
    Animation2D* exact = load(animationXml(300, false, {{"window.png", {{0}, {100}, {300}}}}), 1);
    Animation2D* longer = load(animationXml(800, false, {{"window.png", {{0}, {100}, {300}}}}), 2);
    for (auto [animation, expected] : {std::pair{exact, 3u}, std::pair{longer, 4u}}) {
        auto tree = animation->elements()[0]->buildActions(0, false, animation->length());
        auto* sequence = dynamic_cast<TinyActionSequence*>(tree.get());
        ASSERT_NE(nullptr, sequence);
        EXPECT_EQ(expected, sequence->childCount()) << "setters, two tweens, delay if any";
    }
}

TEST_F(AnimationPlayerTest, SecondKeyframeAtTheSameTimeIsDropped) {
    Animation2D* a =
        load(animationXml(100, false, {{"window.png", {{0, 1, 1}, {0, 9, 9}, {100, 2, 2}}}}));
    const AnimationElement2D& e = *a->elements()[0];
    EXPECT_EQ(2u, e.keyFrames().size());
    EXPECT_EQ(1.0f, e.firstKeyFrame()->image()->x);
    EXPECT_EQ(1.0f, e.x) << "the element starts at its first keyframe";
    EXPECT_EQ(100, e.lastKeyTime());
}

TEST_F(AnimationPlayerTest, ObjectsAreDrawnByTruncatedDepthKeepingFileOrder) {
    ASSERT_TRUE(writePngPicture(folder / "a.png", 2, 2, flat(Color())));
    ASSERT_TRUE(writePngPicture(folder / "b.png", 3, 3, flat(Color())));
    ASSERT_TRUE(writePngPicture(folder / "c.png", 4, 4, flat(Color())));
    Animation2D* a = load(animationXml(0, false,
                                       {{"a.png", {{0, 0, 0, 2.9f}}},
                                        {"b.png", {{0, 0, 0, 2.1f}}},
                                        {"c.png", {{0, 0, 0, 1.0f}}},
                                        {"window.png", {{0, 0, 0, 0}}, 3}}));
    std::vector<std::string> order;
    for (const auto& element : a->elements()) {
        order.push_back(element->fileName());
    }
    EXPECT_EQ((std::vector<std::string>{"window.png", "c.png", "a.png", "b.png"}), order);
    RecordingGraphics graphics;
    a->renderAt(graphics);
    EXPECT_EQ(3, graphics.count("drawTexture")) << "type 3 objects are not drawn";
}

// Animations played on a running screen, read back from the frame.
class AnimationDrawingTest : public WidgetScreenFixture {
protected:
    void SetUp() override {
        WidgetScreenFixture::SetUp();
        player = std::make_unique<AnimationPlayer>(&log);
    }
    // The player goes before the application whose screen holds its animations.
    void TearDown() override {
        player.reset();
        WidgetScreenFixture::TearDown();
    }

    TemporaryDirectory folder;
    FinishLog log;
    std::unique_ptr<AnimationPlayer> player;
};

TEST_F(AnimationDrawingTest, ElementsTurnAboutTheirCentreByTheNegatedAngle) {
    screen->fillBackground = true;
    screen->background = Color(0, 0, 0);
    // 40 x 20, the left half red and the right half blue.
    ASSERT_TRUE(writePngPicture(folder / "halves.png", 40, 20, [](int x, int) {
        return x < 20 ? Color(255, 0, 0) : Color(0, 0, 255);
    }));
    TemporaryDirectory::writeFile(
        folder / "turn.xml",
        animationXml(0, false, {{"halves.png", {{0, 30, 40, 0, 50, 90, 200}}}}));
    ASSERT_TRUE(player->load(7, folder / "turn.xml"));
    ASSERT_TRUE(player->play(7, 0, 0, 0, screen));
    app->step();
    // Halved to 20 x 10 about its centre (30 + 20, 40 + 10) and turned by
    // -90, counter-clockwise with rows counted down: 10 wide, 20 high, the
    // red half below the centre. Alpha 200 over black leaves 200 of 255.
    const Color red = seen(50, 55);
    EXPECT_NEAR(red.r, 200, 2);
    EXPECT_EQ(red.b, 0);
    const Color blue = seen(50, 45);
    EXPECT_NEAR(blue.b, 200, 2);
    EXPECT_EQ(blue.r, 0);
    EXPECT_EQ(seen(43, 50), screen->background) << "unturned it would reach x = 40";
    EXPECT_EQ(seen(50, 38), screen->background) << "the top end is at y = 40";
}

TEST_F(AnimationPlayerTest, PicturesAreSharedByPathAndSizedFromTheFile) {
    Animation2D* a = load(animationXml(0, false, {{"window.png", {{0}}}, {"window.png", {{0}}}}));
    Animation2D* b = load(animationXml(0, false, {{"window.png", {}}}), 8);
    EXPECT_EQ(a->elements()[0]->texture(), a->elements()[1]->texture());
    EXPECT_EQ(a->elements()[0]->texture(), b->elements()[0]->texture());
    EXPECT_EQ(20.0f, a->elements()[0]->pivotX);
    EXPECT_EQ(10.0f, a->elements()[0]->pivotY);
}

TEST_F(AnimationPlayerTest, StopResetsToTheFirstKeyframeAndPlayStartsAgain) {
    Animation2D* a = load(animationXml(100, false, {{"window.png", {{0, 0}, {100, 50}}}}));
    ASSERT_TRUE(player.play(7, 5, 0, 0, nullptr));
    EXPECT_TRUE(a->isBuilt());
    run(a, 60);
    EXPECT_GT(a->elements()[0]->x, 10);
    EXPECT_EQ(5.0f, a->elements()[0]->z) << "the z offset is set with the first values";
    player.pause(7);
    const float paused = a->elements()[0]->x;
    run(a, 50);
    EXPECT_EQ(paused, a->elements()[0]->x);
    player.resume(7);
    player.stop(7);
    EXPECT_FALSE(a->isBuilt());
    EXPECT_EQ(0.0f, a->elements()[0]->x);
    ASSERT_TRUE(player.play(7, 0, 0, 0, nullptr));
    run(a, 200);
    EXPECT_EQ(50.0f, a->elements()[0]->x);
    EXPECT_EQ(1u, log.finished.size());
}

TEST_F(AnimationPlayerTest, UnreadableFilesLeaveTheIdFree) {
    TemporaryDirectory::writeFile(folder / "broken.xml", "<Scene><Object>");
    TemporaryDirectory::writeFile(folder / "other.xml", "<Movie/>");
    StdoutCapture capture;
    EXPECT_FALSE(player.load(1, folder / "broken.xml"));
    EXPECT_FALSE(player.load(2, folder / "other.xml"));
    EXPECT_FALSE(player.load(3, folder / "absent.xml"));
    EXPECT_EQ(3, StdoutCapture::lineCount(capture.finish()));
    EXPECT_EQ(nullptr, player.find(1));
    EXPECT_FALSE(player.play(1, 0, 0, 0, nullptr));
    player.stop(1);
    player.remove(1, nullptr);
}

TEST_F(AnimationPlayerTest, FunctionZeroIsTheLinearRule) {
    const MathFunction* linear = player.function(0);
    ASSERT_NE(nullptr, linear);
    EXPECT_FLOAT_EQ(6.0f, linear->evaluate(10.0f)) << "0.6 x";
    EXPECT_EQ(nullptr, player.function(1));
    Animation2D* a = load(animationXml(10, false, {{"window.png", {{0}, {10}}}}));
    const KeyFrame* key = a->elements()[0]->firstKeyFrame();
    ASSERT_NE(nullptr, key->function()) << "each keyframe has its own copy";
    EXPECT_NE(linear, key->function());
    EXPECT_FLOAT_EQ(3.0f, key->function()->evaluate(5.0f));
}

// Files as authors get them wrong: an object with no picture keyframe in a
// looping scene of no length, and a listener that removes the animation the
// moment it is told it ended.
TEST_F(AnimationPlayerTest, AnimationsThatEndAsTheyStartAreSafeToPlay) {
    StdoutCapture capture;
    Animation2D* bare = load(animationXml(0, true, {{"window.png", {}}}), 3);
    ASSERT_NE(nullptr, bare);
    ASSERT_TRUE(player.play(3, 0, 0, 0, nullptr)) << "it returns instead of looping for ever";
    EXPECT_NE(std::string::npos, capture.finish().find("round takes no time is stopped"));

    struct Remover : AnimationListener {
        void animationFinished(int id) override {
            ++calls;
            owner->remove(id, nullptr);
        }
        AnimationPlayer* owner = nullptr;
        int calls = 0;
    } remover;
    AnimationPlayer removing{&remover, AnimationPlayer::Pictures::SizeOnly};
    remover.owner = &removing;
    const std::string path = folder / "instant.xml";
    TemporaryDirectory::writeFile(path, animationXml(0, true, {{"window.png", {}}}));
    ASSERT_TRUE(removing.load(5, path));
    // Under the address sanitizer a use of the removed animation fails here.
    EXPECT_TRUE(removing.play(5, 0, 0, 0, nullptr));
    EXPECT_EQ(1, remover.calls);
    EXPECT_EQ(nullptr, removing.find(5));
}

} // namespace
