#pragma once

#include <QString>
#include <exception>

namespace lumari {

// The classic run-time error numbers the program's routines trap and report.
namespace err {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int DllLoadError = 48;
constexpr int BadFileNameOrNumber = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceIoError = 57;
constexpr int FileAlreadyExists = 58;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccessError = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidPropertyValue = 380;
constexpr int InvalidPicture = 481;
}  // namespace err

// The text the classic runtime gives for an error number.
QString ErrorDescription(int number);

// A run-time error raised by the runtime or by a routine's own step.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, QString description);

    int number() const { return number_; }
    const QString& description() const { return description_; }
    const char* what() const noexcept override { return what_.constData(); }

private:
    int number_;
    QString description_;
    QByteArray what_;
};

// The error for a failed file-system call, from its errno value.
RuntimeError ErrorFromErrno(int errnoValue, int fallback = err::PathFileAccessError);

}  // namespace lumari
