#include "form/form1_commands.h"

#include <gtest/gtest.h>

#include <map>

namespace zelvanu {
namespace {

// A window without a toolkit that records what the commands did to it.
struct RecordingWindow final : FormWindow {
    std::map<TextBoxId, std::string> boxes;
    std::string messageTitle;
    bool unloaded = false;

    std::string text(TextBoxId box) const override {
        const auto it = boxes.find(box);
        return it == boxes.end() ? std::string() : it->second;
    }
    void setText(TextBoxId box, std::string_view text) override { boxes[box] = text; }
    void setCaption(ResultLabelId, std::string_view) override {}
    void showMessage(std::string_view, std::string_view title, MessageIcon) override {
        messageTitle = title;
    }
    void announceAnswer(std::string_view) override {}
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
    window.boxes[TextBoxId::Text5] = "typed";
    Form1Commands commands(window);

    EXPECT_TRUE(commands.click(GetParam().control));
    EXPECT_EQ(window.messageTitle, GetParam().messageTitle);
    EXPECT_EQ(window.unloaded, GetParam().unloads);
    EXPECT_EQ(window.text(TextBoxId::Text5).empty(), GetParam().clears);
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
    for (std::string_view name : {"Text5", "Label1", "MewnFile", "MenHelp", ""})
        EXPECT_FALSE(commands.click(name)) << name;
    EXPECT_EQ(window.messageTitle, "");
    EXPECT_FALSE(window.unloaded);
}

} // namespace
} // namespace zelvanu
