#pragma once

#include "ExactDescendant.h"
#include "SignImageList.h"

#include <QDialog>

#include <cstddef>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kelt {

// The descendant from the minute and the place of birth: date, clock time and town (or
// latitude, longitude and zone) in, the sign with its degree, picture and reading out.
class frmExactDescendant : public QDialog
{
    Q_OBJECT

public:
    explicit frmExactDescendant(QWidget *parent = nullptr);

    // Day 1 to 31 and month 1 to 12 by position, as the birth-details window holds them.
    void setBirthDate(int day, int month, int year);
    // Shown modal, above the window it was opened from; returns once it is closed.
    void openFrom(QWidget *owner);

    void cmdFind_Click();
    void cmdClose_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildDetails();
    void buildResult();
    void Form_Load();
    void txtPlace_Change();
    void lstTowns_Click(int row);
    void placeEdited();
    // The place the birth is read at and how the result names it, or nothing after a message.
    std::optional<BirthPlace> chosenPlace(QString *shown);
    BirthClock enteredClock() const;
    QString clockQuestion(const ExactAnswer &answer, const BirthClock &clock,
                          const QString &zone) const;
    void showAnswer(const ExactAnswer &answer, const BirthClock &clock, const QString &place,
                    const QString &zone);

    SignImageList m_images;
    // The towns the list shows, by their place in the town list, and the one chosen.
    std::vector<std::size_t> m_matches;
    std::optional<std::size_t> m_town;
    // Latitude, longitude and zone hold the chosen town's, not the user's own.
    bool m_placeFromTown = false;

    QComboBox *cmbDay = nullptr;
    QComboBox *cmbMonth = nullptr;
    QComboBox *cmbYear = nullptr;
    QComboBox *cmbHour = nullptr;
    QComboBox *cmbMinute = nullptr;
    QLineEdit *txtPlace = nullptr;
    QListWidget *lstTowns = nullptr;
    QLineEdit *txtLatitude = nullptr;
    QLineEdit *txtLongitude = nullptr;
    QComboBox *cmbZone = nullptr;
    QPushButton *cmdFind = nullptr;
    QLabel *lblDescendant = nullptr;
    QLabel *lblAscendant = nullptr;
    QLabel *lblPlace = nullptr;
    QLabel *lblClock = nullptr;
    QLabel *lblMoreAboutSign = nullptr;
    QLabel *picSign = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace kelt
