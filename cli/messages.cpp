#include "cli/messages.h"

#include <cstdlib>
#include <unordered_map>

#include "table/system_error_words.h"

namespace kelvor::cli {

namespace {

Language g_language = Language::English;

struct Entry {
    std::string_view english;
    std::string_view japanese;
};

// Every text the tool says to a person, by command.
constexpr Entry kCatalogue[] = {
    // Reading, finding and saving tables.
    {"cannot be read: {1}", "読めません: {1}"},
    {"is no unit table: it is empty", "ユニットの表ではありません: 空です"},
    {"is no unit table: none of its lines is a unit line (a name, then \"○\")",
     "ユニットの表ではありません: ユニットの行 (名前、その次に「○」) が1行もありません"},
    {"has no unit {1}: line {2} is no unit line", "ユニット {1} はありません: 行 {2} はユニットの行ではありません"},
    {"has no unit {1}: line {2} is no line (lines count from 0)",
     "ユニット {1} はありません: 行 {2} はありません (行は 0 から数えます)"},
    {"has no unit {1}: line {2} is past its last line", "ユニット {1} はありません: 行 {2} は最後の行より後です"},
    {"line {1}", "行 {1}"},
    {"line {1}, unit {2} {3}", "行 {1}、ユニット {2} {3}"},
    {"the replaced table could not be set aside here: {1}; nothing was written",
     "置き換える表をここに退避できませんでした: {1}。何も書き込んでいません"},
    {"cannot be written: {1}", "書き込めません: {1}"},
    {"could not be saved: {1}; the file is as it was", "保存できませんでした: {1}。ファイルは元のままです"},
    {"waiting for another program that is writing it to finish...",
     "書き込み中のほかのプログラムが終わるのを待っています..."},
    {"another program kept it locked for {1} seconds; nothing written",
     "ほかのプログラムが {1} 秒間ロックしたままでした。何も書き込んでいません"},
    {"cannot be locked for writing: {1}; nothing written", "書き込みのためにロックできません: {1}。何も書き込んでいません"},
    {"was changed by another program while this command ran; nothing written, run it again",
     "このコマンドの実行中にほかのプログラムが変更しました。何も書き込んでいません。もう一度実行してください"},
    {"the report could not be written", "報告を書き出せませんでした"},
    {"was shortened by another program while it was read; the command stopped and saved nothing",
     "読み込み中にほかのプログラムが短くしました。コマンドを中止し、何も保存していません"},
    // list and show.
    {"unit\tline\tname", "ユニット\t行\t名前"},
    {"(the line ends before this field)", "(行はこのフィールドの前で終わっています)"},
    {"  (stored {1})", "  (格納値 {1})"},
    // check.
    {"is no folder of unit pictures", "ユニット画像のフォルダではありません"},
    {"unit/ beside the table", "表と同じフォルダの unit/"},
    {"note: ", "注意: "},
    {", field {1}", "、フィールド {1}"},
    {"{1} error", "エラー {1} 件"},
    {"{1} errors", "エラー {1} 件"},
    {"{1} note", "注意 {1} 件"},
    {"{1} notes", "注意 {1} 件"},
    {"{1}: {2}, {3}", "{1}: {2}、{3}"},
    {"ends in CR CR LF, not CR LF", "行末が CR LF ではなく CR CR LF です"},
    {"ends in a bare LF, not CR LF", "行末が CR LF ではなく LF だけです"},
    {"byte {1} of the line ({2}) starts no character of code page 932: the editor shows \"\uFFFD\" there",
     "行の {1} バイト目 ({2}) はコードページ 932 の文字の始まりではありません: エディタはそこに「\uFFFD」を表示します"},
    {"byte {1} of the line is NUL: a single-unit file holding it does not import",
     "行の {1} バイト目が NUL です: これを含む単体データファイルは読み込めません"},
    {"holds a CR after field {1}: what follows it is no field to the editor",
     "フィールド {1} の後に CR があります: その後ろはエディタにとってフィールドではありません"},
    {"is empty, the line ending in a comma: the editor reads only 193 fields, says so, and Apply writes \"0\" here",
     "空です (行がカンマで終わっています): エディタは 193 フィールドだけを読んでそう伝え、適用するとここに \"0\" を書きます"},
    {"has {1} fields, not 194: the editor says so and shows the missing ones empty, and Apply writes all 194",
     "フィールドが 194 ではなく {1} です: エディタはそう伝えて足りないフィールドを空で表示し、適用すると 194 フィールドすべてを書きます"},
    {"has {1} fields, not 194: Apply drops fields 194 to {2}",
     "フィールドが 194 ではなく {1} です: 適用するとフィールド 194 から {2} を捨てます"},
    {"the same name as unit {1} (line {2})", "ユニット {1} (行 {2}) と同じ名前です"},
    {"{1} outside {2} to {3}: Apply keeps it until the box is changed, and takes only a number in range then",
     "{1} は {2} から {3} の範囲外です: 適用してもボックスを変えるまではそのまま残し、変えたときは範囲内の数だけを受け付けます"},
    {"{1} shows as {2}, outside {3} to {4}: Apply keeps it until the box is changed, and takes only a number in range then",
     "{1} は {2} と表示され、{3} から {4} の範囲外です: 適用してもボックスを変えるまではそのまま残し、変えたときは範囲内の数だけを受け付けます"},
    {"{1} is not plain decimal: the form shows {2}; Apply keeps it until the box is changed",
     "{1} はふつうの10進数ではありません: フォームには {2} と表示します。適用してもボックスを変えるまではそのまま残します"},
    {"names unit {1}, which no unit has", "ユニット {1} を指していますが、そのユニットはありません"},
    {"{1} is neither \"○\" nor \"×\": the form shows it clear; Apply keeps it until the box is changed",
     "{1} は「○」でも「×」でもありません: フォームにはチェックなしで表示します。適用してもボックスを変えるまではそのまま残します"},
    {"{1} is no movement class: the form shows it as not from the table; Apply keeps it until the list is changed",
     "{1} は移動クラスではありません: フォームには表にない値として表示します。適用してもリストを変えるまではそのまま残します"},
    {"{1} differs from {2} (line {3}) only in letter case: the form selects {2}; Apply keeps {1} until the list is changed",
     "{1} は {2} (行 {3}) と大文字小文字だけが違います: フォームでは {2} を選びます。適用してもリストを変えるまでは {1} のまま残します"},
    {"names picture {1}, which {2} does not hold", "画像 {1} を指していますが、{2} にありません"},
    {"names picture {1}, which the panel cannot show: {2}", "画像 {1} を指していますが、パネルでは表示できません: {2}"},
    {"it is {1} bytes, more than any picture the panel reads", "{1} バイトあり、パネルが読む画像の大きさを超えています"},
    {"it cannot be read: {1}", "読めません: {1}"},
    {"no picture folder {1}: the unit pictures were not checked", "画像フォルダ {1} がありません: ユニットの画像は調べていません"},
    // diff.
    {"  field {1}: {2} -> {3}", "  フィールド {1}: {2} -> {3}"},
    {": line end {1} -> {2}", ": 行末 {1} -> {2}"},
    {": only in the old table", ": 古い表にだけあります"},
    {": only in the new table", ": 新しい表にだけあります"},
    {"new {1}", "新しい表の {1}"},
    {", now line {1}", "、いまは行 {1}"},
    {", unit {1}", "、ユニット {1}"},
    {"lines {1} to {2}", "行 {1} から {2}"},
    {"{1} renumbered: now {2} (unit numbers {3})", "{1} は番号が変わりました: いまは {2} (ユニット番号 {3})"},
    {"... {1} more {2} findings not shown (--all shows every one)", "... ほかに \"{2}\" の指摘が {1} 件あります (\"--all\" ですべて表示)"},
    {"(none)", "(なし)"},
    // export.
    {"{1} holds only {2} of the 194 fields of a unit: its single-unit file would end in empty fields, which import refuses",
     "{1} にはユニットの 194 フィールドのうち {2} しかありません: その単体データファイルは空のフィールドで終わり、読み込めません"},
    {"{1} cannot be written as one line: a field holds a comma, CR or LF",
     "{1} は1行に書けません: カンマ、CR または LF を含むフィールドがあります"},
    {"{1} cannot be exported: {2}", "{1} は書き出せません: {2}"},
    {"is the table itself; name another file", "表そのものです。別のファイルを指定してください"},
    {"wrote {1}: {2}", "{1} を書き出しました: {2}"},
    {"the {1} fields after field 193 are left out", "フィールド 193 より後の {1} フィールドは書き出していません"},
    // import.
    {"cannot be imported: {1}", "読み込めません: {1}"},
    {"it names line {1}, as {2} does; a batch takes one file for each line",
     "{2} と同じ行 {1} を指しています。一度に読み込めるのは1行につき1ファイルです"},
    {"there is no memory for the longer table", "長くなった表を置くメモリがありません"},
    {"nothing imported, nothing written: {1} of {2} cannot be used",
     "何も読み込まず、何も書き込んでいません: {2}のうち {1} が使えません"},
    {"{1} file", "{1} ファイル"},
    {"{1} files", "{1} ファイル"},
    {"imported {1}: {2}", "{1} を読み込みました: {2}"},
    {"saved {1}", "{1} を保存しました"},
    {"; the table it replaced is kept as {1}", "。置き換えた表は {1} として残しています"},
};

std::string_view InUse(std::string_view english) {
    if (g_language == Language::English) return english;
    static const std::unordered_map<std::string_view, std::string_view> japanese = [] {
        std::unordered_map<std::string_view, std::string_view> map;
        for (const Entry& entry : kCatalogue) map.emplace(entry.english, entry.japanese);
        return map;
    }();
    const auto found = japanese.find(english);
    return found == japanese.end() ? table::SystemErrorInJapanese(english) : found->second;
}

}  // namespace

Language LanguageOfEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (!value || !*value) continue;
        const std::string_view name(value);
        return name == "ja" || name.starts_with("ja_") || name.starts_with("ja.") ? Language::Japanese
                                                                                  : Language::English;
    }
    return Language::English;
}

void UseLanguage(Language language) { g_language = language; }

Language LanguageInUse() { return g_language; }

std::string Say(std::string_view english, std::initializer_list<std::string> values) {
    const std::string_view text = InUse(english);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // {1} to {9}: the value of that number.
        if (text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' && text[i + 2] == '}') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < values.size()) {
                out += values.begin()[n];
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string Count(long long count, std::string_view one, std::string_view many) {
    return Say(count == 1 ? one : many, {std::to_string(count)});
}

}  // namespace kelvor::cli
