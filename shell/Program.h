#pragma once

#include "ReadingState.h"
#include "SettingsStore.h"
#include "ShownReading.h"
#include "SingleInstance.h"
#include "modTellAFriend.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QWidget;

namespace kelt {

class frmDisplay;
class frmExactDescendant;
class frmMain;
class frmNagScreen2;

// The program: creates each window on first use, wires the flow between them, and owns
// the reading state and the referral values for the whole run.
class Program : public QObject
{
    Q_OBJECT

public:
    // The lock is taken in the places given, the user's own unless a test gives its own.
    explicit Program(LockPlaces lockPlaces = SingleInstance::DefaultPlaces(),
                     QObject *parent = nullptr);
    ~Program() override;

    // False when another copy runs: the message was shown and the program has ended.
    bool StartProgram();
    void EndProgram();
    bool hasEnded() const { return m_ended; }

    // The windows as they are now: null when not loaded. Nothing here creates one.
    frmMain *loadedMain() const;
    frmDisplay *loadedDisplay() const;
    frmNagScreen2 *loadedExitWindow() const;
    frmExactDescendant *loadedExact() const;

    const ReadingState &readingState() const { return m_state; }
    const modTellAFriend &referral() const { return m_referral; }

    // Once per start: every fifteen days or more, offers to open the download page; the
    // date lives in this store and the question is a message box.
    static void RemindOfUpdates(SettingsStore &store);

    // What ends the process; tests count calls instead.
    void setQuitFunction(std::function<void()> quit) { m_quit = std::move(quit); }

private:
    // Each window is created on first use.
    frmMain *mainWindow();
    frmDisplay *displayWindow();
    frmNagScreen2 *exitWindow();
    void showReading(const std::optional<ShownReading> &reading);
    void exitFlow();
    void back();
    void showAbout(QWidget *owner);
    void showExactDescendant(QWidget *owner);

    SettingsStore m_settings;
    SingleInstance m_instance;
    ReadingState m_state;
    modTellAFriend m_referral;
    QPointer<frmMain> m_main;
    QPointer<frmDisplay> m_display;
    QPointer<frmNagScreen2> m_exitWindow;
    QPointer<frmExactDescendant> m_exact;
    bool m_ending = false;
    bool m_ended = false;
    std::function<void()> m_quit;
};

} // namespace kelt
