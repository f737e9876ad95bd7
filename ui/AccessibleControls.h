#pragma once

namespace kelt {

// Makes the program's own interfaces, and the roles of its windows and frames, the ones Qt
// hands to assistive technology.
void InstallAccessibleControls();

} // namespace kelt
