#include "simulator/FirmwareImage.h"

#include "catalogue/Catalogue.h"
#include "simulator/Crc32.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

namespace {

const char magic[] = "RZSIMG01";
constexpr int magicSize = 8;
// Real images are a few hundred KiB at most; anything far larger is not one.
constexpr qint64 largestAcceptedFile = 16 * 1024 * 1024;

struct Header
{
    quint32 model = 0;
    quint32 component = 0;
    quint32 version = 0;
    quint32 payloadLength = 0;
    quint32 crc = 0;
};

Header readHeader(const QByteArray& bytes)
{
    QDataStream stream(bytes.mid(magicSize, FirmwareImage::headerSize - magicSize));
    stream.setByteOrder(QDataStream::LittleEndian);
    Header header;
    stream >> header.model >> header.component >> header.version >> header.payloadLength >> header.crc;
    return header;
}

QString headerProblem(const Header& header)
{
    const int model = static_cast<int>(header.model);
    if (!isKnownModel(model))
        return QStringLiteral("unknown model %1").arg(header.model);
    if (header.component >= componentCount
        || !modelHasComponent(model, static_cast<Component>(header.component)))
        return QStringLiteral("unknown component %1 for %2").arg(header.component).arg(deviceTypeName(model));
    if (header.version > 0x7FFFFFFFu)
        return QStringLiteral("invalid version");
    return QString();
}

} // namespace

FirmwareImage::FirmwareImage(int model, Component component, int version)
    : m_model(model), m_component(component), m_version(version)
{
}

QByteArray FirmwareImage::encode() const
{
    const QByteArray body = payload();
    QByteArray bytes(magic, magicSize);
    QDataStream stream(&bytes, QIODevice::Append);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint32(m_model) << quint32(m_component) << quint32(m_version)
           << quint32(body.size()) << Crc32::checksum(body);
    return bytes + body;
}

bool FirmwareImage::decode(const QByteArray& bytes, FirmwareImage* image, QString* reason)
{
    if (bytes.size() < headerSize || !bytes.startsWith(QByteArray(magic, magicSize))) {
        *reason = QStringLiteral("not a firmware image of the simulated instrument");
        return false;
    }
    const Header header = readHeader(bytes);
    *reason = headerProblem(header);
    if (!reason->isEmpty())
        return false;
    const QByteArray body = bytes.mid(headerSize);
    if (quint32(body.size()) != header.payloadLength) {
        *reason = QStringLiteral("corrupted: payload of %1 bytes, header says %2")
                      .arg(body.size())
                      .arg(header.payloadLength);
        return false;
    }
    if (Crc32::checksum(body) != header.crc) {
        *reason = QStringLiteral("corrupted: CRC-32 mismatch");
        return false;
    }
    *image = FirmwareImage(int(header.model), Component(header.component), int(header.version));
    return true;
}

FirmwareImage::ReadResult FirmwareImage::readFile(const QString& path, FirmwareImage* image, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return ReadResult::Unreadable;
    }
    if (file.size() > largestAcceptedFile) {
        *reason = QStringLiteral("%1 is too large to be an image").arg(path);
        return ReadResult::Rejected;
    }
    return decode(file.readAll(), image, reason) ? ReadResult::Read : ReadResult::Rejected;
}

bool FirmwareImage::writeFile(const QString& path, QString* reason) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encode()) < 0 || !file.commit()) {
        *reason = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QString FirmwareImage::mismatch(int model, Component component) const
{
    if (m_model != model)
        return QStringLiteral("image made for %1, not %2").arg(deviceTypeName(m_model), deviceTypeName(model));
    if (m_component != component)
        return QStringLiteral("%1 image, not %2")
            .arg(componentName(m_model, m_component), componentName(model, component));
    return QString();
}

QByteArray FirmwareImage::payload() const
{
    // A xorshift sequence seeded by the header fields: deterministic, and
    // different for every model, component and version.
    quint32 state = 0x9E3779B9u ^ (quint32(m_model) << 24) ^ (quint32(m_component) << 16) ^ quint32(m_version);
    QByteArray body(payloadSize, Qt::Uninitialized);
    for (char& byte : body) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = char(state & 0xFFu);
    }
    return body;
}
