#ifndef RELEASECOMMAND_H
#define RELEASECOMMAND_H

#include "catalogue/ModelTable.h"
#include "catalogue/release/ReleaseFolder.h"
#include "catalogue/release/SignedRelease.h"

#include <QJsonObject>
#include "catalogue/OperatorText.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class ImageCheck;

// `rz-firmware-updater release`: what the release carries, read as an
// update reads it but without the device library or the updater lock: its
// folder, who signed its list and whether that key is trusted, and for each
// model the versions it brings with their images, each there and named by
// the signed list or not. An administrator asks it before handing a release
// to the benches. The images' bytes are checked by the update that writes
// them; here only that each is a regular file the list names.
class ReleaseCommand
{
public:
    enum class Output { Lines, Quiet, Json };

    // `releaseFolder` as ImageCheck takes it.
    ReleaseCommand(const QString& releaseFolder, Output output);

    // Prints on standard output (reasons on standard error too); 0 for a
    // release an update may write, 4 for a refused one.
    int run();

private:
    struct Image
    {
        QString component;
        QString name;
        bool present = false;
        bool listed = false;
    };

    struct Carried
    {
        const Model* model;
        std::vector<Image> images;
    };

    void read(ImageCheck& check);
    std::vector<Image> imagesOf(const Model& model, const ReleaseFolder& found);
    bool usable() const { return verified && reasons.isEmpty(); }
    // Which key signed the list, and whether this machine trusts it; only
    // where the signature names a key.
    OperatorText keyLine() const;
    OperatorText verdictLine() const;
    OperatorLines linesOf(const Carried& carried) const;
    QJsonObject report() const;

    const QString named;
    const Output output;
    QString folder; // absolute; empty where none was found
    bool installed = false;
    std::optional<SignedRelease> signature;
    bool verified = false;
    std::vector<Carried> models;
    OperatorLines notes;
    OperatorLines reasons;
};

#endif
