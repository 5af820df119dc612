#ifndef THROWAWAYKEY_H
#define THROWAWAYKEY_H

#include <QString>
#include <QTemporaryDir>

// A minisign key pair made by the minisign tool for one test, as a maker's
// release engineer would make one, and signatures made with it.
class ThrowAwayKey
{
public:
    ThrowAwayKey();

    // A folder holding only the public key file, to trust it.
    QString keyFolder() const;
    QString publicKeyFile() const;
    // As minisign prints it on the key's comment line: hex, no leading zeros.
    QString printedId() const { return printedIdOf(publicKeyFile()); }
    static QString printedIdOf(const QString& publicKeyFile);

    // Writes FILE.minisig, in the prehashed form or the legacy one.
    void sign(const QString& file, const QString& trustedComment, bool legacy = false) const;

private:
    static void minisign(const QStringList& arguments);

    QTemporaryDir folder;
};

#endif
