#include "catalogue/Catalogue.h"
#include "catalogue/ChecksumList.h"
#include "catalogue/release/SignedRelease.h"
#include "tests/support/ThrowAwayKey.h"

#include <QtTest>

// FirmwareVersion has no QDebug operator; compare it field by field.
#define COMPARE_VERSION(actual, type, boot, run, fpga)   \
    do {                                                 \
        const FirmwareVersion v_ = (actual);             \
        QCOMPARE(v_.deviceType, type);                   \
        QCOMPARE(v_.bootVersion, boot);                  \
        QCOMPARE(v_.runVersion, run);                    \
        QCOMPARE(v_.fpgaVersion, fpga);                  \
    } while (false)

class CatalogueTest : public QObject
{
    Q_OBJECT

private slots:
    void eachModelOfThisRelease_data();
    void eachModelOfThisRelease();
    void targetOutsideTheCatalogueKeepsItsTypeWithZeroVersions();
    void networkFirmwareNumbers_data();
    void networkFirmwareNumbers();
    void networkFirmwareNineIsTheRz610tTarget();
    void imagePathsUseTheRecordsOwnVersions();
    void versionStringKeepsSignsAndPlainDecimals();
    void checksumListReadsAsSha256sumChecks_data();
    void checksumListReadsAsSha256sumChecks();
    void signedReleaseVerdicts_data();
    void signedReleaseVerdicts();
};

// What the model table gives each model: its name, this release's versions
// and the images they name; a type outside it gets none of them.
void CatalogueTest::eachModelOfThisRelease_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("boot");
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("fpga");
    QTest::newRow("RZ610R") << 0 << "RZ610R" << "4.5.10" << "./firmware/RZ610R-Cypress-Boot-v4.img"
                            << "./firmware/RZ610R-Cypress-Run-v5.img" << "./firmware/RZ610R-FPGA-v10.rbf";
    QTest::newRow("RZ610S") << 1 << "RZ610S" << "4.8.14" << "./firmware/RZ610S-Cypress-Boot-v4.img"
                            << "./firmware/RZ610S-Cypress-Run-v8.img" << "./firmware/RZ610S-FPGA-v14.rbf";
    QTest::newRow("RZ610T has no run image") << 2 << "RZ610T" << "9.9.7" << "./firmware/RZ610T-Cypress-v9.img" << ""
                                             << "./firmware/RZ610T-FPGA-v7.rbf";
    QTest::newRow("RZ870S") << 3 << "RZ870S" << "2.4.4" << "./firmware/RZ870S-Cypress-Boot-v2.img"
                            << "./firmware/RZ870S-Cypress-Run-v4.img" << "./firmware/RZ870S-FPGA-v4.rbf";
    QTest::newRow("4") << 4 << "Invalid device type" << "0.0.0" << "" << "" << "";
    QTest::newRow("-1") << -1 << "Invalid device type" << "0.0.0" << "" << "" << "";
}

void CatalogueTest::eachModelOfThisRelease()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(QString, target);
    QFETCH(QString, boot);
    QFETCH(QString, run);
    QFETCH(QString, fpga);
    const FirmwareVersion release = targetVersion(type);
    QCOMPARE(deviceTypeName(type), name);
    QCOMPARE(release.deviceType, type);
    QCOMPARE(release.versionString(), target);
    QCOMPARE(QString::fromStdString(release.bootImagePath()), boot);
    QCOMPARE(QString::fromStdString(release.runImagePath()), run);
    QCOMPARE(QString::fromStdString(release.fpgaImagePath()), fpga);
    // Paths from another record of the type name nothing outside the table.
    QCOMPARE(FirmwareVersion({type, 4, 5, 10}).bootImagePath().empty(), boot.isEmpty());
}

void CatalogueTest::targetOutsideTheCatalogueKeepsItsTypeWithZeroVersions()
{
    COMPARE_VERSION(targetVersion(7), 7, 0, 0, 0);
    COMPARE_VERSION(targetVersion(-1), -1, 0, 0, 0);
    COMPARE_VERSION(targetVersion(4), 4, 0, 0, 0);
    QCOMPARE(targetVersion(7).versionString(), QStringLiteral("0.0.0"));
}

void CatalogueTest::networkFirmwareNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("fpga");
    QTest::newRow("1") << 1 << 1 << 1;
    QTest::newRow("3") << 3 << 3 << 1;
    QTest::newRow("4") << 4 << 4 << 2;
    QTest::newRow("5") << 5 << 5 << 3;
    QTest::newRow("8") << 8 << 8 << 6;
    QTest::newRow("9") << 9 << 9 << 7;
    QTest::newRow("0 has no entry") << 0 << 0 << 0;
    QTest::newRow("10 is newer, FPGA unknown") << 10 << 10 << 0;
    QTest::newRow("-5 has no entry") << -5 << 0 << 0;
}

void CatalogueTest::networkFirmwareNumbers()
{
    QFETCH(int, number);
    QFETCH(int, version);
    QFETCH(int, fpga);
    COMPARE_VERSION(versionFromNetworkFirmware(number), 2, version, version, fpga);
}

void CatalogueTest::networkFirmwareNineIsTheRz610tTarget()
{
    QVERIFY(versionFromNetworkFirmware(9) == targetVersion(2));
    QVERIFY(versionFromNetworkFirmware(8) != targetVersion(2));
    QCOMPARE(versionFromNetworkFirmware(8).versionString(), QStringLiteral("8.8.6"));
}

void CatalogueTest::imagePathsUseTheRecordsOwnVersions()
{
    const FirmwareVersion version{0, 3, -7, 2147483647};
    QCOMPARE(version.bootImagePath(), std::string("./firmware/RZ610R-Cypress-Boot-v3.img"));
    QCOMPARE(version.runImagePath(), std::string("./firmware/RZ610R-Cypress-Run-v-7.img"));
    QCOMPARE(version.fpgaImagePath(), std::string("./firmware/RZ610R-FPGA-v2147483647.rbf"));
    const FirmwareVersion longest{3, -2147483647 - 1, 0, 0};
    QCOMPARE(longest.bootImagePath(), std::string("./firmware/RZ870S-Cypress-Boot-v-2147483648.img"));
}

void CatalogueTest::versionStringKeepsSignsAndPlainDecimals()
{
    QCOMPARE((FirmwareVersion{5, -1, 0, 12}).versionString(), QStringLiteral("-1.0.12"));
    QCOMPARE((FirmwareVersion{0, 7, 8, 9}).versionString(), QStringLiteral("7.8.9"));
}

void CatalogueTest::checksumListReadsAsSha256sumChecks_data()
{
    const QByteArray a(64, 'a');
    const QByteArray b(64, 'b');
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QByteArray>("digest"); // of x.img; empty: matches nothing
    QTest::newRow("as written") << a + "  x.img\n" << a;
    QTest::newRow("binary mark") << a + " *x.img\n" << a;
    QTest::newRow("./NAME") << a + "  ./x.img\n" << a;
    QTest::newRow("listed twice alike") << a + "  x.img\n" + a + "  ./x.img\n" << a;
    QTest::newRow("listed twice with two digests") << a + "  x.img\n" + b + "  x.img\n" << QByteArray();
    QTest::newRow("upper case hex") << a.toUpper() + "  x.img\n" << a;
}

// A digest `sha256sum -c` would fail must match no image.
void CatalogueTest::checksumListReadsAsSha256sumChecks()
{
    QFETCH(QByteArray, list);
    QFETCH(QByteArray, digest);
    ChecksumList checksums;
    checksums.parse(list);
    QCOMPARE(checksums.digestOf("x.img"), digest);
}

namespace {

const QByteArray releaseList = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef  RZ610R-FPGA-v10.rbf\n";

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The signature line (the second) with its decoded bytes changed.
QByteArray withSignatureBytes(const QByteArray& signatureFile, const std::function<void(QByteArray&)>& change)
{
    QList<QByteArray> lines = signatureFile.split('\n');
    QByteArray bytes = QByteArray::fromBase64(lines[1]);
    change(bytes);
    lines[1] = bytes.toBase64();
    return lines.join('\n');
}

// The signature file as minisign wrote it, altered as the row says.
QByteArray altered(const QString& how, const QByteArray& made)
{
    QList<QByteArray> lines = made.split('\n');
    if (how == "CRLF line ends")
        return QByteArray(made).replace("\n", "\r\n");
    if (how == "no final newline")
        return made.chopped(1);
    if (how == "trailing blank lines, CRLF")
        return QByteArray(made + "\n\n").replace("\n", "\r\n");
    if (how == "untrusted comment edited")
        return "untrusted comment: anything at all\n" + lines.mid(1).join('\n');
    if (how == "empty")
        return QByteArray();
    if (how == "truncated to three lines")
        return lines.mid(0, 3).join('\n') + '\n';
    if (how == "truncated in the signature")
        return made.left(made.indexOf('\n') + 40);
    if (how == "wrong algorithm")
        return withSignatureBytes(made, [](QByteArray& bytes) { bytes[1] = 'X'; });
    if (how == "key ID of no trusted key")
        return withSignatureBytes(made, [](QByteArray& bytes) { bytes[5] = char(bytes[5] ^ 0x01); });
    if (how == "signature bit flipped")
        return withSignatureBytes(made, [](QByteArray& bytes) { bytes[40] = char(bytes[40] ^ 0x01); });
    if (how == "bad base64")
        return QByteArray(made).replace(made.indexOf('\n') + 10, 1, "*");
    if (how == "base64 without padding") {
        lines[3].replace("=", "");
        return lines.join('\n');
    }
    if (how == "an extra line")
        return made + "untrusted comment: one more\n";
    if (how == "a second signature appended")
        return made + made;
    if (how == "trusted comment edited") {
        lines[2] += " (edited)";
        return lines.join('\n');
    }
    if (how == "no trusted comment prefix") {
        lines[2].replace("trusted comment: ", "");
        return lines.join('\n');
    }
    if (how == "a NUL byte")
        return QByteArray(made).insert(made.indexOf("trusted comment: ") + 20, '\0');
    if (how == "a megabyte of comment")
        return lines.mid(0, 2).join('\n') + "\ntrusted comment: " + QByteArray(1024 * 1024, 'x') + '\n' + lines[3];
    return made;
}

} // namespace

void CatalogueTest::signedReleaseVerdicts_data()
{
    QTest::addColumn<bool>("legacy");
    QTest::addColumn<QString>("alteration");  // of SHA256SUMS.minisig, or "no ..." / "list changed"
    QTest::addColumn<QByteArray>("revoked"); // the revoked-keys file, "{id}" standing for the signer's
    QTest::addColumn<int>("verdict");
    const int verified = int(SignedRelease::Verdict::Verified);
    const int untrusted = int(SignedRelease::Verdict::Untrusted);
    const int unsigned_ = int(SignedRelease::Verdict::Unsigned);
    const int unreadable = int(SignedRelease::Verdict::Unreadable);
    QTest::newRow("prehashed, as made") << false << "" << QByteArray() << verified;
    QTest::newRow("legacy, as made") << true << "" << QByteArray() << verified;
    QTest::newRow("CRLF line ends") << false << "CRLF line ends" << QByteArray() << verified;
    QTest::newRow("no final newline") << true << "no final newline" << QByteArray() << verified;
    // As minisign reads them; the key file too.
    QTest::newRow("trailing blank lines, CRLF") << false << "trailing blank lines, CRLF" << QByteArray() << verified;
    QTest::newRow("untrusted comment edited") << false << "untrusted comment edited" << QByteArray() << verified;
    QTest::newRow("broken key files beside the signer's") << false << "broken key files" << QByteArray() << verified;
    QTest::newRow("no signature file") << false << "no signature file" << QByteArray() << unsigned_;
    QTest::newRow("no list") << false << "no list" << QByteArray() << unsigned_;
    QTest::newRow("list changed after signing") << false << "list changed" << QByteArray() << untrusted;
    QTest::newRow("legacy, list changed") << true << "list changed" << QByteArray() << untrusted;
    for (const char* alteration :
         {"empty", "truncated to three lines", "truncated in the signature", "wrong algorithm",
          "key ID of no trusted key", "signature bit flipped", "bad base64", "base64 without padding",
          "an extra line", "a second signature appended", "trusted comment edited", "no trusted comment prefix",
          "a NUL byte"})
        QTest::newRow(alteration) << false << alteration << QByteArray() << untrusted;
    // Refused unread, the file named: the signature, or the list behind a link.
    QTest::newRow("a megabyte of comment") << false << "a megabyte of comment" << QByteArray() << unreadable;
    QTest::newRow("list a symbolic link") << false << "list a symbolic link" << QByteArray() << unreadable;
    QTest::newRow("revoked, file still there") << false << "" << QByteArray("{id}\n") << untrusted;
    QTest::newRow("revoked, lower case, leading zeros, comments")
        << false << "" << QByteArray("# rotated out\n\n  0000{id} # leaked\n") << untrusted;
    QTest::newRow("another key revoked") << false << "" << QByteArray("# none of ours\n12AB\n") << verified;
    QTest::newRow("revoked-keys file with a bad line") << false << "" << QByteArray("12AB\nnot a key\n") << untrusted;
}

// Signatures made by minisign itself, against a folder of trusted keys that
// holds the signer's and another, and a revoked-keys file.
void CatalogueTest::signedReleaseVerdicts()
{
    QFETCH(bool, legacy);
    QFETCH(QString, alteration);
    QFETCH(QByteArray, revoked);
    QFETCH(int, verdict);
    const ThrowAwayKey signer;
    const ThrowAwayKey other;
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    QVERIFY(QFile::copy(other.publicKeyFile(), signer.keyFolder() + "/other.pub"));
    const QString list = folder.filePath("SHA256SUMS");
    writeFile(list, releaseList);
    signer.sign(list, "RZ release 7 (2026-12-07)", legacy);
    const QString signature = list + ".minisig";
    writeFile(signature, altered(alteration, readFile(signature)));
    if (alteration == "no signature file")
        QVERIFY(QFile::remove(signature));
    else if (alteration == "no list")
        QVERIFY(QFile::remove(list));
    else if (alteration == "list changed")
        writeFile(list, QByteArray(releaseList).replace("v10", "v11"));
    else if (alteration == "list a symbolic link")
        QVERIFY(QFile::rename(list, elsewhere.filePath("SHA256SUMS"))
                && QFile::link(elsewhere.filePath("SHA256SUMS"), list));
    else if (alteration == "broken key files") {
        const QByteArray key = readFile(signer.publicKeyFile());
        writeFile(signer.keyFolder() + "/empty.pub", QByteArray());
        writeFile(signer.keyFolder() + "/cut.pub", key.left(key.size() - 10));
        writeFile(signer.keyFolder() + "/no-comment.pub", key.mid(key.indexOf('\n') + 1));
        writeFile(signer.keyFolder() + "/binary.pub", QByteArray(300, '\xff'));
    }
    if (alteration == "trailing blank lines, CRLF")
        writeFile(signer.publicKeyFile(), altered(alteration, readFile(signer.publicKeyFile())));
    if (!revoked.isEmpty())
        writeFile(folder.filePath("revoked-keys"), QByteArray(revoked).replace("{id}", signer.printedId().toLower().toLatin1()));
    const TrustedKeys keys = TrustedKeys::load({{signer.keyFolder()}, {folder.filePath("revoked-keys")}});

    const SignedRelease release = SignedRelease::verify(folder.path(), keys);
    QCOMPARE(int(release.verdict()), verdict);
    QCOMPARE(release.problem().english().startsWith(list), verdict == int(SignedRelease::Verdict::Unreadable));
    QCOMPARE(keys.unreadableRevocations().isEmpty(), !revoked.contains("not a key"));
    // A key file that cannot be used is named, never passed over in silence.
    const QStringList unusable = OperatorText::englishOf(keys.unusableKeys());
    QCOMPARE(unusable.size(), alteration == "broken key files" ? 4 : 0);
    for (const char* name : {"binary.pub", "cut.pub", "empty.pub", "no-comment.pub"})
        QCOMPARE(unusable.filter(signer.keyFolder() + '/' + name + ": it is not a minisign public key").size(),
                 unusable.size() / 4);
    if (verdict == int(SignedRelease::Verdict::Verified)) {
        QCOMPARE(release.keyId(), signer.printedId().rightJustified(16, '0'));
        QCOMPARE(release.comment(), "RZ release 7 (2026-12-07)");
        QCOMPARE(release.checksums().digestOf("RZ610R-FPGA-v10.rbf"), releaseList.left(64));
    } else {
        // An untrusted signature still names its key, for the administrator to look up.
        const bool namesItsKey = verdict == int(SignedRelease::Verdict::Untrusted)
                                 && release.distrust() != SignedRelease::Distrust::Malformed;
        QCOMPARE(release.keyId().size(), namesItsKey ? 16 : 0);
        QCOMPARE(release.distrust() == SignedRelease::Distrust::RevokedKey,
                 verdict == int(SignedRelease::Verdict::Untrusted) && revoked.contains("{id}")
                     && !revoked.contains("not a key"));
        QVERIFY(release.checksums().digestOf("RZ610R-FPGA-v10.rbf").isEmpty());
    }
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "CatalogueTest.moc"
