#pragma once

#include <QWidget>

#include "ui/common/MessageSink.h"
#include "ui/common/SoundPlayer.h"
#include "ui/common/YardWindow.h"

// What the benchmarks give a window in place of the user and the Classification
// Yard, shared by the benchmark programs that build windows.

// Yes to every question, OK to every message.
class CSilentMessages : public CMessageSink {
public:
    MessageAnswer Show(QWidget*, const CMessage& message) override {
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
};

class CSilentSounds : public CSoundPlayer {
public:
    void Play(const QString&) override {}
};

// A yard that takes the registration and is never building.
class CIdleYard : public QWidget, public CYardWindow {
public:
    QWidget* YardWidget() override { return this; }
    void RegisterInventory(CSidingWardDoc&) override {}
    void UnregisterInventory(CSidingWardDoc&) override {}
    void StartInventoryBuild() override {}
    bool TakeItemForChange(CInventoryElement&, CSidingWardDoc&) override { return false; }
    void DeliverDraggedItem(CInventoryWindow&) override {}
    bool IsBuildInProgress() const override { return false; }
    void ForgetInventoryItem(const CInventoryElement*) override {}
};
