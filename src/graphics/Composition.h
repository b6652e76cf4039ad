#pragma once

// Whether the desktop is composed. Asked of the system once and remembered for
// the life of the process; tests and the native build set their own answer.
bool CompositionEnabled();

using TacCompositionQuery = bool (*)();
// Replaces the query and forgets the remembered answer; nullptr restores the
// system's query. Returns the previous query.
TacCompositionQuery SetCompositionQuery(TacCompositionQuery query);
