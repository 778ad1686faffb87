// The 30 built-in describers, one per host class, created at initialisation and destroyed at unload.
#pragma once

// True when the table exists (also when it already did); false when it cannot be allocated.
bool CreateClassTable();
// Destroys the describers in the reverse order of their creation.
void DestroyClassTable();
