// Which host the module runs in.
#pragma once

// True only when the host's PRODUCT is exactly "AutoCAD"; read once and kept for the life of the module.
bool IsFullAutoCAD();
