#pragma once

#include <QString>

// The folder of the executable, where "zunta_conf.ini" and "temp" live, with its trailing "/".
// ZUNTA_HOME overrides it (tests and installs that keep the files elsewhere).
QString ExecutableFolder();
QString TempFolder();
