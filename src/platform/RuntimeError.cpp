#include "platform/RuntimeError.h"

#include <cerrno>

namespace lumari {

QString ErrorDescription(int number)
{
    switch (number) {
    case err::InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case err::Overflow: return QStringLiteral("Overflow");
    case err::OutOfMemory: return QStringLiteral("Out of memory");
    case err::SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case err::DivisionByZero: return QStringLiteral("Division by zero");
    case err::TypeMismatch: return QStringLiteral("Type mismatch");
    case err::DllLoadError: return QStringLiteral("Error in loading DLL");
    case err::BadFileNameOrNumber: return QStringLiteral("Bad file name or number");
    case err::FileNotFound: return QStringLiteral("File not found");
    case err::DeviceIoError: return QStringLiteral("Device I/O error");
    case err::FileAlreadyExists: return QStringLiteral("File already exists");
    case err::PermissionDenied: return QStringLiteral("Permission denied");
    case err::PathFileAccessError: return QStringLiteral("Path/File access error");
    case err::PathNotFound: return QStringLiteral("Path not found");
    case err::InvalidPropertyValue: return QStringLiteral("Invalid property value");
    case err::InvalidPicture: return QStringLiteral("Invalid picture");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, ErrorDescription(number)) {}

RuntimeError::RuntimeError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_(QByteArray::number(number) + ' ' + description_.toUtf8())
{
}

RuntimeError ErrorFromErrno(int errnoValue, int fallback)
{
    switch (errnoValue) {
    case EEXIST: return RuntimeError(err::FileAlreadyExists);
    case ENOENT:
    case ENOTDIR: return RuntimeError(err::PathNotFound);
    case EACCES:
    case EPERM:
    case EROFS: return RuntimeError(err::PermissionDenied);
    case ENOMEM: return RuntimeError(err::OutOfMemory);
    case EIO:
    case ENOSPC: return RuntimeError(err::DeviceIoError);
    default: return RuntimeError(fallback);
    }
}

}  // namespace lumari
