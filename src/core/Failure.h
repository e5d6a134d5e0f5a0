#pragma once
// Failures are exceptions; their texts are the platform layer's French texts in both languages.
#include <QString>
#include <exception>
#include <string>

namespace core {

class Failure : public std::exception {
  public:
    explicit Failure(const QString& message);
    const char* what() const noexcept override { return utf8_.c_str(); }
    const QString& message() const { return message_; }

  private:
    QString message_;
    std::string utf8_;
};

struct ConversionError : Failure {
    explicit ConversionError(const QString& text);
};
struct IntegerConversionError : Failure {
    explicit IntegerConversionError(const QString& text);
};
struct ZeroDivide : Failure {
    ZeroDivide();
};
struct InvalidOperation : Failure {
    InvalidOperation();
};
struct Overflow : Failure {
    Overflow();
};
struct PictureError : Failure {
    using Failure::Failure;
};

// The text an error box shows: a "." is added when the last character comes after "." in
// character order.
QString ErrorBoxText(const QString& message);

} // namespace core
