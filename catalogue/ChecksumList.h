#ifndef CHECKSUMLIST_H
#define CHECKSUMLIST_H

#include <QByteArray>
#include <QMap>
#include <QString>

// The release's list of image digests, SHA256SUMS beside the images, in the
// format sha256sum writes and `sha256sum -c` checks: a lowercase hex SHA-256,
// two spaces, the file name relative to the list's folder.
class ChecksumList
{
public:
    static QString fileName() { return QStringLiteral("SHA256SUMS"); }

    // Reads FOLDER/SHA256SUMS. False when it cannot be read, or is no
    // regular file of sane size (see PlantedFile); lines that are not digest
    // lines are left out, so they never match an image.
    bool load(const QString& folder);
    // The same from the list's text, as read once for its signature.
    void parse(const QByteArray& text);
    // Written whole or not at all.
    bool save(const QString& folder) const;

    void set(const QString& name, const QByteArray& hexDigest);
    // Empty when the name is not listed, or listed with two digests.
    QByteArray digestOf(const QString& name) const;

    // Lowercase hex SHA-256 of a file's contents; empty when it cannot be read.
    static QByteArray sha256Of(const QString& path);

private:
    void add(QString name, const QByteArray& digest);

    QMap<QString, QByteArray> digests;
};

#endif
