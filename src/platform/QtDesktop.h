#pragma once

#include "platform/Services.h"

// The desktop's parts of the services, for the programs with windows.

namespace lumari {

// Message and input boxes as Qt dialogs, plain text only.
class QtBoxes : public Boxes {
public:
    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) noexcept override;
    QString InputBox(const QString& prompt, const QString& title) noexcept override;
};

// The desktop's file browser, through xdg-open.
class QtFolderOpener : public FolderOpener {
public:
    void Open(const QString& path) noexcept override;
};

}  // namespace lumari
