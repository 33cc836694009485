#pragma once
// The program's way to the school's server: with the system-wide setting,
// the pupil's history queues every closed series and a sending thread takes
// them to the server; without it, nothing changes and nothing is started.

#include <memory>

#include "class_list.h"
#include "server_sender.h"
#include "sqlite_history.h"

namespace history {

// Null when no server is set up (or its setting cannot be used: the reason
// goes to standard error, in Italian).
std::unique_ptr<ServerSending> startServerSending(SqliteHistory &history, const Pupil &pupil,
                                                  ServerSending::Notice notice,
                                                  const QString &settingsFile = serverSettingsFile());

}  // namespace history
