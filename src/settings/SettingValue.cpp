#include "settings/SettingValue.h"

namespace lumari::stored {

QString StoredKey::Text(Settings& settings, const QString& defaultText) const
{
    return settings.Get(kApp, section_, key_, defaultText);
}

void StoredKey::Save(Settings& settings, const QString& text) const { settings.Save(kApp, section_, key_, text); }

}  // namespace lumari::stored
