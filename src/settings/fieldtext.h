#pragma once
// What a settings field may hold: each value ends up as one line of a
// Windows-1252 file, and the bureau lines use a TAB as separator.

#include <QChar>
#include <QString>

namespace FieldText {

// Characters the code page holds, without control characters (TAB, line
// breaks and the like, which would split or shift the line in its file).
bool storable(QChar c);
// The text without the characters that are not storable.
QString storable(const QString &text);

} // namespace FieldText
