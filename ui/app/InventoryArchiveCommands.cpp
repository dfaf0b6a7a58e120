#include "ui/app/InventoryArchiveCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "model/core/InventoryArchive.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/FileChooser.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/InventoryCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

// A message lists at most this many pictures; the rest are counted.
constexpr qsizetype kListedPictures = 15;

void ReportFailure(CMessageSink& messages, QWidget* parent, const FileResult& result) {
    // File names are the system's, UTF-8 on Linux, as the document manager reads them.
    messages.Show(parent, {UserMessage(result), captions::ApplicationTitle(), MessageIcon::Warning,
                           MessageButtons::Ok});
}

QString MissingPicturesText(const std::vector<std::string>& pictures) {
    QString text = QCoreApplication::translate(
        "CInventoryArchiveCommands",
        "The archive was saved without these pictures, which could not be read:\n");
    const qsizetype count = static_cast<qsizetype>(pictures.size());
    for (qsizetype k = 0; k < count && k < kListedPictures; ++k)
        text += u"\n"_s + text::FromBytes(pictures[static_cast<std::size_t>(k)]);
    if (count > kListedPictures)
        text += QCoreApplication::translate("CInventoryArchiveCommands", "\n... and %1 more.")
                    .arg(count - kListedPictures);
    return text;
}

// The folder proposed for unpacking: beside the archive, named after it, and not
// there yet ("Layout", "Layout 2", ...).
QString ProposedFolder(const QString& archive) {
    const QFileInfo info(archive);
    const QString base = info.absoluteDir().filePath(info.completeBaseName());
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = base + u" %1"_s.arg(n);
    return folder;
}

} // namespace

CInventoryArchiveCommands::CInventoryArchiveCommands(CMessageSink& messages, CFileChooser& files,
                                                     std::function<std::string()> cataloguePath)
    : m_messages(messages), m_files(files), m_cataloguePath(std::move(cataloguePath)) {}

CCommandInfo CInventoryArchiveCommands::Command() {
    return {CommandId::SaveCopyAsArchive,
            QCoreApplication::translate("Commands", "Save Copy as &Archive..."),
            QCoreApplication::translate(
                "Commands",
                "Save the inventory with its pictures and the Classification Yard in one "
                "archive\nSave Copy as Archive")};
}

QString CInventoryArchiveCommands::Filter() {
    return QCoreApplication::translate("CInventoryArchiveCommands", "Gaugewright archives (*.gwz)");
}

QString CInventoryArchiveCommands::Suffix() {
    return u".gwz"_s;
}

bool CInventoryArchiveCommands::SaveCopy(QWidget* parent, const CSidingWardDoc& document) {
    const QString path = QString::fromStdString(document.GetPathName());
    const QString proposed =
        path.isEmpty()
            ? text::FromBytes(document.GetTitle()) + Suffix()
            : QFileInfo(path).absoluteDir().filePath(QFileInfo(path).completeBaseName() + Suffix());
    const auto target = m_files.ChooseFileToSaveTitled(
        parent, QCoreApplication::translate("CInventoryArchiveCommands", "Save Copy as Archive"),
        {Filter()}, Suffix().mid(1), proposed);
    if (!target)
        return false;
    inventoryarchive::CArchiveWriteResult written;
    {
        const CWaitCursor wait;
        written = inventoryarchive::WriteArchive(
            document, m_cataloguePath ? m_cataloguePath() : std::string(), target->toStdString());
    }
    if (!written.result.Succeeded()) {
        ReportFailure(m_messages, parent, written.result);
        return false;
    }
    if (!written.missingPictures.empty()) {
        m_messages.Show(parent,
                        {MissingPicturesText(written.missingPictures), captions::Information(),
                         MessageIcon::Information, MessageButtons::Ok});
    }
    return true;
}

std::optional<QString> CInventoryArchiveCommands::Unpack(const QString& archive, QWidget* parent) {
    const auto folder = m_files.ChooseFileToSaveTitled(
        parent,
        QCoreApplication::translate("CInventoryArchiveCommands",
                                    "Unpack the Archive into a New Folder"),
        {QCoreApplication::translate("CInventoryArchiveCommands", "Folders (*)")}, QString(),
        ProposedFolder(archive));
    if (!folder)
        return std::nullopt;
    inventoryarchive::CUnpackedArchive unpacked;
    FileResult result;
    {
        const CWaitCursor wait;
        result =
            inventoryarchive::UnpackArchive(archive.toStdString(), folder->toStdString(), unpacked);
    }
    if (!result.Succeeded()) {
        ReportFailure(m_messages, parent, result);
        return std::nullopt;
    }
    return QString::fromStdString(unpacked.inventoryPath);
}
