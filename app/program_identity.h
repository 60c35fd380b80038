#pragma once

// The name, desktop entry and icon by which the desktop shows the running program. Called
// once, right after the application object is made.
void SetProgramIdentity();
