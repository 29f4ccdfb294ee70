#include "form/form1_texts.h"

namespace zelvanu {

std::string versionBoxText(const ProgramVersion& v) {
    return "Zelvanuver" + std::to_string(v.versionMajor) + '.' + std::to_string(v.versionMinor) +
           '.' + std::to_string(v.versionRevision) + "\r二つの帯分数のたし算　Zelvanu 開発チーム";
}

std::string runTimeErrorText(const RunTimeError& error) {
    const std::string_view kind = error.kind() == RunTimeError::Kind::Overflow
                                      ? "オーバーフローしました。"
                                      : "浮動小数点演算でエラーが発生しました。";
    return "実行時エラー '" + std::to_string(error.number()) + "':\r\r" + std::string(kind);
}

std::string withLineFeeds(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != '\r')
            lines += text[i];
        else if (i + 1 == text.size() || text[i + 1] != '\n')
            lines += '\n';
    return lines;
}

std::string spokenLabel(std::string_view role, std::string_view shown) {
    std::string name(role);
    if (!shown.empty())
        name.append(" ").append(shown);
    return name;
}

std::string spokenAnswer(std::string_view sign, std::string_view whole, std::string_view numerator,
                         std::string_view denominator) {
    if (whole.empty() && numerator.empty())
        return {};
    std::string phrase = "答え";
    if (!sign.empty())
        phrase += " マイナス";
    if (!whole.empty())
        phrase.append(" ").append(whole);
    if (!whole.empty() && !numerator.empty())
        phrase += " と";
    if (!numerator.empty())
        phrase.append(" ").append(denominator).append("分の").append(numerator);
    return phrase;
}

} // namespace zelvanu
