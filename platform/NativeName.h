#pragma once

#include <QByteArray>
#include <QString>

namespace tolvane::nativename {

// File names on this system are bytes. Qt decodes them as UTF-8 and turns a byte that does not
// decode into U+FFFD, which cannot be given back, so a file called "caf\xE9.wav" (Latin-1, from
// an old share) could be listed but never opened again. These functions keep such a byte as the
// lone low surrogate U+DC00 + byte inside the text, which no valid name decodes to, and give the
// same bytes back when the name goes to the system. Every text that is valid UTF-8 decodes as Qt
// would decode it, so ordinary names are untouched.

// The text of a name as the system gave it.
QString decode(const QByteArray &bytes);
// The bytes the system knows the name by.
QByteArray encode(const QString &name);
// True when the name holds a byte that did not decode.
bool hasRawBytes(const QString &name);
// The name as a person should see it: each byte that did not decode shows as U+FFFD.
QString display(const QString &name);

} // namespace tolvane::nativename
