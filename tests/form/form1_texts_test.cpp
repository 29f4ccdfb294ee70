#include "form/form1_texts.h"

#include <gtest/gtest.h>

namespace zelvanu {
namespace {

TEST(VersionBoxText, IsOneLineOfVersionThenALoneCarriageReturnThenCredits) {
    const std::string text = versionBoxText({2, 0, 0});
    ASSERT_EQ(text.rfind("Zelvanuver2.0.0\r", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 1);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_GT(text.size(), std::string_view("Zelvanuver2.0.0\r").size()); // credits follow
    EXPECT_EQ(versionBoxText({12, 3, 45}).rfind("Zelvanuver12.3.45\r", 0), 0u);
}

TEST(RunTimeErrorText, NamesKindAndNumber) {
    EXPECT_EQ(runTimeErrorText(RunTimeError(RunTimeError::Kind::Overflow)),
              "実行時エラー '6':\r\rオーバーフローしました。");
    EXPECT_EQ(runTimeErrorText(RunTimeError(RunTimeError::Kind::FloatingPoint)),
              "実行時エラー '11':\r\r浮動小数点演算でエラーが発生しました。");
}

TEST(WithLineFeeds, EndsEveryLineWithALineFeed) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"a\rb", "a\nb"}, {"a\r\rb", "a\n\nb"}, {"a\r\nb", "a\nb"},   {"a\r", "a\n"},
        {"\r", "\n"},     {"a\nb", "a\nb"},     {"一行目", "一行目"}, {"", ""},
    };
    for (const auto& [written, handed] : rows)
        EXPECT_EQ(withLineFeeds(written), handed) << written;
}

} // namespace
} // namespace zelvanu
