#include "catalogue/ChecksumList.h"

#include "catalogue/PlantedFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

constexpr int hexDigestLength = 64;

// A release's list names a dozen images; a larger file is no such list.
constexpr qint64 longestList = 1024 * 1024;

bool isHexDigest(const QByteArray& text)
{
    if (text.size() != hexDigestLength)
        return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

} // namespace

bool ChecksumList::load(const QString& folder)
{
    QByteArray text;
    OperatorText ignored;
    if (PlantedFile::read(QDir(folder).filePath(fileName()), longestList, &text, &ignored) != PlantedFile::Found::File)
        return false;
    parse(text);
    return true;
}

void ChecksumList::parse(const QByteArray& text)
{
    digests.clear();
    for (const QByteArray& entry : text.split('\n')) {
        const QByteArray line = entry.trimmed();
        // "DIGEST  NAME" as written; sha256sum -b writes "DIGEST *NAME".
        const QByteArray digest = line.left(hexDigestLength).toLower();
        const QByteArray separator = line.mid(hexDigestLength, 2);
        if (!isHexDigest(digest) || (separator != "  " && separator != " *"))
            continue;
        add(QString::fromUtf8(line.mid(hexDigestLength + 2)), digest);
    }
}

// `sha256sum -c` checks every line, so a file listed twice with two digests
// fails one of them: such a file matches nothing. "./NAME" is NAME.
void ChecksumList::add(QString name, const QByteArray& digest)
{
    if (name.startsWith(QLatin1String("./")))
        name.remove(0, 2);
    const auto listed = digests.constFind(name);
    digests.insert(name, listed == digests.cend() || listed.value() == digest ? digest : QByteArray());
}

bool ChecksumList::save(const QString& folder) const
{
    QSaveFile file(QDir(folder).filePath(fileName()));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (auto entry = digests.cbegin(); entry != digests.cend(); ++entry)
        file.write(entry.value() + "  " + entry.key().toUtf8() + '\n');
    return file.commit();
}

void ChecksumList::set(const QString& name, const QByteArray& hexDigest)
{
    digests.insert(name, hexDigest);
}

QByteArray ChecksumList::digestOf(const QString& name) const
{
    return digests.value(name);
}

QByteArray ChecksumList::sha256Of(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    return hash.result().toHex();
}
