#ifndef FIRMWAREIMAGE_H
#define FIRMWAREIMAGE_H

#include "simulator/Component.h"

#include <QByteArray>
#include <QString>

// A firmware image file of the simulated instrument: a 28-byte little-endian
// header (magic "RZSIMG01", model, component, version, payload length,
// CRC-32 of the payload) followed by a payload derived from the header fields.
class FirmwareImage
{
public:
    static constexpr int headerSize = 28;
    static constexpr int payloadSize = 4096;

    FirmwareImage() = default;
    FirmwareImage(int model, Component component, int version);

    int model() const { return m_model; }
    Component component() const { return m_component; }
    int version() const { return m_version; }

    QByteArray encode() const;

    // False, with the reason, unless the bytes are a whole, uncorrupted image.
    static bool decode(const QByteArray& bytes, FirmwareImage* image, QString* reason);
    enum class ReadResult { Read, Unreadable, Rejected };
    static ReadResult readFile(const QString& path, FirmwareImage* image, QString* reason);
    bool writeFile(const QString& path, QString* reason) const;

    // Empty when this image may be written as that model's component,
    // else why not.
    QString mismatch(int model, Component component) const;

private:
    QByteArray payload() const;

    int m_model = 0;
    Component m_component = Component::Boot;
    int m_version = 0;
};

#endif
