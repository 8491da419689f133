#include "platform/TextOutput.h"

#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lumari {

QByteArray ToAnsi(const QString& text)
{
    // The characters that Windows-1252 places at 0x80 to 0x9F; 0 where it has none.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
        0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        char byte = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            byte = char(c);
        } else {
            for (int k = 0; k < 32; ++k)
                if (kHigh[k] != 0 && kHigh[k] == c) byte = char(0x80 + k);
            // A character outside the code page is one "?", even when it takes two UTF-16 units.
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        }
        out.append(byte);
    }
    return out;
}

TextOutput::~TextOutput() { Close(); }

void TextOutput::Open(const QString& path)
{
    Close();
    const QByteArray native = QFile::encodeName(ResolvePath(path));
    // Without blocking: a pipe of that name with no reader fails instead of
    // hanging the program.
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0) {
        const int e = errno;
        // A folder of that name cannot be written as a file.
        throw e == EISDIR ? RuntimeError(err::PathFileAccessError) : ErrorFromErrno(e);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    fd_ = fd;
}

void TextOutput::Print(const QString& text)
{
    if (fd_ < 0) throw RuntimeError(err::BadFileNameOrNumber);
    const QByteArray bytes = ToAnsi(text) + "\r\n";
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0) {
            if (errno == EINTR) continue;
            throw RuntimeError(err::DeviceIoError);
        }
        written += n;
    }
}

void TextOutput::Close() noexcept
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace lumari
