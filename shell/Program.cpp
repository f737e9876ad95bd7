#include "Program.h"

#include "Clock.h"
#include "CoBrand.h"
#include "MessageBox.h"
#include "ProgramRandom.h"
#include "ReminderDate.h"
#include "Texts.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmExactDescendant.h"
#include "frmMain.h"
#include "frmNagScreen2.h"
#include "modHelp.h"

#include <QApplication>

#include <exception>
#include <string>

namespace kelt {

namespace {

// A failing step ends only that step; the routine goes on with the next one.
template <typename Step> void Try(Step &&step)
{
    try {
        step();
    } catch (const std::exception &) {
    } catch (...) {
    }
}

} // namespace

Program::Program(LockPlaces lockPlaces, QObject *parent)
    : QObject(parent), m_instance(SettingsStore::ExecutableBaseName(), std::move(lockPlaces)),
      m_quit([] { QCoreApplication::exit(0); })
{
}

Program::~Program()
{
    m_ending = true;
    delete m_exact;
    delete m_exitWindow;
    delete m_display;
    delete m_main;
}

bool Program::StartProgram()
{
    if (!m_instance.tryAcquire()) {
        MessageBox::inform(nullptr, QLatin1String(text::AlreadyRunning), MessageIcon::Information);
        EndProgram();
        return false;
    }
    Try([] { ProgramRandom::seedFromClock(); });
    Try([this] { RemindOfUpdates(m_settings); });
    Try([this] {
        mainWindow()->show();
        mainWindow()->activateWindow();
    });
    Try([this] { CoBrand_Randomize(*mainWindow(), ProgramRandom::next()); });
    return true;
}

void Program::RemindOfUpdates(SettingsStore &store)
{
    const QString key = QLatin1String(SettingKey::Duration);
    const QDate today = Clock::Today();
    switch (DecideReminder(store.GetSetting(key), today)) {
    case ReminderAction::Nothing:
        return;
    case ReminderAction::StoreToday:
        store.SaveSetting(key, FormatReminderDate(today));
        return;
    case ReminderAction::Ask:
        break;
    }
    const bool check =
        MessageBox::ask(nullptr, QLatin1String(text::UpdateQuestion)) == QMessageBox::Yes;
    store.SaveSetting(key, FormatReminderDate(today));
    if (check)
        modHelp::OpenDownloadPage();
}

frmMain *Program::loadedMain() const
{
    return m_main;
}

frmDisplay *Program::loadedDisplay() const
{
    return m_display;
}

frmNagScreen2 *Program::loadedExitWindow() const
{
    return m_exitWindow;
}

frmExactDescendant *Program::loadedExact() const
{
    return m_exact;
}

frmMain *Program::mainWindow()
{
    if (!m_main) {
        m_main = new frmMain(m_state);
        connect(m_main, &frmMain::readingPassed, this, &Program::showReading);
        connect(m_main, &frmMain::unloaded, this, &Program::exitFlow);
        connect(m_main, &frmMain::aboutRequested, this, [this] { showAbout(m_main); });
        connect(m_main, &frmMain::exactDescendantRequested, this,
                [this] { showExactDescendant(m_main); });
    }
    return m_main;
}

frmDisplay *Program::displayWindow()
{
    if (!m_display) {
        m_display = new frmDisplay;
        connect(m_display, &frmDisplay::backClicked, this, &Program::back);
        connect(m_display, &frmDisplay::unloaded, this, &Program::exitFlow);
        connect(m_display, &frmDisplay::aboutRequested, this, [this] { showAbout(m_display); });
        connect(m_display, &frmDisplay::exactDescendantRequested, this,
                [this] { showExactDescendant(m_display); });
    }
    return m_display;
}

frmNagScreen2 *Program::exitWindow()
{
    if (!m_exitWindow) {
        m_exitWindow = new frmNagScreen2(m_referral);
        connect(m_exitWindow, &frmNagScreen2::exitClicked, this, &Program::EndProgram);
        connect(m_exitWindow, &frmNagScreen2::unloaded, this, &Program::EndProgram);
        m_exitWindow->Form_Load();
    }
    return m_exitWindow;
}

void Program::showReading(const std::optional<ShownReading> &reading)
{
    if (reading)
        displayWindow()->setResult(*reading);
    mainWindow()->hide();
    exitWindow()->hide();
    displayWindow()->show();
    displayWindow()->activateWindow();
}

void Program::exitFlow()
{
    // While the program ends, closing the hidden birth-details window must not bring the
    // exit window back.
    if (m_ending)
        return;
    Try([this] { exitWindow()->showInFront(); });
}

void Program::back()
{
    // Back is no way out: the result window goes without the exit flow, and the birth-details
    // window takes its place; the exit window, loaded by the reading, stays hidden.
    Try([this] {
        disconnect(m_display, &frmDisplay::unloaded, this, &Program::exitFlow);
        m_display->close();
    });
    Try([this] {
        mainWindow()->show();
        mainWindow()->activateWindow();
    });
}

void Program::showAbout(QWidget *owner)
{
    auto *about = new frmAbout(owner);
    about->exec();
}

// Modal, as the about window: the entries it takes are the birth-details window's too, so
// neither main window changes while it is open. It lives, hidden, until the program ends.
void Program::showExactDescendant(QWidget *owner)
{
    if (!m_exact)
        m_exact = new frmExactDescendant;
    // The date of the birth-details window, which the result window's reading came from.
    if (m_main) {
        const BirthDetails details = m_main->enteredDetails();
        m_exact->setBirthDate(details.day, details.month, std::stoi(details.yearText));
    }
    m_exact->openFrom(owner);
}

void Program::EndProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    for (QWidget *window :
         {static_cast<QWidget *>(m_exitWindow.data()), static_cast<QWidget *>(m_display.data()),
          static_cast<QWidget *>(m_main.data())}) {
        if (window)
            Try([window] { window->close(); });
    }
    m_ended = true;
    if (m_quit)
        m_quit();
}

} // namespace kelt
