#include "table/system_error_words.h"

namespace kelvor::table {

namespace {

struct Words {
    std::string_view english;
    std::string_view japanese;
};

// The errors of opening, reading, writing, linking and renaming files, as
// glibc and the Windows C library word them, and the program's own "not a
// regular file".
constexpr Words kWords[] = {
    {"No such file or directory", "ファイルまたはフォルダがありません"},
    {"Permission denied", "アクセスが拒否されました"},
    {"Operation not permitted", "この操作は許可されていません"},
    {"Is a directory", "フォルダです"},
    {"Not a directory", "フォルダではありません"},
    {"not a regular file", "通常のファイルではありません"},
    {"File too large", "ファイルが大きすぎます"},
    {"No space left on device", "ディスクに空きがありません"},
    {"Disk quota exceeded", "ディスクの使用量の制限を超えました"},
    {"Read-only file system", "読み取り専用のファイルシステムです"},
    {"Device or resource busy", "ほかのプログラムが使用中です"},
    {"Resource device", "ほかのプログラムが使用中です"},
    {"Text file busy", "ほかのプログラムが使用中です"},
    {"Input/output error", "入出力エラーが発生しました"},
    {"I/O error", "入出力エラーが発生しました"},
    {"File name too long", "ファイル名が長すぎます"},
    {"Filename too long", "ファイル名が長すぎます"},
    {"Too many levels of symbolic links", "シンボリックリンクが多すぎます (循環しています)"},
    {"File exists", "ファイルがすでにあります"},
    {"Invalid cross-device link", "別のドライブへはリンクできません"},
    {"Improper link", "別のドライブへはリンクできません"},
    {"Cannot allocate memory", "メモリが足りません"},
    {"Not enough space", "メモリが足りません"},
    {"Too many open files", "開いているファイルが多すぎます"},
    {"Stale file handle", "ファイルがネットワーク上で失われました"},
    {"Operation not supported", "この操作はサポートされていません"},
    {"Function not implemented", "この操作はサポートされていません"},
    {"Resource temporarily unavailable", "一時的に使用できません"},
    {"Invalid argument", "引数が正しくありません"},
};

}  // namespace

std::string_view SystemErrorInJapanese(std::string_view english) {
    for (const Words& w : kWords)
        if (w.english == english) return w.japanese;
    return english;
}

}  // namespace kelvor::table
