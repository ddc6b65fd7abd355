#pragma once

#include <QByteArrayView>
#include <QString>

namespace tav::records {

// The encodings a database file may be in: files this program writes are UTF-8; files written on
// Windows are in its Western code page.
enum class TextEncoding { Utf8, Windows1252 };

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);

// Decodes Windows-1252 text. The five bytes that code page leaves undefined become the control
// characters of the same number, as Windows itself decodes them.
QString decodeWindows1252(QByteArrayView bytes);

QString decodeText(QByteArrayView bytes, TextEncoding encoding);

} // namespace tav::records
