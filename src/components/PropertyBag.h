#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

namespace tav::components {

// The stored design of a control: its design-time property values by property name, in the
// order they were written. A control reads its design with a default for every missing name.
class PropertyBag {
public:
    // Stores the value under the name, replacing an earlier value in its place.
    void write(const QString& name, const QVariant& value);
    QVariant read(const QString& name, const QVariant& defaultValue) const;

    // The names stored, in the order they were first written.
    QStringList names() const;

private:
    QList<QPair<QString, QVariant>> entries_;
};

} // namespace tav::components
