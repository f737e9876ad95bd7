#pragma once

namespace kelt {

// What the program asks of the application object before any window exists.
void SetUpApplication();

} // namespace kelt
