#pragma once

#include "reading/ReadingCommand.h"
#include "reading/ReadingState.h"
#include "shell/SettingsStore.h"
#include "shell/SingleInstance.h"
#include "shell/modTellAFriend.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QWidget;

namespace kelt {

class frmDisplay;
class frmMain;
class frmNagScreen2;

// The program: creates each window on first use, wires the flow between them, and owns
// the reading state and the referral values for the whole run.
class Program : public QObject
{
    Q_OBJECT

public:
    explicit Program(QObject *parent = nullptr);
    ~Program() override;

    // False when another copy runs: the message was shown and the program has ended.
    bool StartProgram();
    void EndProgram();
    bool hasEnded() const { return m_ended; }

    frmMain *mainWindow();
    frmDisplay *displayWindow();
    frmNagScreen2 *nagWindow();
    bool isMainLoaded() const { return !m_main.isNull(); }
    bool isDisplayLoaded() const { return !m_display.isNull(); }
    bool isNagLoaded() const { return !m_nag.isNull(); }

    ReadingState &readingState() { return m_state; }
    modTellAFriend &referral() { return m_referral; }
    SettingsStore &settings() { return m_settings; }

    // What ends the process; tests count calls instead.
    void setQuitFunction(std::function<void()> quit) { m_quit = std::move(quit); }

private:
    void showReading(const std::optional<DescendantResult> &result);
    void exitFlow();
    void back();
    void showAbout(QWidget *owner);

    SettingsStore m_settings;
    SingleInstance m_instance;
    ReadingState m_state;
    modTellAFriend m_referral;
    QPointer<frmMain> m_main;
    QPointer<frmDisplay> m_display;
    QPointer<frmNagScreen2> m_nag;
    bool m_ending = false;
    bool m_ended = false;
    std::function<void()> m_quit;
};

} // namespace kelt
