#pragma once

#include "platform/Services.h"

#include <QString>

namespace lumari {

// Text as the 8-bit Windows-1252 code page holds it, whatever the machine's
// locale; a character outside it becomes "?".
QByteArray ToAnsi(const QString& text);

// One file open for output at a time, written as 8-bit text (ToAnsi).
class TextOutput : public LogOutput {
public:
    ~TextOutput() override;
    // Creates or empties the file.
    void Open(const QString& path) override;
    // Writes the text followed by CR LF; error 52 when no file is open.
    void Print(const QString& text) override;
    // Closing when nothing is open does nothing.
    void Close() noexcept override;

private:
    int fd_ = -1;
};

}  // namespace lumari
