// SPDX-License-Identifier: GPL-3.0-or-later
// CP932 (Shift-JIS with the NEC/IBM extensions) conversion and byte widths. Stored text
// widths are counted in CP932 bytes: a full-width character takes two.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace k9::cp932 {

// Encodes to CP932. Throws EncodingError naming the first character it cannot carry.
QByteArray encode(const QString& text);
// Decodes CP932 bytes; invalid bytes become U+FFFD.
QString decode(const QByteArray& bytes);
// True when every character has a CP932 form; otherwise the first offending character
// goes to *bad.
bool canEncode(const QString& text, QString* bad = nullptr);
// Number of CP932 bytes the text takes (characters without a form count two).
int byteWidth(const QString& text);
// The longest prefix of text that fits in maxBytes, never splitting a character.
QString truncate(const QString& text, int maxBytes);
// The message shown when text cannot be stored.
QString unencodableMessage(const QString& badCharacter);

} // namespace k9::cp932
