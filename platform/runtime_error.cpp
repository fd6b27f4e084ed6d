#include "runtime_error.h"

namespace platform {

QString standardDescription(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidCall:
        return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case ErrorNumber::Overflow:
        return QStringLiteral("オーバーフローしました。");
    case ErrorNumber::DivisionByZero:
        return QStringLiteral("0 で除算しました。");
    case ErrorNumber::ObjectRequired:
        return QStringLiteral("オブジェクトが必要です。");
    case ErrorNumber::CannotCreateObject:
        return QStringLiteral("ActiveX コンポーネントはオブジェクトを作成できません。");
    case ErrorNumber::UnsupportedMember:
        return QStringLiteral("オブジェクトでサポートされていないプロパティまたはメソッドです。");
    case ErrorNumber::AutomationFailed:
        return QStringLiteral("オートメーション エラーです。");
    case ErrorNumber::WrongArgumentCount:
        return QStringLiteral("引数の数が一致していません。または不正なプロパティを指定しています。");
    case ErrorNumber::Internal:
        return QStringLiteral("内部エラーが発生しました。");
    }
    return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
}

RuntimeError::RuntimeError(ErrorNumber number, QString description)
    : number_(number), description_(description.isEmpty() ? standardDescription(number) : std::move(description)),
      utf8_(description_.toStdString())
{
}

} // namespace platform
