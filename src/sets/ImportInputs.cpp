#include "sets/ImportInputs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <utility>

namespace lumari {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ImportInputs", text); }

}  // namespace

std::vector<ImportItem> ExpandInputs(const QStringList& inputs)
{
    std::vector<ImportItem> items;
    QSet<QString> walked;  // canonical paths: a folder reached again through a link is a loop
    for (const QString& input : inputs) {
        const QFileInfo top(input);
        if (!top.isDir()) {
            items.push_back({input, top.fileName().isEmpty() ? input : top.fileName(), {}});
            continue;
        }
        // Depth first without recursion: a deep tree cannot exhaust the stack.
        std::vector<std::pair<QString, QString>> pending{{top.absoluteFilePath(), QString()}};
        while (!pending.empty()) {
            const auto [folder, shown] = std::move(pending.back());
            pending.pop_back();
            const QString canonical = QFileInfo(folder).canonicalFilePath();
            if (walked.contains(canonical)) {
                items.push_back({folder, shown.isEmpty() ? input : shown, Tr("a link back to a folder already added")});
                continue;
            }
            walked.insert(canonical);
            const QDir dir(folder);
            if (!dir.isReadable()) {
                items.push_back({folder, shown.isEmpty() ? input : shown, Tr("folder cannot be read")});
                continue;
            }
            const QFileInfoList entries =
                dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
            const QString prefix = shown.isEmpty() ? QString() : shown + u'/';
            std::vector<std::pair<QString, QString>> subfolders;
            for (const QFileInfo& entry : entries) {
                if (entry.isDir())
                    subfolders.emplace_back(entry.filePath(), prefix + entry.fileName());
                else
                    items.push_back({entry.filePath(), prefix + entry.fileName(), {}});
            }
            // Walked in name order: the last pushed is taken first.
            for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) pending.push_back(std::move(*it));
        }
    }
    return items;
}

}  // namespace lumari
