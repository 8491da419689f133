#pragma once

#include "platform/DirListing.h"
#include "platform/Services.h"

namespace lumari {

// The program's folder and the files in it, on the local file system.
class QtFiles : public Files {
public:
    // programFolder: the folder the program treats as its own.
    explicit QtFiles(QString programFolder);

    QString AppPath() const noexcept override { return appPath_; }
    QString Dir(const QString& pattern, int attributes) override;
    QString DirNext() override;
    int GetAttr(const QString& path) override;
    void CreateFolder(const QString& path) override;

private:
    QString appPath_;
    DirListing listing_;
};

}  // namespace lumari
