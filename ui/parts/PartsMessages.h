#pragma once

#include <string>

namespace yorozu {

// Questions and messages of the parts panel.
inline constexpr const char* kSavePartsWidthsQuestion = "現在表示の部品セル幅設定を保存します。\r\nよろしいですか？";
inline constexpr const char* kLoadPartsWidthsQuestion = "部品グリッドセル幅設定を読み込みます。\r\nよろしいですか？";
inline constexpr const char* kDefaultPartsWidthsQuestion = "部品セルサイズを既定値に戻します。\r\nよろしいですか？";
inline constexpr const char* kPartsWidthsSaved = "登録しました。";
inline constexpr const char* kPartsNumberWanted = "数字を入力してください。";
// A page that could not be written stays on screen; the characters the
// code page cannot hold follow the message.
inline constexpr const char* kPartsNotSaved = "部品ファイルは保存できませんでした。\r\n";

// A catalogue file that is there but cannot be read.
inline std::string partsUnreadableMessage(const std::string& fileName)
{
    const bool list = fileName.size() >= 5 && (fileName[0] | 0x20) == 'b' && (fileName[1] | 0x20) == 'u' &&
                      (fileName[2] | 0x20) == 'm';
    return "「" + fileName + "」を読み込めませんでした。" +
           (list ? std::string("\r\n") : std::string("\r\nこのページは保存されません。\r\n"));
}

} // namespace yorozu
