#include "platform/WavePlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace lumari {

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

void WavePlayer::Play(const QString& resolvedPath)
{
    if (!effect_) effect_ = std::make_unique<QSoundEffect>();
    effect_->stop();
    const QFileInfo file(resolvedPath);
    if (!file.isFile()) return;
    const QUrl source = QUrl::fromLocalFile(file.absoluteFilePath());
    if (effect_->source() != source) effect_->setSource(source);
    // Plays from the start, at once when loaded or as soon as loading ends.
    effect_->play();
}

}  // namespace lumari
