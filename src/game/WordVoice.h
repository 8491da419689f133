#pragma once

#include <QString>

namespace lumari {

// Says a pair's word aloud, for a learner who hears the words. The game only
// asks and never waits: the word starts as soon as it can, and a newer word
// cuts off an older one. Asking never fails; a word that cannot be said is
// silence.
class WordVoice {
public:
    virtual ~WordVoice() = default;
    virtual void Say(const QString& pair) noexcept = 0;
};

// The pair a picture's file belongs to: its name less ".jpg" (any letter case).
inline QString PairOfFile(const QString& file)
{
    return file.endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive) ? file.chopped(4) : file;
}

}  // namespace lumari
