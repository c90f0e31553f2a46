// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program shows in a message box, in one place. The texts
// are marked for Qt's translation tools and translated where they are shown;
// the engine itself has no Qt, so the marker falls back to the bare text.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace messages {

// The program's title, in the title bar of every message box.
inline constexpr const char* title = QT_TRANSLATE_NOOP("messages", "方程式の解法");

inline constexpr const char* logArgument =
    QT_TRANSLATE_NOOP("messages", "Log( )の括弧内が０以下になってしまっています。");
inline constexpr const char* rangeOrDivisions =
    QT_TRANSLATE_NOOP("messages", "変域あるいは、分割数を確認してください。");
inline constexpr const char* notComputableReached =
    QT_TRANSLATE_NOOP("messages", "変域の範囲が計算不能箇所となりました。");
inline constexpr const char* notComputableInRange =
    QT_TRANSLATE_NOOP("messages", "変域の範囲が計算不能箇所があります。解析区間の見直しをしてください。");
inline constexpr const char* nothingEntered = QT_TRANSLATE_NOOP("messages", "未入力です。");
inline constexpr const char* coefficientRequired =
    QT_TRANSLATE_NOOP("messages", "係数を必ず入力して下さい。");
inline constexpr const char* enterFormula = QT_TRANSLATE_NOOP("messages", "式を入力してください。");
inline constexpr const char* xRangePositive = QT_TRANSLATE_NOOP("messages", "Ｘの適用範囲はＸ＞０　です。");

// Ours: the cases where the behaviour has no rule of its own.
inline constexpr const char* notComputableValue =
    QT_TRANSLATE_NOOP("messages", "計算できない値になりました。");
inline constexpr const char* valueTooLarge =
    QT_TRANSLATE_NOOP("messages", "関数の値が大きすぎてグラフを描けません。");
inline constexpr const char* numberTooLarge = QT_TRANSLATE_NOOP("messages", "数値が大きすぎます。");
inline constexpr const char* numberTooSmall = QT_TRANSLATE_NOOP("messages", "数値が小さすぎます。");
inline constexpr const char* tooManyTerms = QT_TRANSLATE_NOOP("messages", "項は20個までです。");
inline constexpr const char* chooseShape = QT_TRANSLATE_NOOP("messages", "形式を選んでください。");
inline constexpr const char* tickStepPositive =
    QT_TRANSLATE_NOOP("messages", "目盛間隔には正の数値を入力してください。");
inline constexpr const char* precisionPositive =
    QT_TRANSLATE_NOOP("messages", "精度には正の数値を入力してください。");
inline constexpr const char* notConverged = QT_TRANSLATE_NOOP("messages", "解が収束しませんでした。");

// The formula line: why a typed F cannot be read. "%1" is the piece of
// the line at fault, as typed.
namespace formula {

inline constexpr const char* unexpectedCharacter = QT_TRANSLATE_NOOP("messages", "使えない文字です: %1");
inline constexpr const char* unknownName = QT_TRANSLATE_NOOP("messages", "使えない名前です: %1");
inline constexpr const char* termExpected = QT_TRANSLATE_NOOP("messages", "ここには項が必要です: %1");
inline constexpr const char* unexpectedEnd = QT_TRANSLATE_NOOP("messages", "式が途中で終わっています。");
inline constexpr const char* twoSigns = QT_TRANSLATE_NOOP("messages", "符号が続いています: %1");
inline constexpr const char* unsupportedTerm = QT_TRANSLATE_NOOP("messages", "この形の項は使えません: %1");
inline constexpr const char* exponentNotNumber =
    QT_TRANSLATE_NOOP("messages", "x の指数には数値だけを書けます: %1");
inline constexpr const char* exponentNeedsBrackets =
    QT_TRANSLATE_NOOP("messages", "指数を ( ) で囲んでください: %1");
inline constexpr const char* bracketNeeded = QT_TRANSLATE_NOOP("messages", "関数の後には ( ) が必要です: %1");
inline constexpr const char* bracketNotClosed = QT_TRANSLATE_NOOP("messages", "括弧が閉じていません: %1");
inline constexpr const char* bracketNotOpened = QT_TRANSLATE_NOOP("messages", "開く括弧がありません: %1");
inline constexpr const char* insideNotLinear =
    QT_TRANSLATE_NOOP("messages", "括弧の中は b･x^n + c の形で書いてください: %1");
inline constexpr const char* baseNotPositive =
    QT_TRANSLATE_NOOP("messages", "底が 0 のときは (0)^(x) と書いてください: %1");
inline constexpr const char* numberTooLarge = QT_TRANSLATE_NOOP("messages", "数値が大きすぎます: %1");
inline constexpr const char* numberTooSmall = QT_TRANSLATE_NOOP("messages", "数値が小さすぎます: %1");

// Where the fault is: the character's number in the line, then what it is.
inline constexpr const char* atCharacter = QT_TRANSLATE_NOOP("messages", "%1 文字目: %2");

}  // namespace formula

// Equation files and the command-line solver. %1, %2 ... are filled in
// one pass, so a file name holding "%2" stays as it is.
namespace files {

inline constexpr const char* aboutFile = QT_TRANSLATE_NOOP("messages", "%1: %2");  // file, what is wrong
inline constexpr const char* aboutTerm =
    QT_TRANSLATE_NOOP("messages", "%1: 項%2: %3");  // file, term number, what is wrong

inline constexpr const char* cannotOpen = QT_TRANSLATE_NOOP("messages", "開けません（%1）。");
inline constexpr const char* cannotSave = QT_TRANSLATE_NOOP("messages", "保存できません（%1）。");
inline constexpr const char* isFolder = QT_TRANSLATE_NOOP("messages", "フォルダです");
// Reasons inside "cannot open" and "cannot save".
inline constexpr const char* notRegularFile = QT_TRANSLATE_NOOP("messages", "通常のファイルではありません");
inline constexpr const char* notWritable = QT_TRANSLATE_NOOP("messages", "書き込みが許されていません");
inline constexpr const char* isEquationFile =
    QT_TRANSLATE_NOOP("messages", "読み込んだ方程式のファイルそのものです");
inline constexpr const char* nameNotUtf8 = QT_TRANSLATE_NOOP("messages", "ファイル名が UTF-8 ではありません");
inline constexpr const char* duplicateKey =
    QT_TRANSLATE_NOOP("messages", "「%1」が二度以上あります（%2行目）。");
inline constexpr const char* tooLarge = QT_TRANSLATE_NOOP("messages", "ファイルが大きすぎます。");
inline constexpr const char* notUtf8 =
    QT_TRANSLATE_NOOP("messages", "UTF-8 のテキストではありません（%1行目）。");
inline constexpr const char* notJson = QT_TRANSLATE_NOOP("messages", "JSON として読めません（%1行目）。");
inline constexpr const char* notEquationFile =
    QT_TRANSLATE_NOOP("messages", "方程式のファイルではありません。");
inline constexpr const char* unsupportedVersion =
    QT_TRANSLATE_NOOP("messages", "版 %1 には対応していません。");
inline constexpr const char* missingKey = QT_TRANSLATE_NOOP("messages", "「%1」がありません。");
inline constexpr const char* unknownKey = QT_TRANSLATE_NOOP("messages", "「%1」は使えません。");
inline constexpr const char* unknownKeyForShape =
    QT_TRANSLATE_NOOP("messages", "「%1」は形式 %2 の項にはありません。");
inline constexpr const char* notArray = QT_TRANSLATE_NOOP("messages", "「%1」は [ ] で書いてください。");
inline constexpr const char* notObject = QT_TRANSLATE_NOOP("messages", "「%1」は { } で書いてください。");
inline constexpr const char* termNotObject = QT_TRANSLATE_NOOP("messages", "項は { } で書いてください。");
inline constexpr const char* shapeNotText =
    QT_TRANSLATE_NOOP("messages", "「shape」は文字列で書いてください。");
inline constexpr const char* unknownShape = QT_TRANSLATE_NOOP("messages", "形式「%1」はありません。");
inline constexpr const char* notTextOrNumber =
    QT_TRANSLATE_NOOP("messages", "「%1」は文字列か数値で書いてください。");
inline constexpr const char* notUnicode =
    QT_TRANSLATE_NOOP("messages", "「%1」に文字として読めない部分があります。");

inline constexpr const char* noFiles = QT_TRANSLATE_NOOP("messages", "方程式のファイルを指定してください。");
inline constexpr const char* rangeNeedsTwo =
    QT_TRANSLATE_NOOP("messages", "--range には開始と終了の二つの値が必要です。");
inline constexpr const char* evaluateAlone =
    QT_TRANSLATE_NOOP("messages", "--evaluate は --range、--precision と一緒には使えません。");
inline constexpr const char* formulaWithFiles =
    QT_TRANSLATE_NOOP("messages", "-e と方程式のファイルは一緒には使えません。");
inline constexpr const char* noRange =
    QT_TRANSLATE_NOOP("messages", "変域がありません。--range で指定してください。");
inline constexpr const char* rangeValueIsFile = QT_TRANSLATE_NOOP(
    "messages", "--range の値「%1」はファイルの名前です。開始と終了の二つの値を指定してください。");
inline constexpr const char* cannotWriteOutput =
    QT_TRANSLATE_NOOP("messages", "標準出力に書けません（%1）。");
inline constexpr const char* certifiedIncomplete = QT_TRANSLATE_NOOP(
    "messages", "確かめきれない区間が残りました（評価の回数の上限か、決められない符号）。");
inline constexpr const char* certifiedAlone =
    QT_TRANSLATE_NOOP("messages", "--certified は --evaluate と一緒には使えません。");
inline constexpr const char* optionTwice = QT_TRANSLATE_NOOP("messages", "%1 は一度だけ指定してください。");
inline constexpr const char* optionNeedsValue = QT_TRANSLATE_NOOP("messages", "%1 には値が必要です。");
inline constexpr const char* optionTakesNoValue = QT_TRANSLATE_NOOP("messages", "%1 は値をとりません。");
inline constexpr const char* emptyFormula = QT_TRANSLATE_NOOP("messages", "%1 の式が空です。");
inline constexpr const char* digitsNeedCertified =
    QT_TRANSLATE_NOOP("messages", "--digits には --certified と、1 から 1000 までの整数が要ります。");
inline constexpr const char* seeHelp =
    QT_TRANSLATE_NOOP("messages", "使い方は kalvex-solve --help で表示されます。");

inline constexpr const char* cannotSavePicture =
    QT_TRANSLATE_NOOP("messages", "画像を保存できません（%1）。");

// The window's file commands.
inline constexpr const char* saveChanges = QT_TRANSLATE_NOOP("messages", "「%1」の変更を保存しますか？");
inline constexpr const char* saveUntitled =
    QT_TRANSLATE_NOOP("messages", "この方程式は保存されていません。保存しますか？");
inline constexpr const char* noGraphYet =
    QT_TRANSLATE_NOOP("messages", "グラフがありません。「グラフ」で描いてから使ってください。");
inline constexpr const char* saveButton = QT_TRANSLATE_NOOP("messages", "保存");
inline constexpr const char* discardButton = QT_TRANSLATE_NOOP("messages", "保存しない");
inline constexpr const char* cancelButton = QT_TRANSLATE_NOOP("messages", "キャンセル");
inline constexpr const char* openTitle = QT_TRANSLATE_NOOP("messages", "開く");
inline constexpr const char* saveTitle = QT_TRANSLATE_NOOP("messages", "名前を付けて保存");
inline constexpr const char* dialogFilter =
    QT_TRANSLATE_NOOP("messages", "方程式 (*.kalvex);;すべてのファイル (*)");

// Kalvex FILE --export: the graph written to a picture file without a window.
inline constexpr const char* exportUsage =
    QT_TRANSLATE_NOOP("messages", "使い方: %1 FILE --export OUT.png|OUT.svg [--size WxH]");
inline constexpr const char* oneFileOnly =
    QT_TRANSLATE_NOOP("messages", "方程式のファイルはひとつだけ指定してください。");
inline constexpr const char* noPictureFile =
    QT_TRANSLATE_NOOP("messages", "--export には保存する画像のファイル名が必要です。");
inline constexpr const char* badPictureSize = QT_TRANSLATE_NOOP(
    "messages", "--size には幅と高さを 942x565 のように、それぞれ 1 から %1 までの整数で指定してください。");
inline constexpr const char* noGraphRange =
    QT_TRANSLATE_NOOP("messages", "変域がありません。ファイルの analysis に start と end を書いてください。");
inline constexpr const char* noGraph = QT_TRANSLATE_NOOP("messages", "グラフを描けません。");

// Kalvex [FILE]: what the window accepts on its command line.
inline constexpr const char* unknownOption =
    QT_TRANSLATE_NOOP("messages", "「%1」というオプションはありません。");
inline constexpr const char* sizeWithoutExport =
    QT_TRANSLATE_NOOP("messages", "--size は --export と一緒に使ってください。");
inline constexpr const char* windowSeeHelp =
    QT_TRANSLATE_NOOP("messages", "使い方は %1 --help で表示されます。");

}  // namespace files

}  // namespace messages
