#pragma once
// Texts typed for the tool files: only what Windows-1252 holds, and nothing
// that would break a line of the file apart.

#include <QString>

namespace TextClean {

// Characters Windows-1252 cannot hold dropped; TABs and line breaks become
// spaces.
QString oneLine(const QString &text);
// Characters Windows-1252 cannot hold dropped; line breaks kept.
QString cp1252Only(const QString &text);

} // namespace TextClean
