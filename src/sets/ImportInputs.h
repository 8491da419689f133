#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace lumari {

// One file to import, or one entry refused before any file is read.
struct ImportItem {
    QString path;     // where it lies
    QString shown;    // how the adult knows it: its name, or its path inside a folder given
    QString refused;  // why it is skipped at once; "" for a file to import
};

// The files of the given files and folders, in order: a folder's files by
// name, then its folders, each walked whole. Hidden entries are left out; a
// link back to a folder already walked (a loop) or a folder that cannot be
// read is refused, and the walk goes on. No file is opened.
std::vector<ImportItem> ExpandInputs(const QStringList& inputs);

}  // namespace lumari
