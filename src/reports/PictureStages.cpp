#include "reports/PictureStages.h"

#include "reports/ReportText.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <tuple>

namespace lumari {

QString StageText(Stage stage)
{
    switch (stage) {
    case Stage::New: break;
    case Stage::Teaching: return ReportText::tr("teaching");
    case Stage::Mastered: return ReportText::tr("mastered");
    case Stage::CheckDue: return ReportText::tr("check due");
    case Stage::Kept: return ReportText::tr("kept");
    }
    return ReportText::tr("new");
}

QString NextCheckText(const PictureMastery& mastery)
{
    const bool checked = mastery.stage == Stage::Mastered || mastery.stage == Stage::CheckDue;
    return checked ? mastery.nextCheck.toString(Qt::ISODate) : QString();
}

QString NextChecksText(const Progress& progress, int most)
{
    std::vector<const ImageProgress*> checked;
    for (const ImageProgress& p : progress.images)
        if (!NextCheckText(p.mastery).isEmpty()) checked.push_back(&p);
    if (checked.empty()) return QString();
    std::sort(checked.begin(), checked.end(), [](const ImageProgress* a, const ImageProgress* b) {
        return std::tie(a->mastery.nextCheck, a->image, a->setName) < std::tie(b->mastery.nextCheck, b->image, b->setName);
    });
    QStringList named;
    for (std::size_t i = 0; i < checked.size() && int(i) < most; ++i) {
        const ImageProgress& p = *checked[i];
        const QString name = QFileInfo(p.image).completeBaseName(), day = NextCheckText(p.mastery);
        named << (p.mastery.stage == Stage::CheckDue ? ReportText::tr("%1 due since %2") : ReportText::tr("%1 on %2")).arg(name, day);
    }
    QString text = ReportText::tr("Next checks: %1").arg(named.join(QStringLiteral(", ")));
    if (const int more = int(checked.size()) - most; more > 0) text += ReportText::tr(", … and %1 more").arg(more);
    return text;
}

}  // namespace lumari
