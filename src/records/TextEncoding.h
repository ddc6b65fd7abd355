#pragma once

#include <QByteArrayView>

#include <string>

namespace tav::records {

// Files this program writes are UTF-8; files written on Windows are in its Western code page,
// Windows-1252, and a file edited by both may hold lines of each, or even a line of both.

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);

// Whether the bytes hold at least one well-formed UTF-8 sequence of more than one byte: a line
// that is not valid UTF-8 but holds one mixes the two encodings.
bool holdsUtf8Sequence(QByteArrayView bytes);

// Appends Windows-1252 text to out in UTF-8. The five bytes that code page leaves undefined become
// the control characters of the same number, as Windows itself decodes them, so that a save writes
// them back. ASCII bytes stay as they are, so tags and separators are found in the result as in
// the bytes.
void appendWindows1252AsUtf8(std::string& out, QByteArrayView bytes);

// Appends a line that mixes the encodings: each well-formed UTF-8 sequence as it stands, every
// other byte as Windows-1252.
void appendMixedAsUtf8(std::string& out, QByteArrayView bytes);

} // namespace tav::records
