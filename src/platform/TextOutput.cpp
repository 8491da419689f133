#include "platform/TextOutput.h"

#include "platform/PathResolver.h"
#include "platform/RuntimeError.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace lumari {

TextOutput::~TextOutput() { Close(); }

void TextOutput::Open(const QString& path)
{
    Close();
    const QByteArray native = QFile::encodeName(ResolvePath(path));
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int e = errno;
        throw ErrorFromErrno(e == EISDIR ? EACCES : e);
    }
    fd_ = fd;
}

void TextOutput::Print(const QString& text)
{
    if (fd_ < 0) throw RuntimeError(err::BadFileNameOrNumber);
    const QByteArray bytes = text.toLocal8Bit() + "\r\n";
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

void TextOutput::Close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

}  // namespace lumari
