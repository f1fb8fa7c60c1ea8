<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>FieldHints</name>
    <message>
        <source>%1 (フィールド %2)</source>
        <translation>%1 (field %2)</translation>
    </message>
    <message>
        <source>: %1〜%2</source>
        <translation>: %1–%2</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>ﾃﾞｰﾀﾌｧｲﾙ (*.dat)|*.dat|全てのﾌｧｲﾙ (*.*)|*.*||</source>
        <translation>Data files (*.dat)|*.dat|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>兵器データファイルの選択</source>
        <translation>Choose a Unit Data File</translation>
    </message>
    <message>
        <source>ﾕﾆｯﾄﾌｧｲﾙ (*.kmv)|*.kmv|全てのﾌｧｲﾙ (*.*)|*.*||</source>
        <translation>Unit files (*.kmv)|*.kmv|All files (*.*)|*.*||</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀﾌｧｲﾙ (*.kmv)|*.kmv|全てのﾌｧｲﾙ (*.*)|*.*||</source>
        <translation>Data files (*.kmv)|*.kmv|All files (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source> の処理中にエラーが発生しました。
</source>
        <translation>: an error occurred while processing this file.
</translation>
    </message>
    <message>
        <source>ファイルのオープンに失敗しました
</source>
        <translation>The file could not be opened
</translation>
    </message>
</context>
<context>
    <name>FormRefusals</name>
    <message>
        <source>整数を入力してください。</source>
        <translation>Enter an integer.</translation>
    </message>
    <message>
        <source>ユニット名を入力してください。</source>
        <translation>Enter a unit name.</translation>
    </message>
    <message>
        <source>カンマ「,」と改行は保存できません。取り除いてください。</source>
        <translation>Commas (,) and line breaks cannot be saved. Remove them.</translation>
    </message>
    <message>
        <source>次の文字はシフトJISで表せないため保存できません: </source>
        <translation>These characters cannot be saved, since Shift-JIS has no code for them: </translation>
    </message>
    <message>
        <source>%1 から %2 までの整数を入力してください。</source>
        <translation>Enter an integer from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>UnitFile</name>
    <message>
        <source>ユニットの項目に「,」や改行文字があるため、単体データを書き出せません。</source>
        <translation>A field of the unit holds a comma (,) or a line break, so its single-unit file cannot be written.</translation>
    </message>
    <message>
        <source>メモリが足りないため、単体データを表に入れられません。</source>
        <translation>There is not enough memory to put the single-unit file into the table.</translation>
    </message>
</context>
<context>
    <name>UnitForm</name>
    <message>
        <source>%1 (表にない値)</source>
        <translation>%1 (not in the table)</translation>
    </message>
</context>
<context>
    <name>UnitListModel</name>
    <message>
        <source>%1
ユニット %2 (行 %3)</source>
        <translation>%1
unit %2 (line %3)</translation>
    </message>
</context>
<context>
    <name>UnitSearch</name>
    <message>
        <source>指定された文字列は見つかりませんでした</source>
        <translation>The text was not found</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>最小化(&amp;N)</source>
        <translation>Mi&amp;nimize</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>kelvor::CUnitEditorDlg</name>
    <message>
        <source>このファイルは開いた後でほかのプログラムによって変更されています。上書きしますか?</source>
        <translation>Another program has changed this file since it was opened. Overwrite it?</translation>
    </message>
    <message>
        <source>上書き</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>このファイルはほかのプログラムによって変更されました。保存するときに上書きするか確かめます。</source>
        <translation>Another program has changed this file. Saving will ask before it overwrites the change.</translation>
    </message>
    <message>
        <source>このファイルはほかのプログラムによって変更されました。開き直しますか?</source>
        <translation>Another program has changed this file. Open it again?</translation>
    </message>
    <message>
        <source>開き直す</source>
        <translation>Open again</translation>
    </message>
    <message>
        <source>編集中の内容を適用しますか?</source>
        <translation>Apply the edits made to this unit?</translation>
    </message>
    <message>
        <source>適用(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>破棄(&amp;D)</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>変更を保存しますか?</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>保存しない(&amp;N)</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>%1 を読めません: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 は表示できる画像ではありません: %2</source>
        <translation>%1 is no picture that can be shown: %2</translation>
    </message>
    <message>
        <source>
ほかのプログラムがこのファイルに書き込んでいます。しばらくしてからもう一度保存してください。</source>
        <translation>
Another program is writing to this file. Wait a moment, then save again.</translation>
    </message>
    <message>
        <source>読み込み: ユニット %1</source>
        <translation>Import: unit %1</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;W)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;S)...</source>
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
        <source>検索(&amp;S)...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)...</source>
        <translation>&amp;About Kelvor...</translation>
    </message>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>このユニットの行には194項目のうち%1項目しかありません。足りない項目は空で表示します。</source>
        <translation>This unit&apos;s line holds only %1 of the 194 fields. The missing fields are shown empty.</translation>
    </message>
    <message>
        <source>カンマか改行を含む項目があるため、このユニットの行には書き込めません。</source>
        <translation>A field holds a comma or a line break, so this unit&apos;s line cannot be written.</translation>
    </message>
    <message>
        <source>適用: %1</source>
        <translation>Apply: %1</translation>
    </message>
    <message>
        <source>単体データを読み込む表が開かれていません。</source>
        <translation>No table is open to import the single-unit file into.</translation>
    </message>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source> (見つかりません)</source>
        <translation> (not found)</translation>
    </message>
    <message>
        <source>
このファイルは見つかりません。最近使ったファイルから削除しました。</source>
        <translation>
This file is not there. It has been removed from the recent tables.</translation>
    </message>
    <message>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>&amp;Recent Tables</translation>
    </message>
    <message>
        <source>単体データの読み込み(&amp;I)...</source>
        <translation>&amp;Import Unit...</translation>
    </message>
    <message>
        <source>一括読み込み(&amp;B)...</source>
        <translation>&amp;Batch Import...</translation>
    </message>
    <message>
        <source>単体データの書き出し(&amp;E)...</source>
        <translation>&amp;Export Unit...</translation>
    </message>
    <message>
        <source>次を検索(&amp;N)</source>
        <translation>Find &amp;Next</translation>
    </message>
</context>
</TS>
