#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QString>

#include "ui/common/CommandInfo.h"

class CFileChooser;
class CMessageSink;
class CSidingWardDoc;
class QWidget;

// Archives (.gwz) in the windows: File > Save Copy as Archive of an inventory, and
// the unpacking of an archive that File > Open or the command line names.
class CInventoryArchiveCommands {
public:
    // cataloguePath gives the Classification Yard file that goes into an archive
    // (empty: none).
    CInventoryArchiveCommands(CMessageSink& messages, CFileChooser& files,
                              std::function<std::string()> cataloguePath);

    // Save Copy as Archive, as the action registry shows it.
    static CCommandInfo Command();
    // "Gaugewright archives (*.gwz)" and ".gwz", for the File Open dialog.
    static QString Filter();
    static QString Suffix();

    // Asks for the archive's name (beside the inventory's file, named after it) and
    // writes the inventory as it is now, with its pictures and the catalogue; the
    // document itself stays as it was. Pictures that could not be read are listed
    // in a message afterwards, a failure is reported. True when written.
    bool SaveCopy(QWidget* parent, const CSidingWardDoc& document);

    // Asks for a new folder to unpack the archive into (proposed beside it, named
    // after it) and unpacks it. The unpacked inventory's path; nothing when the
    // user cancelled or the unpack failed (and was reported).
    std::optional<QString> Unpack(const QString& archive, QWidget* parent);

private:
    CMessageSink& m_messages;
    CFileChooser& m_files;
    std::function<std::string()> m_cataloguePath;
};
