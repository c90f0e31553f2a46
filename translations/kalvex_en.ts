<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>AnalysisScreen</name>
        <message>
            <source>解析画面</source>
            <translation>Analysis</translation>
        </message>
        <message>
            <source>目盛間隔</source>
            <translation>Tick step</translation>
        </message>
        <message>
            <source>Y軸</source>
            <translation>Y</translation>
        </message>
        <message>
            <source>X軸</source>
            <translation>X</translation>
        </message>
        <message>
            <source>グラフ</source>
            <translation>Graph</translation>
        </message>
        <message>
            <source>個々の計算</source>
            <translation>Evaluate</translation>
        </message>
        <message>
            <source>精度</source>
            <translation>Precision</translation>
        </message>
        <message>
            <source>戻る</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>自動解析</source>
            <translation>Find roots</translation>
        </message>
        <message>
            <source>コピー</source>
            <translation>Copy</translation>
        </message>
        <message>
            <source>解析の範囲(X座標値）</source>
            <translation>Range (X values)</translation>
        </message>
        <message>
            <source>終了</source>
            <translation>End</translation>
        </message>
        <message>
            <source>開始</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>自動解析結果（X値）</source>
            <translation>Roots (X values)</translation>
        </message>
        <message>
            <source>目盛</source>
            <translation>Ticks</translation>
        </message>
        <message>
            <source>PNG 画像 (*.png)</source>
            <translation>PNG image (*.png)</translation>
        </message>
        <message>
            <source>PNG 画像・印刷用の 2 倍 (*.png)</source>
            <translation>PNG image, double size for print (*.png)</translation>
        </message>
        <message>
            <source>SVG 画像 (*.svg)</source>
            <translation>SVG image (*.svg)</translation>
        </message>
        <message>
            <source>画像として保存</source>
            <translation>Save Picture As</translation>
        </message>
        <message>
            <source>画像(&amp;P)</source>
            <translation>&amp;Picture</translation>
        </message>
        <message>
            <source>画像として保存(&amp;S)…</source>
            <translation>&amp;Save Picture As...</translation>
        </message>
        <message>
            <source>画像をコピー(&amp;C)</source>
            <translation>&amp;Copy Picture</translation>
        </message>
        <message>
            <source>検証の印も書き出す(&amp;M)</source>
            <translation>Include Verification &amp;Marks</translation>
        </message>
        <message>
            <source>式が変わったので、保証付き解析を取りやめました。</source>
            <translation>The formula changed, so the certified analysis was stopped.</translation>
        </message>
        <message>
            <source>検証(&amp;V)</source>
            <translation>&amp;Verify</translation>
        </message>
        <message>
            <source>保証付き解析(&amp;G)</source>
            <translation>&amp;Certified Analysis</translation>
        </message>
        <message>
            <source>キャンセルしました。</source>
            <translation>Cancelled.</translation>
        </message>
        <message>
            <source>式か範囲か精度が変わったので、結果を捨てました。</source>
            <translation>The formula, range or precision changed, so the result was dropped.</translation>
        </message>
        <message>
            <source>表示(&amp;W)</source>
            <translation>Vie&amp;w</translation>
        </message>
        <message>
            <source>前の表示(&amp;B)</source>
            <translation>&amp;Previous View</translation>
        </message>
        <message>
            <source>次の表示(&amp;F)</source>
            <translation>&amp;Next View</translation>
        </message>
        <message>
            <source>目盛の数値(&amp;T)</source>
            <translation>&amp;Tick Labels</translation>
        </message>
    </context>
    <context>
        <name>CalculationScreen</name>
        <message>
            <source>計算画面</source>
            <translation>Evaluate</translation>
        </message>
        <message>
            <source>戻る</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>Xの数値</source>
            <translation>Value of X</translation>
        </message>
        <message>
            <source>計　算</source>
            <translation>Calc</translation>
        </message>
        <message>
            <source>関数の解（上記変数Ｘに対する解の値）</source>
            <translation>F(x) at the X above</translation>
        </message>
    </context>
    <context>
        <name>CertifiedSummary</name>
        <message>
            <source>証明済みの根 %1 個。範囲内のほかの点に根はありません。</source>
            <translation>%1 proved root(s). There is no other root in the range.</translation>
        </message>
        <message>
            <source>証明済みの根 %1 個。決まらない箇所があり、根がすべてとは言えません。</source>
            <translation>%1 proved root(s). Some places could not be decided, so these may not be all the roots.</translation>
        </message>
        <message>
            <source>極 %1、計算できない区間 %2、重根の可能性 %3、未解決の区間 %4</source>
            <translation>poles %1, undefined stretches %2, possible multiple roots %3, unresolved stretches %4</translation>
        </message>
        <message>
            <source>証明済みの根: %1</source>
            <translation>proved roots: %1</translation>
        </message>
        <message>
            <source>極: %1</source>
            <translation>poles: %1</translation>
        </message>
        <message>
            <source>範囲外: %1</source>
            <translation>outside the range: %1</translation>
        </message>
        <message>
            <source>根と確かめられない: %1</source>
            <translation>not proved roots: %1</translation>
        </message>
        <message>
            <source>一覧にない証明済みの根 %1 個</source>
            <translation>proved roots missing from the list: %1</translation>
        </message>
        <message>
            <source>自動解析の結果と比べて  %1</source>
            <translation>Against the automatic analysis's list: %1</translation>
        </message>
        <message>
            <source>、</source>
            <translation>; </translation>
        </message>
        <message>
            <source>根</source>
            <translation>root</translation>
        </message>
        <message>
            <source>極</source>
            <translation>pole</translation>
        </message>
        <message>
            <source>計算できない区間</source>
            <translation>undefined</translation>
        </message>
        <message>
            <source>重根の可能性</source>
            <translation>possible multiple root</translation>
        </message>
        <message>
            <source>未解決</source>
            <translation>unresolved</translation>
        </message>
    </context>
    <context>
        <name>CertifiedWindow</name>
        <message>
            <source>保証付き解析</source>
            <translation>Certified Analysis</translation>
        </message>
        <message>
            <source>キャンセル</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>解析中...</source>
            <translation>Analysing...</translation>
        </message>
        <message>
            <source>閉じる</source>
            <translation>Close</translation>
        </message>
    </context>
    <context>
        <name>FindingTable</name>
        <message>
            <source>コピー</source>
            <translation>Copy</translation>
        </message>
        <message>
            <source>すべてコピー</source>
            <translation>Copy All</translation>
        </message>
        <message>
            <source>種類</source>
            <translation>Kind</translation>
        </message>
        <message>
            <source>値</source>
            <translation>Value</translation>
        </message>
        <message>
            <source>区間の下端</source>
            <translation>Interval from</translation>
        </message>
        <message>
            <source>区間の上端</source>
            <translation>Interval to</translation>
        </message>
    </context>
    <context>
        <name>FormulaDialog</name>
        <message>
            <source>式を入力</source>
            <translation>Enter Formula</translation>
        </message>
        <message>
            <source>式</source>
            <translation>Formula</translation>
        </message>
        <message>
            <source>読み取った項</source>
            <translation>Terms read</translation>
        </message>
        <message>
            <source>項の数: %1</source>
            <translation>Terms: %1</translation>
        </message>
    </context>
    <context>
        <name>GraphExport</name>
        <message>
            <source>グラフを保存する画像のファイル</source>
            <translation>Picture file to save the graph in</translation>
        </message>
        <message>
            <source>画像の幅と高さ（ピクセル）</source>
            <translation>Width and height of the picture in pixels</translation>
        </message>
        <message>
            <source>方程式のファイル</source>
            <translation>Equation file</translation>
        </message>
    </context>
    <context>
        <name>HelpScreen</name>
        <message>
            <source>ヘルプ</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>戻　る</source>
            <translation>Back</translation>
        </message>
        <message>
            <source>簡単な操作マニュアルは下記ホームページに記載してあります。ごらんください。</source>
            <translation>A short user manual is on the web page below. Please have a look.</translation>
        </message>
    </context>
    <context>
        <name>KalvexSolve</name>
        <message>
            <source>この説明を表示します。</source>
            <translation>Displays this help.</translation>
        </message>
        <message>
            <source>バージョンを表示します。</source>
            <translation>Displays the version.</translation>
        </message>
        <message>
            <source>変域をファイルの設定に代えて START から END までにします。</source>
            <translation>Analyses from START to END instead of the file's range.</translation>
        </message>
        <message>
            <source>精度をファイルの設定に代えて P にします。</source>
            <translation>Uses the precision P instead of the file's.</translation>
        </message>
        <message>
            <source>解析の代わりに X での F の値を表示します。</source>
            <translation>Prints the value of F at X instead of analysing.</translation>
        </message>
        <message>
            <source>ファイルごとに結果を JSON で一行に表示します。</source>
            <translation>Prints each file's result as one line of JSON.</translation>
        </message>
        <message>
            <source>方程式のファイル</source>
            <translation>Equation file</translation>
        </message>
        <message>
            <source>極: %1</source>
            <translation>pole: %1</translation>
        </message>
        <message>
            <source>値のない区間: %1 〜 %2</source>
            <translation>no value: %1 to %2</translation>
        </message>
        <message>
            <source>重解の可能性: %1 〜 %2 (幅 %3)</source>
            <translation>possible multiple root: %1 to %2 (width %3)</translation>
        </message>
        <message>
            <source>未解決の区間: %1 〜 %2</source>
            <translation>unresolved: %1 to %2</translation>
        </message>
        <message>
            <source>ファイルの代わりに、x^3 - 2x + 1 のように書いた式 F を解きます。</source>
            <translation>Solves F written as in x^3 - 2x + 1 instead of a file.</translation>
        </message>
        <message>
            <source>自動解析の代わりに、
解の場所を区間の計算で確かめる解析をします。
見つけた解、極、値のない区間、重解の可能性、
未解決の区間を、x の順に一行にひとつずつ表示し、
最後にまとめの一行を表示します。
未解決の区間か重解の可能性が残ると、
終了状態は 1 です。</source>
            <translation>Instead of the automatic analysis, proves where the roots are by interval arithmetic.
Prints each root, pole, stretch without a value, possible multiple root
and unresolved stretch it finds in x order, one a line,
then a closing line that sums them up.
The exit status is 1 when an unresolved stretch or a possible multiple root remains.</translation>
        </message>
        <message>
            <source>--certified の解を、
正しい有効数字 N 桁（1 〜 1000）で表示します。</source>
            <translation>Prints the roots of --certified
to N correct significant digits (1 to 1000).</translation>
        </message>
        <message>
            <source>方程式のファイル (.kalvex) の解を、
解析画面の自動解析と同じ手順で求めて、一行にひとつずつ表示します。
-e では、ファイルの代わりに一行に書いた式 F を解きます。
メッセージは標準エラーに出ます。
終了状態: 0 すべて最後まで解析した、1 メッセージで止まった、
2 使い方かファイルの誤り。</source>
            <translation>Finds the roots of equation files (.kalvex) as the analysis screen's automatic analysis does, and prints them one a line.
With -e, solves F written on one line instead of a file.
Messages go to standard error.
Exit status: 0 every analysis ran to its end, 1 one stopped with a message, 2 bad usage or a faulty file.</translation>
        </message>
        <message>
            <source>方程式のファイル (.kalvex) の解を、解析画面の自動解析と同じ手順で求めて一行にひとつずつ表示します。
メッセージは標準エラーに出ます。
終了状態: 0 すべて最後まで解析した、1 メッセージで止まった、2 使い方かファイルの誤り。</source>
            <translation>Finds the roots of equation files (.kalvex) as the analysis screen's automatic analysis does, and prints them one a line.
Messages go to standard error.
Exit status: 0 every analysis ran to its end, 1 one stopped with a message, 2 bad usage or a faulty file.</translation>
        </message>
        <message>
            <source>自動解析の代わりに、解の場所を区間の計算で確かめる解析をします。見つけたものを x の順に一行にひとつずつ表示します。</source>
            <translation>Instead of the automatic analysis, prove where the roots are by interval arithmetic. Prints what it finds in x order, one a line.</translation>
        </message>
        <message>
            <source>F は変域のすべての点で 0 です。</source>
            <translation>F is 0 at every point of the range.</translation>
        </message>
        <message>
            <source>解はこれですべてです（解 %1 個）。</source>
            <translation>Every root is listed: %1 in all.</translation>
        </message>
        <message>
            <source>解がすべてとは言えません（解 %1 個、重解の可能性 %2 個、未解決の区間 %3 個）。</source>
            <translation>Not every root is proved: %1 roots, %2 possible multiple roots, %3 unresolved stretches.</translation>
        </message>
        <message>
            <source>--certified の解を、正しい有効数字 N 桁（1 〜 1000）で表示します。</source>
            <translation>Show the roots of --certified to N correct significant digits (1 to 1000).</translation>
        </message>
    </context>
    <context>
        <name>Program</name>
        <message>
            <source>使い方: %1 [FILE]
       %1 [--] FILE
       %1 -e F
       %1 FILE --export OUT.png|OUT.svg [--size WxH]
一変数の方程式を解くウィンドウを開きます。FILE (.kalvex) はその方程式を開きます。
-e は x^3 - 2x + 1 のように書いた式 F の項で始めます。
-- の後は、- で始まるものもファイルの名前です。
--export はウィンドウを開かずに FILE のグラフを画像に保存します。
終了状態: 0 正常、1 --export で画像を保存できなかった、2 使い方の誤り。
</source>
            <translation>Usage: %1 [FILE]
       %1 [--] FILE
       %1 -e F
       %1 FILE --export OUT.png|OUT.svg [--size WxH]
Opens the window that solves an equation in one variable; FILE (.kalvex) opens that equation.
-e starts with the terms of F written as in x^3 - 2x + 1.
After --, every argument is a file name, even one that begins with -.
--export saves the graph of FILE as a picture without opening a window.
Exit status: 0 success, 1 --export could not save the picture, 2 bad usage.
</translation>
        </message>
        <message>
            <source>使い方: %1 [FILE]
       %1 -e F
       %1 FILE --export OUT.png|OUT.svg [--size WxH]
一変数の方程式を解くウィンドウを開きます。FILE (.kalvex) はその方程式を開きます。
-e は x^3 - 2x + 1 のように書いた式 F の項で始めます。
--export はウィンドウを開かずに FILE のグラフを画像に保存します。
</source>
            <translation>Usage: %1 [FILE]
       %1 -e F
       %1 FILE --export OUT.png|OUT.svg [--size WxH]
Opens the window that solves an equation in one variable; FILE (.kalvex) opens that equation.
-e starts with the terms of F written as in x^3 - 2x + 1.
--export saves the graph of FILE as a picture without opening a window.
</translation>
        </message>
    </context>
    <context>
        <name>ResultList</name>
        <message>
            <source>コピー</source>
            <translation>Copy</translation>
        </message>
        <message>
            <source>すべてコピー</source>
            <translation>Copy All</translation>
        </message>
    </context>
    <context>
        <name>SettingScreen</name>
        <message>
            <source>定数</source>
            <translation>Const</translation>
        </message>
        <message>
            <source>解法</source>
            <translation>Solve</translation>
        </message>
        <message>
            <source>推定</source>
            <translation>Estimate</translation>
        </message>
        <message>
            <source>終了</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>方程式の解法　　(方程式設定画面）</source>
            <translation>Equation Solver  (Equation Setting)</translation>
        </message>
        <message>
            <source>各項の係数</source>
            <translation>Coefficient</translation>
        </message>
        <message>
            <source>底</source>
            <translation>Base</translation>
        </message>
        <message>
            <source>Ｘの係数及び次数</source>
            <translation>Polynomial in X</translation>
        </message>
        <message>
            <source>係数</source>
            <translation>Factor</translation>
        </message>
        <message>
            <source>次数</source>
            <translation>Power</translation>
        </message>
        <message>
            <source>追 加</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>削 除</source>
            <translation>Delete</translation>
        </message>
        <message>
            <source>登録数</source>
            <translation>Terms</translation>
        </message>
        <message>
            <source>式</source>
            <translation>Formula</translation>
        </message>
        <message>
            <source>形式番号</source>
            <translation>Shape no.</translation>
        </message>
        <message>
            <source>Xの数値</source>
            <translation>Value of X</translation>
        </message>
        <message>
            <source>計　算</source>
            <translation>Calculate</translation>
        </message>
        <message>
            <source>関数の解（上記変数Ｘに対する解の値）</source>
            <translation>F(x) at the X above</translation>
        </message>
        <message>
            <source>表示</source>
            <translation>Show</translation>
        </message>
        <message>
            <source>非表示</source>
            <translation>Hide</translation>
        </message>
        <message>
            <source>ヘルプ</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>ﾊﾞｰｼﾞｭﾝ</source>
            <translation>Version</translation>
        </message>
        <message>
            <source>表示</source>
            <comment>menu</comment>
            <translation>View</translation>
        </message>
        <message>
            <source>ファイル(&amp;F)</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>新規作成(&amp;N)</source>
            <translation>&amp;New</translation>
        </message>
        <message>
            <source>開く(&amp;O)…</source>
            <translation>&amp;Open...</translation>
        </message>
        <message>
            <source>上書き保存(&amp;S)</source>
            <translation>&amp;Save</translation>
        </message>
        <message>
            <source>名前を付けて保存(&amp;A)…</source>
            <translation>Save &amp;As...</translation>
        </message>
        <message>
            <source>編集(&amp;E)</source>
            <translation>&amp;Edit</translation>
        </message>
        <message>
            <source>元に戻す(&amp;U)</source>
            <translation>&amp;Undo</translation>
        </message>
        <message>
            <source>やり直し(&amp;R)</source>
            <translation>&amp;Redo</translation>
        </message>
        <message>
            <source>式を入力(&amp;E)…</source>
            <translation>&amp;Enter Formula...</translation>
        </message>
        <message>
            <source>式をコピー(&amp;C)</source>
            <translation>&amp;Copy Formula</translation>
        </message>
    </context>
    <context>
        <name>TicksScreen</name>
        <message>
            <source>目盛設定画面</source>
            <translation>Tick Settings</translation>
        </message>
        <message>
            <source>目盛の条件設定</source>
            <translation>Ticks</translation>
        </message>
        <message>
            <source>目盛間隔　（ｍ）</source>
            <translation>Tick step (m)</translation>
        </message>
        <message>
            <source>Y目盛</source>
            <translation>Y</translation>
        </message>
        <message>
            <source>ｍ</source>
            <translation>m</translation>
        </message>
        <message>
            <source>X目盛</source>
            <translation>X</translation>
        </message>
        <message>
            <source>表示選択</source>
            <translation>Show or hide</translation>
        </message>
        <message>
            <source>非表示</source>
            <translation>Off</translation>
        </message>
        <message>
            <source>表示</source>
            <translation>On</translation>
        </message>
        <message>
            <source>Ｙ目盛</source>
            <translation>Y</translation>
        </message>
        <message>
            <source>設定終了</source>
            <translation>Done</translation>
        </message>
    </context>
    <context>
        <name>VersionScreen</name>
        <message>
            <source>Kalvex工房</source>
            <translation>Kalvex Works</translation>
        </message>
        <message>
            <source>バージョン情報</source>
            <translation>About</translation>
        </message>
        <message>
            <source>O　K</source>
            <translation>OK</translation>
        </message>
    </context>
    <context>
        <name>messages</name>
        <message>
            <source>方程式の解法</source>
            <translation>Equation Solver</translation>
        </message>
        <message>
            <source>Log( )の括弧内が０以下になってしまっています。</source>
            <translation>The argument of Log( ) is zero or less.</translation>
        </message>
        <message>
            <source>変域あるいは、分割数を確認してください。</source>
            <translation>Check the range or the number of steps.</translation>
        </message>
        <message>
            <source>変域の範囲が計算不能箇所となりました。</source>
            <translation>The range reached a point where F cannot be computed.</translation>
        </message>
        <message>
            <source>変域の範囲が計算不能箇所があります。解析区間の見直しをしてください。</source>
            <translation>F cannot be computed somewhere in the range. Revise the range of the analysis.</translation>
        </message>
        <message>
            <source>未入力です。</source>
            <translation>Nothing is entered.</translation>
        </message>
        <message>
            <source>係数を必ず入力して下さい。</source>
            <translation>Enter the coefficient.</translation>
        </message>
        <message>
            <source>式を入力してください。</source>
            <translation>Enter a formula.</translation>
        </message>
        <message>
            <source>Ｘの適用範囲はＸ＞０　です。</source>
            <translation>X must be greater than 0.</translation>
        </message>
        <message>
            <source>計算できない値になりました。</source>
            <translation>The value cannot be computed.</translation>
        </message>
        <message>
            <source>関数の値が大きすぎてグラフを描けません。</source>
            <translation>The function's values are too large to plot.</translation>
        </message>
        <message>
            <source>数値が大きすぎます。</source>
            <translation>The number is too large.</translation>
        </message>
        <message>
            <source>項は20個までです。</source>
            <translation>An equation holds 20 terms at most.</translation>
        </message>
        <message>
            <source>形式を選んでください。</source>
            <translation>Choose a shape.</translation>
        </message>
        <message>
            <source>目盛間隔には正の数値を入力してください。</source>
            <translation>Enter a positive number for the tick step.</translation>
        </message>
        <message>
            <source>精度には正の数値を入力してください。</source>
            <translation>Enter a positive number for the precision.</translation>
        </message>
        <message>
            <source>解が収束しませんでした。</source>
            <translation>The root did not converge.</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>%1: 項%2: %3</source>
            <translation>%1: term %2: %3</translation>
        </message>
        <message>
            <source>開けません（%1）。</source>
            <translation>Cannot open it (%1).</translation>
        </message>
        <message>
            <source>保存できません（%1）。</source>
            <translation>Cannot save it (%1).</translation>
        </message>
        <message>
            <source>フォルダです</source>
            <translation>it is a folder</translation>
        </message>
        <message>
            <source>ファイルが大きすぎます。</source>
            <translation>The file is too large.</translation>
        </message>
        <message>
            <source>UTF-8 のテキストではありません（%1行目）。</source>
            <translation>Not UTF-8 text (line %1).</translation>
        </message>
        <message>
            <source>JSON として読めません（%1行目）。</source>
            <translation>Not readable as JSON (line %1).</translation>
        </message>
        <message>
            <source>方程式のファイルではありません。</source>
            <translation>Not an equation file.</translation>
        </message>
        <message>
            <source>版 %1 には対応していません。</source>
            <translation>Version %1 is not supported.</translation>
        </message>
        <message>
            <source>「%1」がありません。</source>
            <translation>“%1” is missing.</translation>
        </message>
        <message>
            <source>「%1」は使えません。</source>
            <translation>“%1” is not allowed.</translation>
        </message>
        <message>
            <source>「%1」は形式 %2 の項にはありません。</source>
            <translation>A term of shape %2 has no “%1”.</translation>
        </message>
        <message>
            <source>「%1」は [ ] で書いてください。</source>
            <translation>Write “%1” as an array [ ].</translation>
        </message>
        <message>
            <source>「%1」は { } で書いてください。</source>
            <translation>Write “%1” as an object { }.</translation>
        </message>
        <message>
            <source>項は { } で書いてください。</source>
            <translation>Write a term as an object { }.</translation>
        </message>
        <message>
            <source>「shape」は文字列で書いてください。</source>
            <translation>Write “shape” as a string.</translation>
        </message>
        <message>
            <source>形式「%1」はありません。</source>
            <translation>There is no shape “%1”.</translation>
        </message>
        <message>
            <source>「%1」は文字列か数値で書いてください。</source>
            <translation>Write “%1” as a string or a number.</translation>
        </message>
        <message>
            <source>「%1」に文字として読めない部分があります。</source>
            <translation>“%1” holds bytes that are not characters.</translation>
        </message>
        <message>
            <source>方程式のファイルを指定してください。</source>
            <translation>Name an equation file.</translation>
        </message>
        <message>
            <source>--range には開始と終了の二つの値が必要です。</source>
            <translation>--range needs two values, a start and an end.</translation>
        </message>
        <message>
            <source>--evaluate は --range、--precision と一緒には使えません。</source>
            <translation>--evaluate cannot be used with --range or --precision.</translation>
        </message>
        <message>
            <source>変域がありません。--range で指定してください。</source>
            <translation>No range. Give one with --range.</translation>
        </message>
        <message>
            <source>使い方は kalvex-solve --help で表示されます。</source>
            <translation>Run kalvex-solve --help for usage.</translation>
        </message>
        <message>
            <source>画像を保存できません（%1）。</source>
            <translation>Cannot save the picture (%1).</translation>
        </message>
        <message>
            <source>「%1」の変更を保存しますか？</source>
            <translation>Save the changes to “%1”?</translation>
        </message>
        <message>
            <source>保存</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>保存しない</source>
            <translation>Don't Save</translation>
        </message>
        <message>
            <source>キャンセル</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>開く</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>名前を付けて保存</source>
            <translation>Save As</translation>
        </message>
        <message>
            <source>方程式 (*.kalvex);;すべてのファイル (*)</source>
            <translation>Equations (*.kalvex);;All files (*)</translation>
        </message>
        <message>
            <source>使い方: %1 FILE --export OUT.png|OUT.svg [--size WxH]</source>
            <translation>Usage: %1 FILE --export OUT.png|OUT.svg [--size WxH]</translation>
        </message>
        <message>
            <source>方程式のファイルはひとつだけ指定してください。</source>
            <translation>Name only one equation file.</translation>
        </message>
        <message>
            <source>--export には保存する画像のファイル名が必要です。</source>
            <translation>--export needs the name of the picture file to save.</translation>
        </message>
        <message>
            <source>--size には幅と高さを 942x565 のように、それぞれ 1 から %1 までの整数で指定してください。</source>
            <translation>--size takes the width and height as whole numbers from 1 to %1, as in 942x565.</translation>
        </message>
        <message>
            <source>変域がありません。ファイルの analysis に start と end を書いてください。</source>
            <translation>No range. Write start and end in the file's analysis.</translation>
        </message>
        <message>
            <source>グラフを描けません。</source>
            <translation>The graph cannot be drawn.</translation>
        </message>
        <message>
            <source>この方程式は保存されていません。保存しますか？</source>
            <translation>This equation has not been saved. Save it?</translation>
        </message>
        <message>
            <source>グラフがありません。「グラフ」で描いてから使ってください。</source>
            <translation>There is no graph yet. Draw it with Graph first.</translation>
        </message>
        <message>
            <source>通常のファイルではありません</source>
            <translation>not a regular file</translation>
        </message>
        <message>
            <source>書き込みが許されていません</source>
            <translation>not writable</translation>
        </message>
        <message>
            <source>読み込んだ方程式のファイルそのものです</source>
            <translation>it is the equation file that was read</translation>
        </message>
        <message>
            <source>ファイル名が UTF-8 ではありません</source>
            <translation>the name is not UTF-8</translation>
        </message>
        <message>
            <source>「%1」が二度以上あります（%2行目）。</source>
            <translation>“%1” is given more than once (line %2).</translation>
        </message>
        <message>
            <source>--range の値「%1」はファイルの名前です。開始と終了の二つの値を指定してください。</source>
            <translation>The value “%1” of --range names a file. Give two values, a start and an end.</translation>
        </message>
        <message>
            <source>標準出力に書けません（%1）。</source>
            <translation>Cannot write to standard output (%1).</translation>
        </message>
        <message>
            <source>「%1」というオプションはありません。</source>
            <translation>Unknown option “%1”.</translation>
        </message>
        <message>
            <source>--size は --export と一緒に使ってください。</source>
            <translation>--size goes with --export.</translation>
        </message>
        <message>
            <source>確かめきれない区間が残りました（評価の回数の上限か、決められない符号）。</source>
            <translation>Some stretches are left unresolved (the evaluations ran out, or a sign could not be decided).</translation>
        </message>
        <message>
            <source>--certified は --evaluate と一緒には使えません。</source>
            <translation>--certified cannot be used with --evaluate.</translation>
        </message>
        <message>
            <source>使えない文字です: %1</source>
            <translation>This character cannot be used: %1</translation>
        </message>
        <message>
            <source>使えない名前です: %1</source>
            <translation>Unknown name: %1</translation>
        </message>
        <message>
            <source>ここには項が必要です: %1</source>
            <translation>A term is needed here: %1</translation>
        </message>
        <message>
            <source>式が途中で終わっています。</source>
            <translation>The formula ends too early.</translation>
        </message>
        <message>
            <source>符号が続いています: %1</source>
            <translation>Two signs in a row: %1</translation>
        </message>
        <message>
            <source>この形の項は使えません: %1</source>
            <translation>This kind of term cannot be used: %1</translation>
        </message>
        <message>
            <source>x の指数には数値だけを書けます: %1</source>
            <translation>The power of x must be a number: %1</translation>
        </message>
        <message>
            <source>指数を ( ) で囲んでください: %1</source>
            <translation>Put the exponent in brackets: %1</translation>
        </message>
        <message>
            <source>関数の後には ( ) が必要です: %1</source>
            <translation>A function needs brackets: %1</translation>
        </message>
        <message>
            <source>括弧が閉じていません: %1</source>
            <translation>This bracket is not closed: %1</translation>
        </message>
        <message>
            <source>開く括弧がありません: %1</source>
            <translation>This bracket was never opened: %1</translation>
        </message>
        <message>
            <source>括弧の中は b･x^n + c の形で書いてください: %1</source>
            <translation>Inside the brackets write b·x^n + c: %1</translation>
        </message>
        <message>
            <source>底は正の数にしてください: %1</source>
            <translation>The base must be a positive number: %1</translation>
        </message>
        <message>
            <source>数値が大きすぎます: %1</source>
            <translation>A number is too large: %1</translation>
        </message>
        <message>
            <source>%1 文字目: %2</source>
            <translation>Character %1: %2</translation>
        </message>
        <message>
            <source>-e と方程式のファイルは一緒には使えません。</source>
            <translation>-e cannot be used with equation files.</translation>
        </message>
        <message>
            <source>使い方は %1 --help で表示されます。</source>
            <translation>Run %1 --help for usage.</translation>
        </message>
        <message>
            <source>%1 は一度だけ指定してください。</source>
            <translation>Give %1 only once.</translation>
        </message>
        <message>
            <source>%1 には値が必要です。</source>
            <translation>%1 needs a value.</translation>
        </message>
        <message>
            <source>%1 は値をとりません。</source>
            <translation>%1 takes no value.</translation>
        </message>
        <message>
            <source>%1 の式が空です。</source>
            <translation>The formula of %1 is empty.</translation>
        </message>
        <message>
            <source>数値が小さすぎます。</source>
            <translation>The number is too small.</translation>
        </message>
        <message>
            <source>底が 0 のときは (0)^(x) と書いてください: %1</source>
            <translation>Write a base of 0 as (0)^(x): %1</translation>
        </message>
        <message>
            <source>数値が小さすぎます: %1</source>
            <translation>A number is too small: %1</translation>
        </message>
        <message>
            <source>--digits には --certified と、1 から 1000 までの整数が要ります。</source>
            <translation>--digits needs --certified and a whole number from 1 to 1000.</translation>
        </message>
    </context>
</TS>
