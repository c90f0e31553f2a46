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

// Equation files and the command-line solver. %1, %2 ... are filled in
// one pass, so a file name holding "%2" stays as it is.
namespace files {

inline constexpr const char* aboutFile = "%1: %2";        // file, what is wrong
inline constexpr const char* aboutTerm = "%1: 項%2: %3";  // file, term number, what is wrong

inline constexpr const char* cannotOpen = "開けません（%1）。";
inline constexpr const char* cannotSave = "保存できません（%1）。";
inline constexpr const char* tooLarge = "ファイルが大きすぎます。";
inline constexpr const char* notUtf8 = "UTF-8 のテキストではありません（%1行目）。";
inline constexpr const char* notJson = "JSON として読めません（%1行目）。";
inline constexpr const char* notEquationFile = "方程式のファイルではありません。";
inline constexpr const char* unsupportedVersion = "版 %1 には対応していません。";
inline constexpr const char* missingKey = "「%1」がありません。";
inline constexpr const char* unknownKey = "「%1」は使えません。";
inline constexpr const char* unknownKeyForShape = "「%1」は形式 %2 の項にはありません。";
inline constexpr const char* notArray = "「%1」は [ ] で書いてください。";
inline constexpr const char* notObject = "「%1」は { } で書いてください。";
inline constexpr const char* termNotObject = "項は { } で書いてください。";
inline constexpr const char* shapeNotText = "「shape」は文字列で書いてください。";
inline constexpr const char* unknownShape = "形式「%1」はありません。";
inline constexpr const char* notTextOrNumber = "「%1」は文字列か数値で書いてください。";
inline constexpr const char* notUnicode = "「%1」に文字として読めない部分があります。";

inline constexpr const char* noFiles = "方程式のファイルを指定してください。";
inline constexpr const char* rangeNeedsTwo = "--range には開始と終了の二つの値が必要です。";
inline constexpr const char* evaluateAlone = "--evaluate は --range、--precision と一緒には使えません。";
inline constexpr const char* noRange = "変域がありません。--range で指定してください。";
inline constexpr const char* seeHelp = "使い方は kalvex-solve --help で表示されます。";

inline constexpr const char* cannotSavePicture = "画像を保存できません（%1）。";

// The window's file commands.
inline constexpr const char* saveChanges = "「%1」の変更を保存しますか？";
inline constexpr const char* saveButton = "保存";
inline constexpr const char* discardButton = "保存しない";
inline constexpr const char* cancelButton = "キャンセル";
inline constexpr const char* openTitle = "開く";
inline constexpr const char* saveTitle = "名前を付けて保存";
inline constexpr const char* dialogFilter = "方程式 (*.kalvex);;すべてのファイル (*)";

// Kalvex FILE --export: the graph written to a picture file without a window.
inline constexpr const char* exportUsage = "使い方: %1 FILE --export OUT.png|OUT.svg [--size WxH]";
inline constexpr const char* oneFileOnly = "方程式のファイルはひとつだけ指定してください。";
inline constexpr const char* noPictureFile = "--export には保存する画像のファイル名が必要です。";
inline constexpr const char* badPictureSize =
    "--size には幅と高さを 942x565 のように、それぞれ 1 から %1 までの整数で指定してください。";
inline constexpr const char* noGraphRange = "変域がありません。ファイルの analysis に start と end を書いてください。";
inline constexpr const char* noGraph = "グラフを描けません。";

}  // namespace files

}  // namespace messages
