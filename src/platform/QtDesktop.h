#pragma once

#include "platform/Services.h"

namespace lumari {

// Message and input boxes as Qt dialogs, plain text only.
class QtBoxes : public Boxes {
public:
    int MsgBox(const QString& prompt, int style = mb::OkOnly, const QString& title = QString()) noexcept override;
    QString InputBox(const QString& prompt, const QString& title) noexcept override;
};

// Picture files through Qt's image reader.
class QtPictures : public Pictures {
public:
    QImage Load(const QString& path, const QSize& shownSize = QSize()) const override;
};

class QtClock : public Clock {
public:
    QString Today() const noexcept override;
};

// The desktop's file browser, through xdg-open.
class QtFolderOpener : public FolderOpener {
public:
    void Open(const QString& path) noexcept override;
};

}  // namespace lumari
