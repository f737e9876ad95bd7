#pragma once

#include <QString>

namespace kelt::modRedirect {

inline constexpr char SoftwareId[] = "Kelt-0241";

// Identifies this computer from run to run without giving away its machine id.
QString ComputerIdentifier();

QString TrackedVisitAddress(const QString &systemId, const QString &userName,
                            const QString &userEmail);

// The address the Online Help item opens: this computer's identifier, and an empty name
// and e-mail address, since the program keeps neither. modHelp opens it.
QString TrackedVisit();

} // namespace kelt::modRedirect
