#include "platform/WavePlayer.h"

#include "platform/RuntimeError.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <exception>

namespace lumari {

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

void WavePlayer::Play(const QString& resolvedPath)
{
    if (!effect_) {
        try {
            effect_ = std::make_unique<QSoundEffect>();
        } catch (const std::exception&) {
            throw RuntimeError(err::DllLoadError);
        }
    }
    // Whatever comes next, the sound still playing ends here.
    effect_->stop();
    const QFileInfo file(resolvedPath);
    if (!file.isFile()) return;
    const QUrl source = QUrl::fromLocalFile(file.absoluteFilePath());
    if (effect_->source() != source || effect_->status() == QSoundEffect::Error ||
        file.lastModified() != loadedModified_ || file.size() != loadedSize_) {
        effect_->setSource(QUrl());
        effect_->setSource(source);
        loadedModified_ = file.lastModified();
        loadedSize_ = file.size();
    }
    // From the start, at once when loaded or as soon as loading ends; a file
    // that does not decode never starts.
    effect_->play();
}

}  // namespace lumari
