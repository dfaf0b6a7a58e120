#pragma once

#include <functional>
#include <memory>

#include <QMdiSubWindow>

#include "ui/common/MenuLayout.h"

class CCommandTarget;
class CDocument;
class QCloseEvent;

// The window that frames one inventory view inside the main window. It knows its
// document (for its title and the document's command handler) and the menu bar
// its document type shows while it is active.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    // Frames view (the frame takes ownership). The document must outlive the frame:
    // the frame is closed before its document goes away.
    CChildFrame(CDocument& document, QWidget* view, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CDocument& GetDocument() const { return m_document; }
    // The view's command target, when the view is one; null otherwise.
    CCommandTarget* GetViewTarget() const;
    // The handler of the document's commands, asked after the view (may be null;
    // not owned, and must stay alive while the frame has it).
    void SetDocumentTarget(CCommandTarget* target) { m_documentTarget = target; }
    CCommandTarget* GetDocumentTarget() const { return m_documentTarget; }

    // The menu bar shown while this frame is active; none keeps the main window's own.
    void SetMenuLayout(std::shared_ptr<const CMenuLayout> layout) { m_menuLayout = layout; }
    const std::shared_ptr<const CMenuLayout>& GetMenuLayout() const { return m_menuLayout; }

    // Asked when the user closes the frame; false keeps it open (for example when the
    // save prompt was cancelled).
    void SetCloseHook(std::function<bool()> hook) { m_closeHook = std::move(hook); }

    // The title is the document's; windowNumber > 0 (one of several windows on the
    // same document) adds ":<n>". It ends in Qt's "[*]" placeholder, which shows as
    // "*" while the document has unsaved changes.
    void UpdateTitle(int windowNumber = 0);
    // A window's title as its title bar shows it: the placeholder replaced.
    static QString ShownTitle(const QWidget& window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDocument& m_document;
    CCommandTarget* m_documentTarget = nullptr;
    std::shared_ptr<const CMenuLayout> m_menuLayout;
    std::function<bool()> m_closeHook;
};
