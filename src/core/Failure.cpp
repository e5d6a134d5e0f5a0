#include "core/Failure.h"

namespace core {

Failure::Failure(const QString& message) : message_(message), utf8_(message.toStdString()) {}

ConversionError::ConversionError(const QString& text)
    : Failure(QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(text)) {}

IntegerConversionError::IntegerConversionError(const QString& text)
    : Failure(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text)) {}

ZeroDivide::ZeroDivide() : Failure(QStringLiteral("Division par zéro en virgule flottante")) {}
InvalidOperation::InvalidOperation() : Failure(QStringLiteral("Opération en virgule flottante incorrecte")) {}
Overflow::Overflow() : Failure(QStringLiteral("Débordement en virgule flottante")) {}

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.')) return message + QChar('.');
    return message;
}

} // namespace core
