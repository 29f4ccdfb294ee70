#pragma once
// The texts the window's commands put in front of the user besides the calculation's own
// messages: box titles, the version box, the report of a run-time error, and what a screen
// reader says for a result label and for the whole answer. They only word things; none decides
// when it is shown.

#include "form/program_version.h"
#include "kernel/runtime_error.h"

#include <string>
#include <string_view>

namespace zelvanu {

inline constexpr std::string_view kErrorTitle = "エラーメッセージ";
inline constexpr std::string_view kVersionTitle = "バージョン情報";
// The report of a run-time error carries the program's name as its title.
inline constexpr std::string_view kRunTimeErrorTitle = "Zelvanu";

// "Zelvanuver" and the version, one carriage return, then the credits.
std::string versionBoxText(const ProgramVersion& version);

// The kind and number of the error, in Japanese: "実行時エラー '6':\r\rオーバーフローしました。"
std::string runTimeErrorText(const RunTimeError& error);

// The texts above end their lines with a lone carriage return, as the design wrote them; a window
// is handed them with a line feed instead (FormWindow).
std::string withLineFeeds(std::string_view text);

// A result label's name for a screen reader: its role, then what it shows ("答えの分子 1"), or
// the role alone when it is blank.
std::string spokenLabel(std::string_view role, std::string_view shown);

// The whole answer as one phrase, from the texts of the sign, whole-part, numerator and
// denominator labels: "答え マイナス 2 と 6分の1", "答え 0"; empty when no answer is shown.
std::string spokenAnswer(std::string_view sign, std::string_view whole, std::string_view numerator,
                         std::string_view denominator);

} // namespace zelvanu
