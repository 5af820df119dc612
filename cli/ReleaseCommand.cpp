#include "cli/ReleaseCommand.h"

#include "catalogue/Catalogue.h"
#include "catalogue/OperatorText.h"
#include "cli/CommandLine.h"
#include "workflows/checks/ImageCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>
#include <sys/stat.h>

namespace {

void printLine(const OperatorText& line)
{
    std::fputs(line.translated().toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}

// As the check's lines name the components.
OperatorText label(const QString& component)
{
    if (component == QLatin1String("boot"))
        return OperatorText::tr("boot");
    if (component == QLatin1String("run"))
        return OperatorText::tr("run");
    if (component == QLatin1String("fx3"))
        return OperatorText::tr("FX3");
    return OperatorText::tr("FPGA");
}

// Not followed where it is a link, and not opened: a regular file that is
// not empty, as an update will take it.
bool isImageFile(const QString& path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode)
           && status.st_size > 0;
}

QJsonValue textOrNull(const QString& text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

} // namespace

ReleaseCommand::ReleaseCommand(const QString& releaseFolder, Output output)
    : named(releaseFolder), output(output)
{
}

int ReleaseCommand::run()
{
    ImageCheck check([this](const OperatorText& line) { reasons << line; }, named);
    read(check);
    if (output == Output::Json) {
        std::fputs(QJsonDocument(report()).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        OperatorLines lines;
        if (output == Output::Lines) {
            if (!folder.isEmpty())
                lines << OperatorText::tr("Release folder: %1").arg(folder);
            lines << notes;
            if (signature && !signature->keyId().isEmpty())
                lines << keyLine();
            for (const Carried& carried : models)
                lines << linesOf(carried);
            lines << reasons;
        }
        lines << verdictLine();
        for (const OperatorText& line : qAsConst(lines))
            printLine(line);
    }
    std::fflush(stdout);
    if (!reasons.isEmpty())
        std::fprintf(stderr, "rz-firmware-updater: %s\n", qPrintable(reasons.first().translated()));
    return usable() ? CommandLine::ExitDone : CommandLine::ExitRefused;
}

void ReleaseCommand::read(ImageCheck& check)
{
    verified = check.releaseIsTrusted();
    const ReleaseFolder& found = check.folderChecked();
    signature = check.signatureChecked();
    notes = check.notes();
    installed = found.isInstalled();
    if (!found.isFound())
        return;
    folder = QDir::cleanPath(QDir::current().absoluteFilePath(found.path()));
    for (const Model& model : ModelTable::models())
        models.push_back({&model, imagesOf(model, found)});
}

std::vector<ReleaseCommand::Image> ReleaseCommand::imagesOf(const Model& model, const ReleaseFolder& found)
{
    std::vector<Image> images;
    for (const ModelComponent& component : model.components) {
        const QString path = found.imagePath(QString::fromStdString(component.imagePath(model.target)));
        Image image;
        image.component = component.name;
        image.name = QFileInfo(path).fileName();
        image.present = isImageFile(path);
        image.listed = verified && !signature->checksums().digestOf(image.name).isEmpty();
        if (!image.present)
            reasons << OperatorText::tr("Missing firmware image: %1").arg(path);
        else if (verified && !image.listed)
            reasons << OperatorText::tr("The release's signed list does not name the image %1.").arg(path);
        images.push_back(image);
    }
    return images;
}

OperatorText ReleaseCommand::keyLine() const
{
    const QString status = signature->keyStatus();
    if (status == QLatin1String("revoked"))
        return OperatorText::tr("Signed by key %1, which the administrator revoked.").arg(signature->keyId());
    if (status == QLatin1String("unknown"))
        return OperatorText::tr("Signed by key %1, which this machine does not know.").arg(signature->keyId());
    if (status == QLatin1String("untrusted"))
        return OperatorText::tr("Signed by key %1, which is not trusted while the revoked keys cannot be read.")
            .arg(signature->keyId());
    return OperatorText::tr("Signed by key %1, which this machine trusts.").arg(signature->keyId());
}

OperatorText ReleaseCommand::verdictLine() const
{
    if (folder.isEmpty())
        return OperatorText::tr("No release found: nothing can be written.");
    if (usable())
        return OperatorText::tr("The release in %1 can be written.").arg(folder);
    return OperatorText::tr("The release in %1 is refused: nothing in it will be written.").arg(folder);
}

// "RZ610R 4.5.10", then a line per component: its version and image. An
// image is not said to be unlisted where no list was verified.
OperatorLines ReleaseCommand::linesOf(const Carried& carried) const
{
    const Model& model = *carried.model;
    OperatorLines lines{OperatorText::verbatim(model.name + QLatin1Char(' ') + model.target.versionString())};
    for (std::size_t at = 0; at < carried.images.size(); ++at) {
        const Image& image = carried.images[at];
        const int version = model.target.*model.components[at].version;
        lines << (!image.present ? OperatorText::tr("  %1 %2: %3 (missing)")
                  : verified && !image.listed ? OperatorText::tr("  %1 %2: %3 (not in the signed list)")
                                  : OperatorText::tr("  %1 %2: %3"))
                     .arg(label(image.component))
                     .arg(version)
                     .arg(image.name);
    }
    return lines;
}

QJsonObject ReleaseCommand::report() const
{
    QJsonArray carried;
    for (const Carried& entry : models) {
        QJsonArray images;
        for (std::size_t at = 0; at < entry.images.size(); ++at) {
            const Image& image = entry.images[at];
            images.append(QJsonObject{
                {"component", image.component},
                {"version", entry.model->target.*entry.model->components[at].version},
                {"image", image.name},
                {"present", image.present},
                {"listed", verified ? QJsonValue(image.listed) : QJsonValue()},
            });
        }
        carried.append(QJsonObject{{"model", entry.model->name},
                                   {"firmware", entry.model->target.versionString()},
                                   {"components", images}});
    }
    return QJsonObject{
        {"format", 1},
        {"folder", textOrNull(folder)},
        {"installed", installed},
        {"usable", usable()},
        {"signature", signature ? QJsonValue(signature->verdictName()) : QJsonValue()},
        {"key", textOrNull(signature ? signature->keyId() : QString())},
        {"keyStatus", textOrNull(signature ? signature->keyStatus() : QString())},
        {"comment", textOrNull(signature ? signature->comment() : QString())},
        {"models", carried},
        {"reasons", QJsonArray::fromStringList(OperatorText::englishOf(reasons))},
        {"notes", QJsonArray::fromStringList(OperatorText::englishOf(notes))},
    };
}
