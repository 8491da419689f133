#include "teacher/sets/SetsDialogs.h"

#include "teacher/picker/PictogramPicker.h"
#include "teacher/sets/PictogramSymbols.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QStandardPaths>

namespace lumari {

QStringList QtSetsDialogs::ChoosePictures(QWidget* parent, bool many)
{
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats()) patterns << QStringLiteral("*.") + suffix;
    const QString filter = QCoreApplication::translate("SetsDialogs", "Pictures (%1)").arg(patterns.join(u' '));
    const QString title = QCoreApplication::translate("SetsDialogs", "Lumari ! – Add pictures");
    const QString start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (many) return QFileDialog::getOpenFileNames(parent, title, start, filter);
    const QString one = QFileDialog::getOpenFileName(parent, title, start, filter);
    return one.isEmpty() ? QStringList() : QStringList{one};
}

std::optional<Pictogram> QtSetsDialogs::ChoosePictogram(QWidget* parent, const QString& word)
{
    return PictogramPicker::Choose(symbols_.Index(), word, parent);
}

}  // namespace lumari
