#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

namespace tav::records {

// Where the reader gets a database file's bytes from: the file itself, or bytes in memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Reads up to size bytes into data: the number read, 0 at the end, -1 on an error.
    virtual qint64 read(char* data, qint64 size) = 0;
    // Why the last read failed.
    virtual QString errorText() const = 0;
    // How many bytes there are, when that is known; -1 otherwise.
    virtual qint64 size() const = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(QByteArrayView bytes)
        : bytes_(bytes)
    {
    }

    qint64 read(char* data, qint64 size) override;
    QString errorText() const override { return {}; }
    qint64 size() const override { return bytes_.size(); }

private:
    QByteArrayView bytes_;
    qsizetype position_ = 0;
};

} // namespace tav::records
