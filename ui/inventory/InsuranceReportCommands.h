#pragma once

#include <optional>

#include <QDialog>

#include "model/core/InventoryReport.h"
#include "ui/common/ThumbnailStore.h"
#include "ui/inventory/InsuranceReport.h"

class CClock;
class CFileChooser;
class CInventoryViewSettings;
class CMessageSink;
class CSidingWardDoc;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// Asks what the insurance report shows: the owner's name and address, the policy
// number, the attribute to group by and whether pictures and comments go in.
class CInsuranceReportDialog : public QDialog {
    Q_OBJECT

public:
    // The attributes are offered under headings; options gives the answers shown.
    CInsuranceReportDialog(QWidget* parent, const inventoryreport::Headings& headings,
                           const CInsuranceOptions& options);
    CInsuranceOptions Options() const;

private:
    QLineEdit* m_owner;
    QPlainTextEdit* m_address;
    QLineEdit* m_policy;
    QComboBox* m_groupBy;
    QCheckBox* m_pictures;
    QCheckBox* m_comments;
};

// File > Insurance Report...: the dialog, a name for the PDF, then the PDF,
// written so that a failed run leaves no half-written file.
class CInsuranceReportCommands {
public:
    // All must outlive the commands.
    CInsuranceReportCommands(CMessageSink& messages, CFileChooser& files, const CClock& clock,
                             CInventoryViewSettings& settings, CThumbnailStore thumbnails);

    void Run(QWidget* parent, const CSidingWardDoc& document);

private:
    CMessageSink& m_messages;
    CFileChooser& m_files;
    const CClock& m_clock;
    CInventoryViewSettings& m_settings;
    CThumbnailStore m_thumbnails;
};
