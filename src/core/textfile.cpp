#include "core/textfile.h"

#include "core/cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TextFile {

bool exists(const QString &path)
{
    if (path.isEmpty())
        return false;
    QFileInfo info(path);
    return info.exists() && info.isFile();
}

QString readErrorText(const QString &path)
{
    return QStringLiteral("Impossible de lire le fichier %1.").arg(QFileInfo(path).fileName());
}

QString writeErrorText(const QString &path)
{
    return QStringLiteral("Impossible d'écrire le fichier %1.").arg(QFileInfo(path).fileName());
}

bool readBytes(const QString &path, QByteArray *bytes, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = readErrorText(path);
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = readErrorText(path);
        return false;
    }
    return true;
}

bool readLines(const QString &path, QStringList *lines, QString *error)
{
    QByteArray bytes;
    if (!readBytes(path, &bytes, error))
        return false;
    lines->clear();
    forEachLine(bytes.constData(), bytes.size(), [&](qsizetype off, qsizetype len) {
        lines->append(Cp1252::decode(QByteArrayView(bytes.constData() + off, len)));
    });
    return true;
}

bool writeBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = writeErrorText(path);
        return false;
    }
    return true;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += Cp1252::encode(line);
        bytes += "\r\n";
    }
    return writeBytes(path, bytes, error);
}

} // namespace TextFile
