#include "teacher/sets/SetsDialogs.h"

#include "teacher/picker/PictogramDialog.h"
#include "teacher/sets/SetLanguagesDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QPushButton>
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

std::optional<Pictogram> QtSetsDialogs::ChoosePictogram(QWidget* parent, const QString& word, const QStringList& languages)
{
    return PictogramDialog::Choose(indexes_, languages, word, parent);
}

std::optional<QStringList> QtSetsDialogs::ChooseLanguages(QWidget* parent, const QStringList& current)
{
    SetLanguagesDialog dialog(current, indexes_.Installed(), parent);
    return dialog.exec() == QDialog::Accepted ? std::optional<QStringList>(dialog.chosen()) : std::nullopt;
}

SetsDialogs::BeforePlay QtSetsDialogs::AskBeforePlaying(QWidget* parent, const QStringList& found, bool halves)
{
    const auto tr = [](const char* text) { return QCoreApplication::translate("SetsDialogs", text); };
    QMessageBox box(QMessageBox::Warning, tr("Lumari ! – Play it"), tr("This set is not ready to play:"), QMessageBox::NoButton, parent);
    box.setInformativeText(found.join(u'\n'));
    QPushButton* fix = box.addButton(halves ? tr("Choose a symbol…") : tr("Choose another symbol…"), QMessageBox::AcceptRole);
    QPushButton* remove = halves ? box.addButton(tr("Remove the half pairs"), QMessageBox::DestructiveRole) : nullptr;
    QPushButton* play = box.addButton(tr("Play anyway"), QMessageBox::YesRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(fix);
    box.exec();
    if (box.clickedButton() == fix) return BeforePlay::Fix;
    if (remove && box.clickedButton() == remove) return BeforePlay::RemoveHalves;
    if (box.clickedButton() == play) return BeforePlay::PlayAnyway;
    return BeforePlay::Cancel;
}

}  // namespace lumari
