#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace tav::platform {

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Values may hold anything the program stores: line breaks, "=", ";", quotes and leading or
// trailing blanks. Backslash escapes carry the control characters; quotes protect blanks at
// either end and a value that itself starts with a quote.
QString encodeValue(const QString& value)
{
    QString out;
    out.reserve(value.size() + 2);
    for (QChar c : value) {
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default: out += c;
        }
    }
    const bool needsQuotes = !out.isEmpty()
        && (out.front().isSpace() || out.back().isSpace() || out.front() == QLatin1Char('"'));
    return needsQuotes ? QLatin1Char('"') + out + QLatin1Char('"') : out;
}

QString decodeValue(QString text)
{
    text = text.trimmed();
    if (text.size() >= 2 && text.front() == QLatin1Char('"') && text.back() == QLatin1Char('"'))
        text = text.mid(1, text.size() - 2);
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text.at(++i);
        switch (next.unicode()) {
        case 'r': out += QLatin1Char('\r'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        default: out += next;
        }
    }
    return out;
}

} // namespace

SettingsStore::SettingsStore(QString filePath)
    : filePath_(std::move(filePath))
{
    load();
}

QString SettingsStore::defaultFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QLatin1String("/.config");
    return base + QLatin1String("/TAV/TAV.ini");
}

QString SettingsStore::value(const QString& section, const QString& key) const
{
    const Entry* entry = find(section, key);
    return entry ? entry->value : QString();
}

bool SettingsStore::contains(const QString& section, const QString& key) const
{
    return find(section, key) != nullptr;
}

bool SettingsStore::setValue(const QString& section, const QString& key, const QString& value)
{
    auto sectionIt = std::find_if(sections_.begin(), sections_.end(),
        [&](const Section& s) { return sameName(s.name, section); });
    if (sectionIt == sections_.end()) {
        sections_.push_back(Section{section, {}});
        sectionIt = sections_.end() - 1;
    }
    auto& entries = sectionIt->entries;
    auto entryIt = std::find_if(entries.begin(), entries.end(),
        [&](const Entry& e) { return sameName(e.key, key); });
    if (entryIt == entries.end())
        entries.push_back(Entry{key, value});
    else
        entryIt->value = value;
    return save();
}

const SettingsStore::Entry* SettingsStore::find(const QString& section, const QString& key) const
{
    for (const Section& s : sections_) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry& e : s.entries) {
            if (sameName(e.key, key))
                return &e;
        }
    }
    return nullptr;
}

void SettingsStore::load()
{
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    Section* current = nullptr;
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            auto it = std::find_if(sections_.begin(), sections_.end(),
                [&](const Section& s) { return sameName(s.name, name); });
            if (it == sections_.end()) {
                sections_.push_back(Section{name, {}});
                it = sections_.end() - 1;
            }
            current = &*it;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!current || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = decodeValue(line.mid(equals + 1));
        auto it = std::find_if(current->entries.begin(), current->entries.end(),
            [&](const Entry& e) { return sameName(e.key, key); });
        if (it == current->entries.end())
            current->entries.push_back(Entry{key, value});
        else
            it->value = value;
    }
}

bool SettingsStore::save() const
{
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QString text;
    for (const Section& s : sections_) {
        text += QLatin1Char('[') + s.name + QLatin1String("]\n");
        for (const Entry& e : s.entries)
            text += e.key + QLatin1Char('=') + encodeValue(e.value) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    file.write(text.toUtf8());
    return file.commit();
}

} // namespace tav::platform
