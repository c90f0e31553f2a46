// Every text the program shows in a message box, in one place.
#pragma once

namespace messages {

// The program's title, in the title bar of every message box.
inline constexpr const char* title = "方程式の解法";

inline constexpr const char* logArgument = "Log( )の括弧内が０以下になってしまっています。";
inline constexpr const char* rangeOrDivisions = "変域あるいは、分割数を確認してください。";
inline constexpr const char* notComputableReached = "変域の範囲が計算不能箇所となりました。";
inline constexpr const char* notComputableInRange =
    "変域の範囲が計算不能箇所があります。解析区間の見直しをしてください。";
inline constexpr const char* nothingEntered = "未入力です。";
inline constexpr const char* coefficientRequired = "係数を必ず入力して下さい。";
inline constexpr const char* enterFormula = "式を入力してください。";
inline constexpr const char* xRangePositive = "Ｘの適用範囲はＸ＞０　です。";

// Ours: the cases where the behaviour has no rule of its own.
inline constexpr const char* notComputableValue = "計算できない値になりました。";
inline constexpr const char* valueTooLarge = "関数の値が大きすぎてグラフを描けません。";
inline constexpr const char* numberTooLarge = "数値が大きすぎます。";
inline constexpr const char* tooManyTerms = "項は20個までです。";
inline constexpr const char* chooseShape = "形式を選んでください。";
inline constexpr const char* tickStepPositive = "目盛間隔には正の数値を入力してください。";
inline constexpr const char* precisionPositive = "精度には正の数値を入力してください。";
inline constexpr const char* notConverged = "解が収束しませんでした。";

}  // namespace messages
