#pragma once

#include <QString>

namespace kelt::modRedirect {

inline constexpr char SoftwareId[] = "Kelt-0241";

// Identifies this computer from run to run without giving away its machine id.
QString ComputerIdentifier();

QString TrackedVisitAddress(const QString &systemId, const QString &userName,
                            const QString &userEmail);

// The program keeps no user name or e-mail address, so both go out empty.
void OpenTrackedVisit();

} // namespace kelt::modRedirect
