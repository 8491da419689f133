#pragma once

#include <QWidget>

namespace lumari {

// A loudspeaker sending out sound, drawn over the whole of its parent (the
// image box) in place of the photo, for "Find the one I say". Clicks go
// through to the box beneath.
class SpeakerPicture : public QWidget {
public:
    explicit SpeakerPicture(QWidget* box);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Follows the box's size.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace lumari
