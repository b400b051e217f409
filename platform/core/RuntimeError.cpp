#include "platform/core/RuntimeError.h"

namespace platform {

RuntimeError::RuntimeError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_(ErrorText(number_, description_).toStdString()) {}

RuntimeError::RuntimeError(int number) : RuntimeError(number, StandardDescription(number)) {}

QString StandardDescription(int number) {
    switch (number) {
    case ErrOverflow: return QStringLiteral("Overflow");
    case ErrSubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case ErrTypeMismatch: return QStringLiteral("Type mismatch");
    case ErrFileNotFound: return QStringLiteral("File not found");
    case ErrInputPastEndOfFile: return QStringLiteral("Input past end of file");
    case ErrPathFileAccess: return QStringLiteral("Path/File access error");
    case ErrPrinter: return QStringLiteral("Printer error");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

QString ErrorText(int number, const QString& description) {
    return QStringLiteral("Error ") + QString::number(number) + QStringLiteral(": ") + description;
}

QString ErrorText(const RuntimeError& e) { return ErrorText(e.number(), e.description()); }

} // namespace platform
