#include "PropertyBag.h"

namespace tav::components {

void PropertyBag::write(const QString& name, const QVariant& value)
{
    for (auto& entry : entries_) {
        if (entry.first == name) {
            entry.second = value;
            return;
        }
    }
    entries_.append({name, value});
}

QVariant PropertyBag::read(const QString& name, const QVariant& defaultValue) const
{
    for (const auto& entry : entries_) {
        if (entry.first == name)
            return entry.second;
    }
    return defaultValue;
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto& entry : entries_)
        result.append(entry.first);
    return result;
}

} // namespace tav::components
