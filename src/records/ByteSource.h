#pragma once

#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

namespace tav::records {

// Where the reader gets a database file's bytes from: the file itself, or bytes in memory.
// The reader may start again from the beginning once it knows the file's encoding.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Reads up to size bytes into data: the number read, 0 at the end, -1 on an error.
    virtual qint64 read(char* data, qint64 size) = 0;
    // Goes back to the first byte; false on an error.
    virtual bool rewind() = 0;
    // Why the last read or rewind failed.
    virtual QString errorText() const = 0;
};

class MemoryByteSource final : public ByteSource {
public:
    explicit MemoryByteSource(QByteArrayView bytes)
        : bytes_(bytes)
    {
    }

    qint64 read(char* data, qint64 size) override;
    bool rewind() override;
    QString errorText() const override { return {}; }

private:
    QByteArrayView bytes_;
    qsizetype position_ = 0;
};

} // namespace tav::records
