#include "ui/common/DocCommands.h"

#include <QCoreApplication>
#include <QDir>

#include "model/framework/DocTemplate.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/DocManager.h"
#include "ui/common/Text.h"

using namespace Qt::StringLiterals;

namespace {

// The template that New makes documents of: the first with a name in the New list.
CDocTemplate* NewTemplate(const CDocManager& docManager) {
    for (const auto& docTemplate : docManager.GetTemplates()) {
        if (!docTemplate->GetDocString(DocStringPart::NewListName).empty())
            return docTemplate.get();
    }
    return nullptr;
}

bool IsRecentFileCommand(int id) {
    return id >= CommandId::FileMru1 && id < CommandId::FileMru1 + CommandId::FileMruCount;
}

} // namespace

CDocCommands::CDocCommands(CDocManager& docManager, std::function<QWidget*()> parent)
    : m_docManager(docManager), m_parent(std::move(parent)) {}

std::vector<CCommandInfo> CDocCommands::Commands() {
    using namespace CommandId;
    std::vector<CCommandInfo> commands = {
        {FileNew,
         QCoreApplication::translate("Commands", "&New Inventory\tCtrl+N"),
         QCoreApplication::translate("Commands", "Create a new inventory\nNew Inventory"),
         ToolbarIcon(u"new"_s),
         {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {FileOpen,
         QCoreApplication::translate("Commands", "&Open Inventory...\tCtrl+O"),
         QCoreApplication::translate("Commands", "Open an existing inventory\nOpen Inventory"),
         ToolbarIcon(u"open"_s),
         {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {FileClose, QCoreApplication::translate("Commands", "&Close"),
         QCoreApplication::translate("Commands", "Close the active document\nClose")},
        {FileSave,
         QCoreApplication::translate("Commands", "&Save\tCtrl+S"),
         QCoreApplication::translate("Commands", "Save the active document\nSave"),
         ToolbarIcon(u"save"_s),
         {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {FileSaveAs, QCoreApplication::translate("Commands", "Save &As..."),
         QCoreApplication::translate("Commands",
                                     "Save the active document with a new name\nSave As")},
    };
    // The recent file list: the first entry stands for the empty list, the others
    // appear only for files the list holds.
    for (int n = 0; n < FileMruCount; ++n) {
        commands.push_back({FileMru1 + n,
                            n == 0 ? QCoreApplication::translate("Commands", "Recent File")
                                   : QString::number(n + 1),
                            QCoreApplication::translate("Commands", "Open this document"),
                            {},
                            {},
                            false,
                            n == 0});
    }
    return commands;
}

bool CDocCommands::HandlesCommand(int id) const {
    return id == CommandId::FileNew || id == CommandId::FileOpen || IsRecentFileCommand(id);
}

void CDocCommands::OnCommand(int id) {
    QWidget* parent = m_parent ? m_parent() : nullptr;
    if (id == CommandId::FileNew) {
        if (CDocTemplate* docTemplate = NewTemplate(m_docManager))
            m_docManager.NewDocument(*docTemplate);
    } else if (id == CommandId::FileOpen) {
        m_docManager.OpenWithDialog(parent);
    } else if (IsRecentFileCommand(id)) {
        const QStringList& files = m_docManager.GetRecentFiles().GetFiles();
        const qsizetype index = id - CommandId::FileMru1;
        if (index >= files.size())
            return;
        const QString path = files.at(index);
        // A file that cannot be opened any more leaves the list.
        if (!m_docManager.OpenDocumentFile(path, nullptr, parent))
            m_docManager.GetRecentFiles().Remove(path);
    }
}

void CDocCommands::OnUpdateCommand(int id, CCommandUpdate& update) {
    if (id == CommandId::FileNew) {
        update.Enable(NewTemplate(m_docManager) != nullptr);
        return;
    }
    if (!IsRecentFileCommand(id))
        return;
    const QStringList& files = m_docManager.GetRecentFiles().GetFiles();
    const qsizetype index = id - CommandId::FileMru1;
    if (index >= files.size()) {
        update.SetVisible(index == 0);
        update.Enable(false);
        update.SetText(QCoreApplication::translate("Commands", "Recent File"));
        return;
    }
    // "&" in a file name must show as itself, not mark the mnemonic.
    QString path = QDir::toNativeSeparators(files.at(index));
    path = text::ShowAmpersands(path);
    update.SetText(u"&%1 %2"_s.arg(index + 1).arg(path));
}
