#pragma once

#include "platform/Services.h"

namespace lumari {

// Picture files through Qt's image reader.
class QtPictures : public Pictures {
public:
    QImage Load(const QString& path, const QSize& shownSize = QSize()) const override;
};

class QtClock : public Clock {
public:
    QString Today() const noexcept override;
};

}  // namespace lumari
