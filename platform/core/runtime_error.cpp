#include "runtime_error.h"

namespace platform {

QString standardDescription(ErrorNumber number)
{
    // What went wrong, in the words of what the user sees: boxes, tabs,
    // numbers, the browser.
    switch (number) {
    case ErrorNumber::InvalidCall:
        return QStringLiteral("使えない入力欄やタブを指定したか、数値の表示形式が正しくありません。");
    case ErrorNumber::Overflow:
        return QStringLiteral("数値が大きすぎて計算できません。");
    case ErrorNumber::DivisionByZero:
        return QStringLiteral("計算の途中で 0 で割ることになりました。");
    case ErrorNumber::ObjectRequired:
        return QStringLiteral("画面または画面の部品が見つかりません。");
    case ErrorNumber::CannotCreateObject:
        return QStringLiteral("ブラウザーを起動できませんでした。");
    case ErrorNumber::UnsupportedMember:
        return QStringLiteral("ブラウザーや画面の部品が、求められた操作に対応していません。");
    case ErrorNumber::AutomationFailed:
        return QStringLiteral("ブラウザーを操作できませんでした。");
    case ErrorNumber::WrongArgumentCount:
        return QStringLiteral("ブラウザーに渡す値の数が正しくありません。");
    case ErrorNumber::Internal:
        return QStringLiteral("プログラムの中で思いがけない問題が起きました。");
    }
    return QStringLiteral("原因のわからない問題が起きました。");
}

RuntimeError::RuntimeError(ErrorNumber number, QString description)
    : number_(number), description_(description.isEmpty() ? standardDescription(number) : std::move(description)),
      utf8_(description_.toStdString())
{
}

} // namespace platform
