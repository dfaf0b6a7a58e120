#include "ui/yard/CustomizePage.h"

#include "model/yard/ClassificationDoc.h"
#include "ui/common/Captions.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/UserMessage.h"

CCustomizePage::CCustomizePage(CClassificationDoc& yard, CMessageSink& messages, QWidget* parent)
    : QWidget(parent), m_yard(yard), m_messages(messages) {}

void CCustomizePage::SetModified() {
    m_pending = true;
    emit ModifiedChanged(true);
}

bool CCustomizePage::SaveCatalogue() {
    const FileResult result = m_yard.SaveNow();
    if (result.Succeeded())
        return true;
    m_messages.Show(this, {UserMessage(result, MessageBytes::Windows1252), captions::Error(),
                           MessageIcon::Critical, MessageButtons::Ok});
    return false;
}

bool CCustomizePage::Apply() {
    if (!m_pending)
        return true;
    BeforeSave();
    // A catalogue that could not be written is not applied: Cancel still undoes it.
    if (!SaveCatalogue()) {
        AfterSaveFailed();
        return false;
    }
    AfterSave();
    m_pending = false;
    emit ModifiedChanged(false);
    m_applied = true;
    return true;
}
