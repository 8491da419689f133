#include "platform/Geometry.h"

#include <QStringList>
#include <QWidget>

namespace lumari {

void PlaceTwips(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(TwipsRect(left, top, width, height));
}

void InstallDialogFontSubstitutes()
{
    QFont::insertSubstitutions(QString::fromLatin1(kDialogFontFamily),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
}

QFont DialogFont(double pointSize, bool bold)
{
    QFont font(QString::fromLatin1(kDialogFontFamily));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace lumari
