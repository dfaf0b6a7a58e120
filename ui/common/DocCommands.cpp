#include "ui/common/DocCommands.h"

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
         u"&New Inventory\tCtrl+N"_s,
         u"Create a new inventory\nNew Inventory"_s,
         ToolbarIcon(u"new"_s),
         {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {FileOpen,
         u"&Open Inventory...\tCtrl+O"_s,
         u"Open an existing inventory\nOpen Inventory"_s,
         ToolbarIcon(u"open"_s),
         {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {FileClose, u"&Close"_s, u"Close the active document\nClose"_s},
        {FileSave,
         u"&Save\tCtrl+S"_s,
         u"Save the active document\nSave"_s,
         ToolbarIcon(u"save"_s),
         {QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {FileSaveAs, u"Save &As..."_s, u"Save the active document with a new name\nSave As"_s},
    };
    // The recent file list: the first entry stands for the empty list, the others
    // appear only for files the list holds.
    for (int n = 0; n < FileMruCount; ++n) {
        commands.push_back({FileMru1 + n,
                            n == 0 ? u"Recent File"_s : QString::number(n + 1),
                            u"Open this document"_s,
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
        update.SetText(u"Recent File"_s);
        return;
    }
    // "&" in a file name must show as itself, not mark the mnemonic.
    QString path = QDir::toNativeSeparators(files.at(index));
    path = text::ShowAmpersands(path);
    update.SetText(u"&%1 %2"_s.arg(index + 1).arg(path));
}
