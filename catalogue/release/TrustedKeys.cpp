#include "catalogue/release/TrustedKeys.h"

#include "catalogue/Catalogue.h"
#include "catalogue/OperatorText.h"
#include "catalogue/PlantedFile.h"

#include <QDir>
#include <QMutex>
#include <QRegularExpression>

#include <optional>
#include <utility>

namespace {

// Far above any key or revocation list; larger files are not read into memory.
constexpr qint64 longestFile = 1024 * 1024;

// As the other reasons a key file is not used are given.
const char* const notAKeyFile = QT_TRANSLATE_NOOP("OperatorText", "%1: it is %2");

QMutex chosenLocationsLock;
std::optional<TrustedKeys::Locations> chosenLocations;

} // namespace

TrustedKeys::Locations TrustedKeys::installedLocations()
{
    const QString package = installedDataFolder();
    const QString site = QStringLiteral("/etc/rz-firmware-updater");
    return {{package + QStringLiteral("/keys"), site + QStringLiteral("/keys.d")},
            {package + QStringLiteral("/revoked-keys"), site + QStringLiteral("/revoked-keys")}};
}

TrustedKeys::Locations TrustedKeys::locations()
{
    {
        const QMutexLocker locker(&chosenLocationsLock);
        if (chosenLocations)
            return *chosenLocations;
    }
    return installedLocations();
}

TrustedKeys::Replacement::Replacement(const Locations& locations)
{
    const QMutexLocker locker(&chosenLocationsLock);
    previous = std::exchange(chosenLocations, locations);
}

TrustedKeys::Replacement::~Replacement()
{
    const QMutexLocker locker(&chosenLocationsLock);
    chosenLocations = previous;
}

TrustedKeys TrustedKeys::load(const Locations& locations)
{
    TrustedKeys trusted;
    for (const QString& folder : locations.keyFolders)
        trusted.loadKeys(folder);
    for (const QString& path : locations.revokedFiles)
        trusted.loadRevocations(path);
    return trusted;
}

// A file that is not a public key trusts nothing; it is named, with why, so
// that a key the administrator meant to trust is not missed in silence.
// Whatever else is named like a key (a pipe, a link) is named too, never
// opened as one.
void TrustedKeys::loadKeys(const QString& folder)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.pub")}, QDir::Files | QDir::System, QDir::Name)) {
        const QString path = dir.filePath(name);
        QByteArray text;
        OperatorText problem;
        if (PlantedFile::read(path, longestFile, &text, &problem, notAKeyFile) != PlantedFile::Found::File)
            unusable << problem;
        else if (const std::optional<MinisignPublicKey> key = MinisignPublicKey::parse(text))
            keys.append(*key);
        else
            unusable << OperatorText::tr("%1: it is not a minisign public key").arg(path);
    }
}

void TrustedKeys::loadRevocations(const QString& path)
{
    QByteArray text;
    OperatorText ignored;
    const PlantedFile::Found found = PlantedFile::read(path, longestFile, &text, &ignored);
    if (found == PlantedFile::Found::None)
        return;
    if (found == PlantedFile::Found::Unusable) {
        unreadable = OperatorText::verbatim(path);
        return;
    }
    // Any number of leading zeros, then at most the 16 digits of 64 bits.
    static const QRegularExpression keyId(QStringLiteral("^0*[0-9A-Fa-f]{1,16}$"));
    const QList<QByteArray> lines = text.split('\n');
    for (int index = 0; index < lines.size(); ++index) {
        QByteArray line = lines.at(index);
        if (line.contains('#'))
            line.truncate(line.indexOf('#'));
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        if (!keyId.match(QString::fromLatin1(line)).hasMatch()) {
            unreadable = OperatorText::tr("%1, line %2").arg(path).arg(index + 1);
            return;
        }
        revoked.append(line.toULongLong(nullptr, 16));
    }
}

QVector<MinisignPublicKey> TrustedKeys::withId(quint64 keyId) const
{
    QVector<MinisignPublicKey> found;
    if (!unreadable.isEmpty() || revoked.contains(keyId))
        return found;
    for (const MinisignPublicKey& key : keys) {
        if (key.keyId() == keyId)
            found.append(key);
    }
    return found;
}
