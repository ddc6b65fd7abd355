#include "ByteSource.h"

#include <algorithm>
#include <cstring>

namespace tav::records {

qint64 MemoryByteSource::read(char* data, qint64 size)
{
    const qint64 count = std::min<qint64>(size, bytes_.size() - position_);
    if (count > 0)
        std::memcpy(data, bytes_.data() + position_, static_cast<size_t>(count));
    position_ += count;
    return count;
}

} // namespace tav::records
