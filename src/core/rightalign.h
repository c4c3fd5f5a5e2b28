#pragma once
// Numbers are right-aligned on screen by putting spaces in front of them; the
// padded text is what gets stored, so every reader trims before converting.

#include <QFontMetrics>
#include <QString>

// The text trimmed, then preceded by single spaces until its width in the
// font exceeds width - 10 pixels. An empty text stays empty.
QString rightAlign(const QString &text, int width, const QFontMetrics &metrics);
