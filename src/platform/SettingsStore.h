#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace tav::platform {

// The per-user settings of application TAV: text values addressed by section and key, kept in
// one INI file. Section and key names match without regard to case. Every change rewrites the
// whole file through a temporary file and a rename, so a crash never leaves half a file.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath);

    // $XDG_CONFIG_HOME/TAV/TAV.ini, or ~/.config/TAV/TAV.ini when the variable is unset.
    static QString defaultFilePath();

    const QString& filePath() const { return filePath_; }

    // The empty text when the key was never written.
    QString value(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    // Returns false when the file could not be written; the value is kept in memory either way.
    bool setValue(const QString& section, const QString& key, const QString& value);

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    void load();
    bool save() const;
    const Entry* find(const QString& section, const QString& key) const;

    QString filePath_;
    std::vector<Section> sections_;
};

} // namespace tav::platform
