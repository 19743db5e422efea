#pragma once

// Prepares the web engine before the application object exists. The engine's sandbox cannot
// run for the root user (as in containers), so it is turned off then, and only then.
namespace WebEngineSetup {

void Prepare();

}  // namespace WebEngineSetup
