#include "form/form1_commands.h"

#include "zelvanu_version.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace zelvanu {
namespace {

// A window without a toolkit that records what the commands did to it.
struct RecordingWindow final : FormWindow {
    std::map<ControlId, std::string> boxes;
    std::map<ControlId, std::pair<std::string, std::string>> captions; // text, spoken name
    std::string announced;
    std::string messageText, messageTitle;
    std::vector<WorkingText> working;
    bool workingArea = false;
    bool unloaded = false;

    std::string text(ControlId box) const override {
        const auto it = boxes.find(box);
        return it == boxes.end() ? std::string() : it->second;
    }
    void setText(ControlId box, std::string_view text) override { boxes[box] = text; }
    void setCaption(ControlId label, std::string_view text, std::string_view spoken) override {
        captions[label] = {std::string(text), std::string(spoken)};
    }
    void showMessage(std::string_view text, std::string_view title, MessageIcon) override {
        messageText = text;
        messageTitle = title;
    }
    void announceAnswer(std::string_view phrase) override { announced = phrase; }
    void setWorking(const std::vector<WorkingText>& lines) override { working = lines; }
    void showWorkingArea(bool shown) override { workingArea = shown; }
    void unload() override { unloaded = true; }
};

struct Click {
    std::string_view control;
    std::string_view messageTitle; // empty: no box
    bool unloads;
    bool clears;
};

class ClickByName : public testing::TestWithParam<Click> {};

TEST_P(ClickByName, RunsTheDesignedCommand) {
    RecordingWindow window;
    window.boxes[ControlId::FirstWhole] = "typed";
    Form1Commands commands(window);

    EXPECT_TRUE(commands.click(GetParam().control));
    EXPECT_EQ(window.messageTitle, GetParam().messageTitle);
    EXPECT_EQ(window.unloaded, GetParam().unloads);
    EXPECT_EQ(window.text(ControlId::FirstWhole).empty(), GetParam().clears);
}

INSTANTIATE_TEST_SUITE_P(Controls, ClickByName,
                         testing::Values(Click{"Command1", "エラーメッセージ", false, false},
                                         Click{"Command2", "", false, true},
                                         Click{"Command3", "", true, false},
                                         Click{"MenEnd", "", true, false},
                                         Click{"MenVer", "バージョン情報", false, false}),
                         [](const auto& info) { return std::string(info.param.control); });

TEST(ClickByName, IgnoresControlsWithoutACommand) {
    RecordingWindow window;
    Form1Commands commands(window);
    for (std::string_view name : {"Text5", "Label1", "Line1", "MewnFile", "MenHelp", ""})
        EXPECT_FALSE(commands.click(name)) << name;
    EXPECT_EQ(window.messageTitle, "");
    EXPECT_FALSE(window.unloaded);
}

// Given -1 1/2 + -2/3 in the boxes, calculate shows each field of -2 1/6 in its own label, under
// a spoken name that carries the value, and announces the whole answer.
TEST(Calculate, PutsEachFieldInItsLabelAndNamesItForScreenReaders) {
    RecordingWindow window;
    using enum ControlId;
    window.boxes = {{FirstWhole, "-1"}, {FirstNumerator, "1"},  {FirstDenominator, "2"},
                    {SecondWhole, "-"}, {SecondNumerator, "2"}, {SecondDenominator, "3"}};
    Form1Commands commands(window);
    commands.calculate();

    using Shown = std::pair<std::string, std::string>;
    EXPECT_EQ(window.captions[ResultSign], (Shown{"-", "答えの符号 -"}));
    EXPECT_EQ(window.captions[ResultWhole], (Shown{"2", "答えの整数部分 2"}));
    EXPECT_EQ(window.captions[ResultNumerator], (Shown{"1", "答えの分子 1"}));
    EXPECT_EQ(window.captions[ResultDenominator], (Shown{"6", "答えの分母 6"}));
    EXPECT_EQ(window.announced, "答え マイナス 2 と 6分の1");

    commands.clear();
    for (ControlId label : {ResultSign, ResultWhole, ResultNumerator, ResultDenominator})
        EXPECT_EQ(window.captions[label].first, "") << control(label).name;
    EXPECT_EQ(window.captions[ResultDenominator].second, "答えの分母");
    EXPECT_EQ(window.announced, "");
}

// The working follows every calculation: its lines with an answer, the lines reached and the
// overflow with a fault, none with a message or after clearing; the menu item turns its area on
// and off without touching it.
TEST(Calculate, HandsTheWindowTheWorkingOfEachCalculation) {
    RecordingWindow window;
    using enum ControlId;
    window.boxes = {{FirstNumerator, "1"},
                    {FirstDenominator, "2"},
                    {SecondNumerator, "1"},
                    {SecondDenominator, "3"}};
    Form1Commands commands(window);
    EXPECT_TRUE(commands.click("MenWorking"));
    EXPECT_TRUE(window.workingArea);
    commands.calculate();
    ASSERT_EQ(window.working.size(), 3u);
    EXPECT_EQ(window.working.back().spoken, "分子をたす 6分の5");

    commands.click("MenWorking");
    EXPECT_FALSE(window.workingArea);
    EXPECT_EQ(window.working.size(), 3u);

    window.boxes[SecondDenominator] = "0";
    commands.calculate();
    EXPECT_TRUE(window.working.empty());

    window.boxes[FirstDenominator] = window.boxes[SecondDenominator] = "200";
    commands.calculate();
    ASSERT_EQ(window.working.size(), 2u);
    EXPECT_EQ(window.working.back().name, "通分する");
    EXPECT_EQ(window.messageTitle, "Zelvanu");

    commands.clear();
    EXPECT_TRUE(window.working.empty());
}

// The window is handed lines that end in line feeds, whatever the texts were written with.
TEST(Messages, ReachTheWindowWithLineFeeds) {
    RecordingWindow window;
    Form1Commands commands(window);
    commands.showVersion();
    EXPECT_EQ(window.messageText.rfind("Zelvanuver" ZELVANU_VERSION_STRING "\n", 0), 0u)
        << window.messageText;
    EXPECT_EQ(window.messageText.find('\r'), std::string::npos);

    window.boxes = {{ControlId::FirstNumerator, "40000"},
                    {ControlId::FirstDenominator, "1"},
                    {ControlId::SecondNumerator, "1"},
                    {ControlId::SecondDenominator, "2"}};
    commands.calculate();
    EXPECT_EQ(window.messageText, "実行時エラー '6':\n\nオーバーフローしました。");
}

} // namespace
} // namespace zelvanu
